#!/usr/bin/env bash
# End to end: Orvanta as a screen reader finds it, through AT-SPI on the virtual desktop's own
# accessibility bus. The application is on the bus; its calendar holds three month tables of
# day cells named by their dates, the shown week's seven days selected and today described as
# such; Tab into the calendar focuses the cursor's day and Right the next day, as focus events
# and as the focused state; every box is named by its day, the notes by their week; the find
# window's results are read as text.
# Usage: accessibility_e2e.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }
# Debian's own Python, where python3-pyatspi is; the bus launcher of at-spi2-core.
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 77; }
[[ -x $launcher ]] || { echo "SKIP: no AT-SPI bus launcher (at-spi2-core)"; exit 77; }
reader="$(dirname "$0")/atspi_reader.py"

source "$(dirname "$0")/lib.sh"
"$make_db" "$work/dbCalendar.mdb"
sqlite3 "$work/dbCalendar.mdb" \
    "INSERT INTO tblCalendar VALUES ('2025-11-30', '$(sep 1)Dentist at nine$(sep 7)')"
read_app() { "$python" "$reader" Orvanta "$@" 2>>"$work/reader.log"; }
outputs+=("$work/reader.log")

desktop_up --wm icewm
# The accessibility bus on the desktop's private session bus, as a desktop session starts it.
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
extra_pids+=("$!")
bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1
}
eventually bus_up || { echo "FAIL: the accessibility bus did not start"; exit 1; }

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start # today is Thursday, 1 January 2026: the week of Sunday, 28 December 2025 is shown
check "the application is on the accessibility bus" eventually read_app found

# The calendar: its tables and the days in them.
read_app calendar >"$work/calendar"
tables() { grep -c '^table' "$work/calendar"; }
check "the calendar holds three tables" test "$(tables)" = 3
check "each of seven columns" test "$(grep '^table' "$work/calendar" | cut -f4 | sort -u)" = 7
check "a table is named by its month" grep -q $'^table\tJanuary 2026\t5\t7' "$work/calendar"
check "the days are table cells named by their dates" \
    grep -q $'^cell\tSaturday, 31 January 2026\t.*\ttable cell$' "$work/calendar"
week="Sunday, 28 December 2025
Monday, 29 December 2025
Tuesday, 30 December 2025
Wednesday, 31 December 2025
Thursday, 1 January 2026
Friday, 2 January 2026
Saturday, 3 January 2026"
selected() { awk -F'\t' '$1 == "cell" && $3 ~ /selected/ {print $2}' "$work/calendar"; }
check "the shown week's seven days are selected, and no others" test "$(selected)" = "$week"
check "today is said to be today" grep -q $'^cell\tThursday, 1 January 2026\t[^\t]*\ttoday' \
    "$work/calendar"

# Tab into the calendar (the focus starts in Sunday's box; after Saturday's comes the
# calendar): the cursor's day, the shown day (the week's Sunday), is focused, and Right focuses
# the next day. Qt tells of the calendar (a panel) taking the focus, then the calendar of the
# cell, which is the last focus a reader hears.
read_app focus-events Tab Tab Tab Tab Tab Tab Tab >"$work/focus-events"
check "Tab into the calendar: a focus event for a cell" \
    test "$(grep '^focus:' "$work/focus-events" | tail -n1)" \
    = $'focus:\t0\ttable cell\tSunday, 28 December 2025'
focused_cell_is() { read_app focused | grep -qxF "table cell	$1"; }
check "the focused cell is the cursor's" eventually focused_cell_is "Sunday, 28 December 2025"
xdotool key Right
check "Right: the focused cell is the next day" \
    eventually focused_cell_is "Monday, 29 December 2025"

# The boxes by their days, the notes by their week.
read_app boxes >"$work/boxes"
while IFS= read -r day; do
    check "a box named $day" grep -qxF "text	$day" "$work/boxes"
done <<<"$week"
check "the notes named by their week" \
    grep -qxF "text	Notes for the week of Sunday, 28 December 2025" "$work/boxes"

# The find window's results, readable as text.
xdotool key ctrl+f
check "Ctrl+F opens the find window" window_named 'Find in all weeks'
sleep 0.3 # the window takes the keyboard once it is up
xdotool type --delay 20 dentist
result_read() {
    read_app list 'Find in all weeks' | grep -qxF 'Monday, 1 December 2025: Dentist at nine'
}
check "a result is read as its day and line" eventually result_read
xdotool key Escape

wmctrl -c Orvanta
ended
check "closes with exit 0" test "$code" = 0
[[ -n ${E2E_VERBOSE:-} ]] && cat "$work/focus-events" "$work/boxes"
summary
