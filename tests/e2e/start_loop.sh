#!/usr/bin/env bash
# Starts and ends the real program again and again on a virtual desktop with a tray, with core
# dumps on: however soon after the start SIGTERM comes (at once, during start-up, just after the
# window shows, or later), a program that already catches SIGTERM must end with exit 0 and its
# week saved; one that does not yet may only die of it (143). Which it is, is read from the
# program itself (SigCgt in /proc/PID/status) just before the signal, never guessed from the
# time since the start, which a busy machine stretches. For the rare crash that one start in
# hundreds may show; a core file and the program's output are kept in KEEP (default: a folder
# made in /tmp when a run first goes wrong) for every run that does. "At once" is once the
# program is exec'd: a signal before that would reach the shell that starts it.
# Usage: start_loop.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP [RUNS] [KEEP]
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3 runs=${4:-300} keep=${5:-}
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
desktop_up --wm icewm
"$make_db" "$work/dbCalendar.mdb"
ulimit -c unlimited
delays=(0 0.05 0.15 0.3 0.6 1.2)
# catches_sigterm PID: whether the process has a handler for SIGTERM (signal 15, bit 14).
catches_sigterm() {
    local mask
    mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status" 2>/dev/null) || return 1
    [[ -n $mask ]] && (((16#$mask >> 14) & 1))
}
week=2025-12-28 # the week of the fixed "today"
bad=0
for ((run = 1; run <= runs; run++)); do
    delay=${delays[run % ${#delays[@]}]}
    rm -f "$work"/core*
    sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"
    (cd "$work" && LD_PRELOAD=$faketime_lib FAKETIME='@2026-01-01 10:00:00' exec ./orvanta) \
        >"$work/log" 2>&1 &
    app=$!
    # The signal is for Orvanta, not for the shell that starts it: before its exec that shell
    # still has this script's traps, and one run there would end the whole test.
    until [[ $(readlink "/proc/$app/exe" 2>/dev/null) == */orvanta ]]; do
        kill -0 "$app" 2>/dev/null || break
        sleep 0.01
    done
    sleep "$delay"
    caught=no
    catches_sigterm "$app" && caught=yes
    kill -TERM "$app"
    # However long a loaded machine makes the close take: it ends on its own, or never.
    for _ in $(seq 1200); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    ended
    # Caught, the signal closes the window as the close button does, saving the week (the
    # empty week of the fixed today gets its row). Not caught yet, the program dies of it.
    wrong=""
    if [[ $caught == yes ]]; then
        [[ $code == 0 ]] || wrong="caught, yet exit $code"
        [[ -z $wrong ]] && ! row_is "$week" "$(sep 8)" && wrong="caught and exit 0, week not saved"
    elif [[ $code != 0 && $code != 143 ]]; then
        wrong="not caught yet, exit $code"
    fi
    if [[ -n $wrong ]]; then
        bad=$((bad + 1))
        echo "run $run (SIGTERM after $delay s): $wrong"
        show_output
        [[ -n $keep ]] || keep=$(mktemp -d -t orvanta-start-loop.XXXXXX)
        mkdir -p "$keep/run-$run"
        cp "$work/log" "$work"/core* "$keep/run-$run/" 2>/dev/null
    fi
done
echo "$runs runs, $bad went wrong${keep:+; kept in $keep}"
((bad == 0))
