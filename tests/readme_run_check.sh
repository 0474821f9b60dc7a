#!/usr/bin/env bash
# The README's first command as a newcomer meets it: scripts/run with a home of its own and no
# display sets up, builds, installs into ~/.local and starts Orvanta on a virtual display; the
# window shows with the database beside the installed program, and Ctrl+C (SIGINT) ends it the
# way closing does, saving the week.
#
# It shares the suite's build, but first takes away every program the install copies from it,
# so that only scripts/run's own build step can bring them back: a program added to the install
# without a build step there makes the install fail here, as it would on a fresh clone.
# Usage: readme_run_check.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=$1 build=$2
for tool in xdotool sqlite3 Xvfb setsid; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
run_group=""
# Should it fail midway: scripts/run's group, and the Xvfb it started in a session of its own.
trap '[[ -n $run_group ]] && pkill -KILL -P "$run_group" Xvfb; [[ -n $run_group ]] &&
    kill -KILL -- "-$run_group" 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/checks.sh"

# waits_for SECONDS COMMAND...: true once the command succeeds; false when scripts/run has
# ended first or the time is up (a bound for a hang, not the test's measure).
waits_for() {
    local until=$((SECONDS + $1))
    while ((SECONDS < until)); do
        "${@:2}" && return 0
        kill -0 "$run_group" 2>/dev/null || { "${@:2}"; return; }
        sleep 0.2
    done
    return 1
}

# What the install copies from the build tree: the programs it names by their path there.
mapfile -t installed < <(grep -rhoE "\"?$build/[^\" )]+" --include=cmake_install.cmake "$build" |
    tr -d '"' | sort -u | while read -r file; do [[ -f $file && -x $file ]] && echo "$file"; done)
check "the install names programs of the build" test "${#installed[@]}" -gt 0
rm -f "${installed[@]}"

home=$work/home
mkdir -p "$home"
(cd "$source_dir" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u ORVANTA_PREFIX HOME="$home" \
    ORVANTA_BUILD_DIR="$build" setsid scripts/run) >"$work/run.log" 2>&1 &
run_group=$!

display_named() { grep -q 'virtual display :' "$work/run.log"; }
if ! waits_for 1800 display_named; then
    echo "FAIL scripts/run started no Orvanta; it said:"
    tail -n 30 "$work/run.log" | sed 's/^/     /'
    missing=()
    for file in "${installed[@]}"; do [[ -e $file ]] || missing+=("${file#"$build"/}"); done
    ((${#missing[@]})) &&
        echo "     the install takes ${missing[*]}, which scripts/run does not build"
    exit 1
fi
DISPLAY=$(sed -n 's/.*virtual display \(:[0-9]*\).*/\1/p' "$work/run.log" | head -n1)
export DISPLAY

bin=$home/.local/bin
window() { xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n1; }
shown() { [[ -n $(window) ]]; }
check "the window shows" waits_for 60 shown
check "the program is installed in ~/.local/bin" test -x "$bin/orvanta"
check "the database is beside it" test -s "$bin/dbCalendar.mdb"
for program in "${installed[@]}"; do
    name=${program##*/}
    [[ $name == make_empty_calendar ]] && continue
    kind=-x
    [[ $name == *.so ]] && kind=-f # a module, which the program loads rather than runs
    check "$name is installed beside it" test "$kind" "$bin/$name"
done

# Typed into Sunday's box, then seen in the draft, so the keys have surely arrived.
typed="typed on the first run $$"
win=$(window)
xdotool windowfocus --sync "$win" 2>/dev/null
xdotool type --delay 20 "$typed"
drafted() { grep -qF "$typed" "$bin/dbCalendar.mdb.draft" 2>/dev/null; }
check "the typing reaches the window" waits_for 60 drafted

kill -INT -- "-$run_group"
ended() { ! kill -0 "$run_group" 2>/dev/null; }
check "Ctrl+C ends it" waits_for 60 ended
wait "$run_group"
code=$?
run_group=""
check "it ends as closing does (exit 0)" test "$code" = 0
saved=$(sqlite3 "$bin/dbCalendar.mdb" \
    "SELECT count(*) FROM tblCalendar WHERE instr(WeekData, '$typed') > 0" 2>&1)
check "the week was saved" test "$saved" = 1
check "no draft is left" test ! -e "$bin/dbCalendar.mdb.draft"
for program in "${installed[@]}"; do
    check "${program#"$build"/} is in the build again" test -x "$program"
done
summary || { tail -n 30 "$work/run.log" | sed 's/^/     /'; exit 1; }
