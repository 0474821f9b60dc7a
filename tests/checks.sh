# shellcheck shell=bash
# Sourced by the shell checks under CTest: check NAME COMMAND... counts and prints each check;
# summary prints the tally and fails when a check did.
passed=0 failed=0
check() {
    if "${@:2}"; then passed=$((passed + 1)); echo "ok   $1"; else failed=$((failed + 1)); echo "FAIL $1"; fi
}
summary() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}
