#!/usr/bin/env bash
# Starts and ends the real program again and again on a virtual desktop with a tray, with core
# dumps on: every run must end with exit 0 and its week saved, however soon after the start
# SIGTERM comes (at once, during start-up, just after the window shows, or later). For the rare
# crash that one start in hundreds may show; a core file and the program's output are kept in
# KEEP (default: a folder made in /tmp when a run first goes wrong) for every run that does.
# Usage: start_loop.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP [RUNS] [KEEP]
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3 runs=${4:-300} keep=${5:-}
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
desktop_up --wm icewm
"$make_db" "$work/dbCalendar.mdb"
ulimit -c unlimited
delays=(0 0.05 0.15 0.3 0.6 1.2)
bad=0
for ((run = 1; run <= runs; run++)); do
    delay=${delays[run % ${#delays[@]}]}
    rm -f "$work"/core*
    (cd "$work" && LD_PRELOAD=$faketime_lib FAKETIME='@2026-01-01 10:00:00' exec ./orvanta) \
        >"$work/log" 2>&1 &
    app=$!
    sleep "$delay"
    kill -TERM "$app"
    ended
    # A SIGTERM at once may come before the program has its handlers (143), or during its
    # start-up, which it then ends as a failed start (1).
    if [[ $code != 0 && ! ($delay == 0 && ($code == 1 || $code == 143)) ]]; then
        bad=$((bad + 1))
        echo "run $run (SIGTERM after $delay s): exit $code"
        show_output
        [[ -n $keep ]] || keep=$(mktemp -d -t orvanta-start-loop.XXXXXX)
        mkdir -p "$keep/run-$run"
        cp "$work/log" "$work"/core* "$keep/run-$run/" 2>/dev/null
    fi
done
echo "$runs runs, $bad went wrong${keep:+; kept in $keep}"
((bad == 0))
