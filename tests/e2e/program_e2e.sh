#!/usr/bin/env bash
# End to end: the real program on a virtual X desktop with a fixed "today". It starts without
# its database (message, no window, no file), then with one: the window centred, typing,
# choosing days, and every way of closing must leave the texts in dbCalendar.mdb; then with a
# skin and a pointer image beside it; last from a folder whose name is not UTF-8.
# Usage: program_e2e.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP
# With E2E_SCREENSHOT=FILE.png it also saves a picture of the window with its frame (needs
# ImageMagick's import), as the README shows it.
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
desktop_up --wm icewm

# The frame (client area plus _NET_FRAME_EXTENTS) centred in _NET_WORKAREA, to the pixel.
frame_centred() {
    local x y l r t b aw ah
    read -r x y < <(place)
    read -r l r t b < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r _ _ aw ah _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
    local left=$((x - l)) top=$((y - t)) right=$((aw - (x + 624 + r))) bottom=$((ah - (y + 641 + b)))
    ((left - right >= -1 && left - right <= 1 && top - bottom >= -1 && top - bottom <= 1))
}
client_size_is() {
    local info
    info=$(xwininfo -id "$win")
    grep -q "Width: $1" <<<"$info" && grep -q "Height: $2" <<<"$info"
}
hints_fix_size() {
    local hints
    hints=$(xprop -id "$win" WM_NORMAL_HINTS)
    grep -q 'minimum size: 624 by 641' <<<"$hints" && grep -q 'maximum size: 624 by 641' <<<"$hints"
}
no_maximise_action() { ! xprop -id "$win" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE; }
# No icon of the window's own: the desktop shows its default (a transparent one is drawn black).
no_icon_of_its_own() { xprop -id "$win" _NET_WM_ICON | grep -q 'not found'; }

# 1. No database: a message, then the end; no window and no file.
start
check "missing database: message box titled Orvanta" test -n "$win"
check "missing database: no tray icon" icon_gone
xdotool key Return
ended
check "missing database: the program ends" test "$code" = 1
check "missing database: no file is created" test ! -e "$work/dbCalendar.mdb"

"$make_db" "$work/dbCalendar.mdb"
sqlite3 "$work/dbCalendar.mdb" "INSERT INTO tblCalendar VALUES ('2026-01-04', 'stored$(sep 8)')"

# 2. Typing, then choosing a day with the keyboard: Tab seven times from the first box
#    reaches the calendar, Down moves from 28 December to 4 January, Return chooses it.
start
check "window shown for this week" test -n "$win"
check "client area 624 x 641" client_size_is 624 641
check "size hints fix the size" hints_fix_size
check "no maximise action offered" no_maximise_action
check "no icon of the window's own" no_icon_of_its_own
# The screen is 1280 x 800, less icewm's taskbar: the window's frame sits in the middle of the
# rest.
centre=$(place)
check "centred in the work area" frame_centred
check "without a skin, the bare window is white" test "$(pixel "$win" 308 250)" = ffffff
# Stretched only after the window's first fits with its frame (its first second): under load,
# icewm can leave a window that was full-screened during those fits at the screen's size.
sleep 1.5
wmctrl -i -r "$win" -b add,maximized_vert,maximized_horz
sleep 0.3
check "asked to maximise, the size stays" client_size_is 624 641
xdotool key alt+F11 # icewm's full-screen key
sleep 0.3
check "asked for full screen, the size and place stay" eventually place_is "$centre"
check "asked for full screen, the client area stays 624 x 641" client_size_is 624 641
xdotool type --delay 20 'first day'
if [[ -n ${E2E_SCREENSHOT:-} ]]; then
    sleep 0.3
    import -frame -window "$win" "$E2E_SCREENSHOT"
fi
xdotool key --delay 30 Tab Tab Tab Tab Tab Tab Tab Down Return
check "the week left is saved" eventually row_is 2025-12-28 "first day$(sep 8)"
xdotool key --delay 30 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
xdotool key ctrl+End
xdotool type --delay 20 ' and more'
wmctrl -c Orvanta
ended
check "close button: exit 0" test "$code" = 0
check "close button: the shown week is saved" test "$(row 2026-01-04)" = "stored and more$(sep 8)"

# Keys: Ctrl+S saves at once and the week stays; Ctrl+PageDown saves and shows the next week;
# Alt+Home saves that and comes back to this week.
change_counter() { od -An -tu4 -j24 -N4 --endian=big "$work/dbCalendar.mdb" | tr -d ' '; }
sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"
start
xdotool type --delay 20 'saved by key'
counter=$(change_counter)
xdotool key ctrl+s
check "Ctrl+S: saved at once" eventually row_is 2025-12-28 "saved by key$(sep 8)"
check "Ctrl+S: the file's change counter moved" test "$(change_counter)" != "$counter"
xdotool type --delay 20 ', the week stays'
xdotool key ctrl+Next
check "Ctrl+PageDown: the week left is saved" \
    eventually row_is 2025-12-28 "saved by key, the week stays$(sep 8)"
xdotool type --delay 20 'next week'
xdotool key alt+Home
check "Alt+Home: the next week is saved" eventually row_is 2026-01-04 "next week$(sep 8)"
xdotool key ctrl+End
xdotool type --delay 20 ', back'
wmctrl -c Orvanta
ended
check "Alt+Home: back to this week" row_is 2025-12-28 "saved by key, the week stays, back$(sep 8)"

# Find: Ctrl+F, a word, Enter: the week being left is saved, the match's week shown and the
# match selected, so that typing replaces it. Its day gets its mark in the calendar once saved.
calendar_pixels() { region "$win" 8 8 607 178 | md5sum; }
sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar;
    INSERT INTO tblCalendar VALUES ('2025-11-30', '$(sep 2)lunch at the Café$(sep 6)')"
start
before=$(calendar_pixels)
xdotool type --delay 20 'this week'
xdotool key ctrl+s
check "a save marks its day in the calendar" eventually eval '[[ $(calendar_pixels) != "$before" ]]'
xdotool key ctrl+f
check "Ctrl+F opens the find window" eventually xdotool search --onlyvisible --name '^Find in all weeks$'
xdotool type --delay 20 'CAFE'
sleep 0.5
xdotool key Return
sleep 0.5
xdotool type --delay 20 'Bistro'
wmctrl -c Orvanta
ended
check "find: the week left is saved" row_is 2025-12-28 "this week$(sep 8)"
check "find: the match was selected in its week" row_is 2025-11-30 "$(sep 2)lunch at the Bistro$(sep 6)"

# 3. The other ways of ending each save the shown week.
close_with() {
    case $1 in
    alt+F4) xdotool key alt+F4 ;;
    *) kill "-$1" "$app" ;;
    esac
}
for how in alt+F4 TERM INT HUP; do
    sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"
    start
    xdotool type --delay 20 "closed by $how"
    close_with "$how"
    ended
    check "$how: exit 0" test "$code" = 0
    check "$how: the shown week is saved" test "$(row 2025-12-28)" = "closed by $how$(sep 8)"
done

# A storm of SIGTERMs, as a shutdown may send: one close sequence, its save and its exit status.
for round in 1 2; do
    sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"
    start
    xdotool type --delay 20 "storm $round"
    for _ in $(seq 50); do kill -TERM "$app" 2>/dev/null; sleep "0.00$((RANDOM % 2 + 1))"; done
    ended
    check "50 SIGTERMs, round $round: exit 0" test "$code" = 0
    check "50 SIGTERMs, round $round: the week is saved once and whole" \
        test "$(row 2025-12-28)" = "storm $round$(sep 8)"
done

# Typing survives a crash: the draft written after a pause comes back at the next start, which
# says so, and the lock that the killed run left does not stand in its way.
sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"
start
xdotool type --delay 20 'typed before the crash'
check "a draft follows a pause in typing" eventually test -s "$work/dbCalendar.mdb.draft"
kill -KILL "$app"
ended
start # the message comes first, before the window
check "after kill -9: the next start says which week came back" \
    eventually grep -q 'the week of Sunday, 28 December 2025. Its texts as last typed have been recovered' "$work/log"
xdotool key Return
win=$(xdotool search --sync --onlyvisible --name '^Orvanta$' | head -n1)
check "after kill -9: the words are in the database" row_is 2025-12-28 "typed before the crash$(sep 8)"
check "after kill -9: the draft is gone" test ! -e "$work/dbCalendar.mdb.draft"
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key ctrl+End
xdotool type --delay 20 ', and after'
wmctrl -c Orvanta
ended
check "after kill -9: the words are on screen, and saved on close" \
    row_is 2025-12-28 "typed before the crash, and after$(sep 8)"

# 4. A skin and a pointer image beside the program: the window is drawn with the skin, the
#    headings keep their yellow, and the pointer image loads without a word.
mkdir -p "$work/x"
printf '%s\n' '/* a test skin */' 'QWidget#Form1 { background-color: #3a6ea5; }' >"$work/x/o.cjs"
cp "$(dirname "$0")/../../resources/hand.cur" "$work/HAND-M.CUR"
start
check "skinned: the bare window has the skin's colour" test "$(pixel "$win" 308 250)" = 3a6ea5
check "skinned: a heading keeps its yellow" test "$(pixel "$win" 600 195)" = ffffc0
wmctrl -c Orvanta
ended
check "skinned, with a pointer image: exit 0" test "$code" = 0

# 5. A program folder whose name is not UTF-8 (Latin-1 "café"), started from another folder
#    that holds a database of its own: the program's own database is the one used.
odd=$work/caf$'\xe9'
mkdir -p "$odd" "$work/elsewhere"
cp "$work/orvanta" "$odd/orvanta"
"$make_db" "$work/elsewhere/dbCalendar.mdb"
"$make_db" "$work/made.mdb" && mv "$work/made.mdb" "$odd/dbCalendar.mdb" # the tool takes UTF-8
start "$odd/orvanta" "$work/elsewhere"
xdotool type --delay 20 'in its own folder'
wmctrl -c Orvanta
ended
check "a folder named in Latin-1: exit 0" test "$code" = 0
check "a folder named in Latin-1: its own database holds the week" \
    test "$(sqlite3 "$odd/dbCalendar.mdb" "SELECT WeekData FROM tblCalendar")" = "in its own folder$(sep 8)"
check "a folder named in Latin-1: the working folder's database is untouched" \
    test "$(sqlite3 "$work/elsewhere/dbCalendar.mdb" "SELECT count(*) FROM tblCalendar")" = 0

summary
