# shellcheck shell=bash disable=SC2154 # the caller sets desktop
# Sourced by every end-to-end script. The caller sets desktop (the e2e-desktop tool); this gives
# a scratch folder ($work), a virtual desktop that is stopped whatever happens to the script,
# checks with their count, and the output of the program under test when a check fails.

work=$(mktemp -d)
extra_pids=()          # programs a script starts on the desktop itself
outputs=("$work/log") # what the program under test writes, shown when a check fails
trap 'desktop_down; rm -rf "$work"' EXIT
trap 'exit 1' TERM INT HUP # through the EXIT trap above

# desktop_up [OPTION...]: a fresh virtual desktop (e2e-desktop start options); ends the last.
# A watchdog outside this script's process tree stops the desktop once the script is gone, even
# when it was killed (a test's timeout) and its own EXIT trap never ran.
desktop_up() {
    desktop_down
    eval "$("$desktop" start auto "$@")" || { echo "FAIL: the virtual desktop did not start"; exit 1; }
    setsid -f bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done
        E2E_DESKTOP_PIDS=$2 E2E_DESKTOP_DIR=$3 "$4" stop --clean' \
        watchdog $$ "$E2E_DESKTOP_PIDS" "$E2E_DESKTOP_DIR" "$desktop" </dev/null >/dev/null 2>&1
}
desktop_down() {
    ((${#extra_pids[@]})) && kill "${extra_pids[@]}" 2>/dev/null
    extra_pids=()
    [[ -n ${E2E_DESKTOP_PIDS:-} ]] && "$desktop" stop --clean >/dev/null 2>&1
    unset E2E_DESKTOP_PIDS E2E_DESKTOP_DIR
}

passed=0 failed=0
check() { # check NAME COMMAND...
    [[ -n ${E2E_VERBOSE:-} ]] && echo "  ${*:2}"
    if "${@:2}"; then
        passed=$((passed + 1))
        echo "ok   $1"
    else
        failed=$((failed + 1))
        echo "FAIL $1"
        show_output
    fi
}
# The last lines the program under test wrote.
show_output() {
    local file
    for file in "${outputs[@]}"; do
        [[ -s $file ]] || continue
        echo "     --- ${file##*/} ---"
        tail -n 30 "$file" | sed 's/^/     /'
    done
}
# Prints the tally; fails when a check did.
summary() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}
# eventually COMMAND...: true once the command succeeds, trying for up to 5 s.
eventually() {
    for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
    return 1
}
