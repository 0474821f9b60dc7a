#!/usr/bin/env bash
# End to end: "Export all weeks…" in the tray menu on a real desktop. The save dialog gets a name
# without an ending, and the file type chosen in it gives the ending; the week on screen, typed
# but not saved, is saved first and goes out with the other; Orvanta then says how many weeks
# went out.
# Usage: export_e2e.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
"$make_db" "$work/dbCalendar.mdb"
sqlite3 "$work/dbCalendar.mdb" "INSERT INTO tblCalendar VALUES ('2025-11-30', 'stored earlier$(sep 8)')"
mkdir "$work/out"
desktop_up --wm icewm

# TYPE ENDING DOWNS: the file type is the save dialog's first, or the one DOWNS below it.
for row in "Markdown md 0" "iCalendar ics 1"; do
    read -r type ending downs <<<"$row"
    sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar WHERE StartWeekDate = '2025-12-28'"
    start
    xdotool type --delay 20 "typed for $type"
    check "$type: a right click on the icon opens the menu" open_tray_menu
    xdotool key Up Up Up Up Up Return # Export all weeks…, above Import weeks…, Sync now, Sync… and Quit
    dialog=$(window_named 'Export All Weeks')
    check "$type: the save dialog opens" test -n "$dialog"
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 10 "$work/out/weeks"
    # From the name to the file type, then to Save, which Space presses.
    xdotool key Tab
    for ((i = 0; i < downs; i++)); do xdotool key Down; done
    xdotool key Tab space
    check "$type: the file is named for its type" eventually test -s "$work/out/weeks.$ending"
    check "$type: the week typed was saved first" \
        row_is 2025-12-28 "typed for $type$(sep 8)"
    check "$type: both weeks went out" \
        grep -q "typed for $type" "$work/out/weeks.$ending"
    check "$type: and the stored one" grep -q "stored earlier" "$work/out/weeks.$ending"
    # The message ("2 weeks were exported to …"), a second window of that title, closed with Enter.
    check "$type: a message says so" eventually test "$(xdotool search --onlyvisible --name '^Orvanta$' | wc -l)" -ge 2
    xdotool key Return
    wmctrl -c Orvanta
    ended
    check "$type: exit 0" test "$code" = 0
done
ls "$work/out" >"$work/files"
check "no other file and no temporary one" test "$(cat "$work/files")" = "$(printf 'weeks.ics\nweeks.md')"
summary
