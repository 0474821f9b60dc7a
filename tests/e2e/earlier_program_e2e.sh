#!/usr/bin/env bash
# End to end: a dbCalendar.mdb of the earlier Windows program (a Jet file) beside Orvanta. No to
# the question ends the start with the folder as it was; killed while asking, it asks again at
# the next start; Yes converts it, says how it went, and the window shows a converted week,
# which saves as any other: the newest week up to today that holds text, from a file whose
# newest weeks lie years back.
# Usage: earlier_program_e2e.sh ORVANTA JET_READER FIXTURES E2E_DESKTOP
set -uo pipefail
orvanta=$1 reader=$2 fixtures=$3 desktop=$4
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
cp "$reader" "$work/orvanta-jet-reader"
jet=$fixtures/day-first-keys-jet4.mdb
cp "$jet" "$work/dbCalendar.mdb"
desktop_up --wm icewm
files() { (cd "$work" && ls -A | grep -v '^orvanta\|^log$' | sort | tr '\n' '/'); }
before=$(files)

start # the question is the first window
check "the question comes first" test -n "$win"
xdotool key Escape # No
ended
check "No: the start ends (exit 0)" test "$code" = 0
check "No: the file is as it was" cmp -s "$jet" "$work/dbCalendar.mdb"
check "No: nothing else was written" test "$(files)" = "$before"

# Killed while it asks, with the new database prepared beside the original: the original is
# still dbCalendar.mdb, and the next start asks again.
start
kill -KILL "$app"
ended
check "killed while asking: the original is still dbCalendar.mdb" cmp -s "$jet" "$work/dbCalendar.mdb"

start
xdotool key Return # Yes, the default
sleep 1
check "Yes: the original is kept under its own name" cmp -s "$jet" "$work/dbCalendar (earlier program).mdb"
check "Yes: dbCalendar.mdb is Orvanta's, with every week" \
    test "$(sqlite3 "$work/dbCalendar.mdb" 'SELECT count(*) FROM tblCalendar')" = 30
check "Yes: nothing of the conversion is left over" test ! -e "$work/dbCalendar.mdb.converting"
xdotool key Return # the message that says how it went
win=""
for _ in $(seq 50); do
    win=$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n1)
    [[ -n $win ]] && xwininfo -id "$win" | grep -q 'Width: 624' && break
    sleep 0.1
done
check "the window opens" test -n "$win"
xdotool windowactivate --sync "$win" >/dev/null 2>&1
sleep 0.3
stored=$(row 2025-12-28)
xdotool key ctrl+End
xdotool type --delay 20 ' seen'
xdotool key ctrl+s
check "the converted week is on screen, and saves" \
    eventually row_is 2025-12-28 "${stored/day-first week of 2025-12-28/day-first week of 2025-12-28 seen}"
wmctrl -c Orvanta
ended
check "closed: exit 0" test "$code" = 0

# A file whose weeks end years before today (and one in 9999): its newest week up to today
# shows, not an empty today.
rm -f "$work"/dbCalendar*
cp "$fixtures/calendar-jet4.mdb" "$work/dbCalendar.mdb"
start
xdotool key Return # Yes
xdotool key Return # how it went
for _ in $(seq 50); do
    win=$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n1)
    [[ -n $win ]] && xwininfo -id "$win" | grep -q 'Width: 624' && break
    sleep 0.1
done
xdotool windowactivate --sync "$win" >/dev/null 2>&1
sleep 0.3
newest=$(row 2004-05-02)
xdotool key ctrl+End
xdotool type --delay 20 ' seen'
xdotool key ctrl+s
check "the newest week that came over is on screen, 2 May 2004" eventually test \
    "$(row 2004-05-02)" != "$newest"
check "and today's week is left as it was" test -z "$(row 2025-12-28)"
wmctrl -c Orvanta
ended
summary
