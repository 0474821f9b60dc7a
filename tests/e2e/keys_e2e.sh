#!/usr/bin/env bash
# End to end: the actions by their keys on a real desktop. Ctrl+Q quits, saving the week; Ctrl+E
# opens the export's save dialog; F10 opens the window's menu, whose first entry goes to a date;
# Ctrl+G goes to a date typed as German and as American users write it, asked for in German and
# in English, saving the week left first; and on a 1024 x 600 screen, twelve lines typed into
# Saturday's box keep the line being typed in sight, as read from the screen's pixels.
# Usage: keys_e2e.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
"$make_db" "$work/dbCalendar.mdb"
fresh() { sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"; }
menu_closed() { ! menu_open; }
closed_with_exit_0() { # LABEL
    wmctrl -c Orvanta
    ended
    check "$1: exit 0" test "$code" = 0
}
desktop_up --wm icewm

# Ctrl+Q: the close sequence, which saves.
start
xdotool type --delay 20 'quit by key'
xdotool key ctrl+q
ended
check "Ctrl+Q: exit 0" test "$code" = 0
check "Ctrl+Q: the week was saved" row_is 2025-12-28 "quit by key$(sep 8)"

# Ctrl+E: the export asks where.
start
xdotool key ctrl+e
check "Ctrl+E: the export's save dialog opens" window_named 'Export All Weeks'
xdotool key Escape
closed_with_exit_0 "Ctrl+E"

# F10: the menu at the window's top left; Escape closes it; its first entry goes to a date.
start
xdotool key F10
check "F10: the window's menu opens" eventually menu_open
sleep 0.5 # the menu takes the keyboard once it is up
xdotool key Escape
check "Escape closes the menu" eventually menu_closed
xdotool key F10
eventually menu_open && sleep 0.3
xdotool key Return
check "the menu's first entry: Go to date" window_named 'Go to date'
xdotool key Escape
closed_with_exit_0 "F10"

# Ctrl+G, a day as each language writes it, asked for in that language: the week left is
# saved, the day's week shown.
for row in "de_DE.UTF-8 25.12.2003 Gehe zu Datum" "en_US.UTF-8 12/25/2003 Go to date"; do
    read -r language typed title <<<"$row"
    fresh
    LC_ALL=$language LANG=$language start
    xdotool type --delay 20 "left in $language"
    xdotool key ctrl+g
    check "$language: Ctrl+G asks for a date" window_named "$title"
    sleep 0.3
    xdotool type --delay 20 "$typed" # over the shown day, which is selected
    xdotool key Return
    check "$language: the week left was saved" eventually row_is 2025-12-28 "left in $language$(sep 8)"
    sleep 0.3
    xdotool type --delay 20 'christmas'
    xdotool key ctrl+s
    check "$language: $typed shows the week of 21 December 2003" \
        eventually row_is 2003-12-21 "christmas$(sep 8)"
    closed_with_exit_0 "$language"
done

# On a small screen the week scrolls: the line being typed in Saturday's box, the window's
# lowest, stays in sight, also after the week was scrolled back up with the wheel. Its last line
# is drawn as one long stroke of underscores, looked for in the window's lower half.
stroke_in_sight() {
    local width height
    read -r width height < <(xwininfo -id "$win" | awk '/^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print w, h}')
    region "$win" 0 0 "$((width < 320 ? width : 320))" "$height" | python3 -c '
import sys
pixels = [int(line, 16) for line in sys.stdin]
height = int(sys.argv[1])
columns = [pixels[i:i + height] for i in range(0, len(pixels), height)]
dark = lambda p: max(p >> 16, (p >> 8) & 255, p & 255) < 0xa0
for y in range(height // 2, height):
    run = best = 0
    for column in columns:
        run = run + 1 if dark(column[y]) else 0
        best = max(best, run)
    if best >= 100:
        sys.exit(0)
sys.exit(1)' "$height"
}
desktop_up --wm icewm --size 1024x600x24
fresh
start
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab # from Sunday's box to Saturday's, into view
# Back up over the empty notes box, Saturday's box left mostly below the window's edge.
read -r left top < <(place)
xdotool mousemove --sync "$((left + 460))" "$((top + 300))" click --repeat 4 --delay 50 4
for i in $(seq 11); do
    xdotool type --delay 10 "line $i"
    xdotool key Return
done
xdotool type --delay 10 '______________________________'
check "1024x600: the line being typed is in sight" eventually stroke_in_sight
closed_with_exit_0 "1024x600"
check "1024x600: all twelve lines were saved" \
    test "$(row 2025-12-28 | grep -c 'line\|____')" = 12
summary
