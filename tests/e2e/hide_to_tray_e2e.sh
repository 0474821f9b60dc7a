#!/usr/bin/env bash
# End to end: hiding in the tray, on a virtual X desktop with a fixed "today". Minimising hides
# the window (it leaves the window list); a double-click on the tray icon, left or right, brings
# it back normal, focused and in its place; closing by the window manager, by alt+F4 and by
# SIGTERM while hidden, and logging out of the session while hidden, each save the week and
# take the icon away. Without a tray a minimise stays ordinary, and a tray that starts later is
# used from then on. The tray icon's menu opens on a right click and quits; a second start
# through a link to the database brings the first forward.
# Usage: hide_to_tray_e2e.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP [SESSION_MANAGER]
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3 session_manager=${4:-}
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
"$make_db" "$work/dbCalendar.mdb"

listed() { wmctrl -l | grep -q ' Orvanta$'; }
unmapped() { xwininfo -id "$win" | grep -q 'Map State: IsUnMapped'; }
shown_normal_focused() {
    listed && [[ $(xdotool getactivewindow) == "$win" ]] &&
        xprop -id "$win" WM_STATE | grep -q 'window state: Normal' &&
        ! xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN
}
windows_are() { [[ $(xdotool search --onlyvisible --name '^Orvanta$' | wc -l) == "$1" ]]; }
minimised_in_list() { listed && xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }
no_tray() { ! "$desktop" tray-ready >/dev/null; }
minimise() { xdotool windowminimize --sync "$win"; }
# double_click_icon 1|3: the left or right button, twice within the double-click time.
double_click_icon() {
    local cx cy
    read -r _ _ _ _ _ cx cy < <("$desktop" tray-icon Orvanta)
    xdotool mousemove --sync 1 1 # never --sync onto where the pointer already is
    xdotool mousemove --sync "$cx" "$cy" click --repeat 2 --delay 80 "$1"
}
hidden_in_tray() { # hidden_in_tray LABEL
    check "$1: gone from the window list" eventually eval '! listed'
    check "$1: unmapped" unmapped
    check "$1: the icon stays" icon_shown
}
fresh_week() { sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"; }
# second_start PROGRAM LABEL: starts PROGRAM while the first is hidden in the tray; it ends with
# 0, and the first comes forward, the only window.
second_start() {
    local second
    "$1" >"$work/second.log" 2>&1 &
    second=$!
    for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
    wait "$second"
    check "$2: the second start ends with 0" test $? = 0
    check "$2: the first comes forward, normal and focused" eventually shown_normal_focused
    check "$2: one window only" windows_are 1
}
# ended_saving LABEL TEXT: the program ends well, with TEXT saved as the week's Sunday and its
# icon gone.
ended_saving() {
    ended
    check "$1: exit 0" test "$code" = 0
    check "$1: saved" row_is 2025-12-28 "$2$(sep 8)"
    check "$1: the icon is gone" icon_gone
}

# 1. An XEmbed tray. Two round trips, one per button, from a place of the user's choosing; what
#    is typed after each proves the keyboard is back in the box.
desktop_up --wm icewm
start
check "the icon is in the tray" eventually icon_shown
xdotool windowmove --sync "$win" 150 100
sleep 0.3
before=$(place)
xdotool type --delay 20 'typed'
for button in 1 3; do
    name=$([[ $button == 1 ]] && echo left || echo right)
    minimise
    hidden_in_tray "minimised before the $name double-click"
    double_click_icon "$button"
    check "$name double-click: back, normal and focused" eventually shown_normal_focused
    check "$name double-click: in its place" eventually place_is "$before"
    xdotool type --delay 20 " $name"
done
wmctrl -c Orvanta
ended_saving "closed by the window manager" "typed left right"

fresh_week
start
xdotool type --delay 20 'alt+F4'
minimise
double_click_icon 1
eventually shown_normal_focused
xdotool key alt+F4
ended_saving "alt+F4 after the tray" "alt+F4"

fresh_week
start
xdotool type --delay 20 'hidden at logout'
minimise
hidden_in_tray "minimised before SIGTERM"
kill -TERM "$app"
ended_saving "SIGTERM while hidden" "hidden at logout"

# One Orvanta per database. Started again (through a link to its folder) while hidden in the
# tray, the first comes forward, typing where it was; the second ends with 0 and writes nothing.
fresh_week
start
xdotool type --delay 20 'one window'
minimise
hidden_in_tray "minimised before a second start"
ln -s "$work" "$work.link"
second_start "$work.link/orvanta" "through a link to its folder"
check "nothing written by the second start" test "$(row 2025-12-28)" = ""
xdotool type --delay 20 ', still typing'
wmctrl -c Orvanta
ended_saving "after a second start" "one window, still typing"
rm "$work.link"

# A copy of the program in another folder whose database is a link to the first's file: the same
# database, so the first comes forward and the second writes nothing.
fresh_week
start
xdotool type --delay 20 'linked'
minimise
mkdir "$work/linked"
cp "$work/orvanta" "$work/linked/orvanta"
ln -s "$work/dbCalendar.mdb" "$work/linked/dbCalendar.mdb"
second_start "$work/linked/orvanta" "a linked database in another folder"
wmctrl -c Orvanta
ended_saving "after a start through a linked database" "linked"
rm -r "$work/linked"

# The tray menu: a right click opens it; Quit closes as the close button does.
fresh_week
start
xdotool type --delay 20 'quit from the tray'
minimise
read -r _ _ _ _ _ cx cy < <("$desktop" tray-icon Orvanta)
xdotool mousemove --sync 1 1
xdotool mousemove --sync "$cx" "$cy" click 3
check "a right click on the icon opens the menu" eventually menu_open
sleep 0.5 # the menu takes the keyboard once it is up
xdotool key Up Return # Quit, the last entry
ended_saving "Quit in the tray menu" "quit from the tray"

# Two databases, two copies of the program in two folders: side by side.
mkdir "$work/other"
cp "$work/orvanta" "$work/other/orvanta"
"$make_db" "$work/other/dbCalendar.mdb"
start
first=$app
start "$work/other/orvanta"
check "two databases: two windows side by side" eventually windows_are 2
kill -TERM "$first" "$app"
ended
app=$first
ended

# Logging out while hidden: the desktop's session manager asks the program to save itself for a
# shutdown, and closes no window.
if [[ -x $session_manager ]]; then
    fresh_week
    "$session_manager" "$work/logout" >"$work/session.log" 2>&1 &
    extra_pids+=("$!")
    eventually grep -q '^SESSION_MANAGER=' "$work/session.log"
    export SESSION_MANAGER
    SESSION_MANAGER=$(sed -n 's/^SESSION_MANAGER=//p' "$work/session.log")
    start
    check "the session manager knows the program" eventually grep -q '^registered' "$work/session.log"
    xdotool type --delay 20 'logged out'
    minimise
    hidden_in_tray "minimised before logging out"
    touch "$work/logout"
    ended_saving "logging out while hidden" "logged out"
    unset SESSION_MANAGER
else
    echo "skip logging out: no session manager built (libsm-dev, libice-dev)"
fi

# 2. No tray: openbox with its tray stopped. The minimised window stays in the window list
#    and comes back from there; then a tray starts and the next minimise uses it.
desktop_up --wm openbox
for pid in $E2E_DESKTOP_PIDS; do
    [[ $(ps -o comm= -p "$pid") == trayer ]] && "$desktop" stop "$pid" >/dev/null
done
check "no tray on the desktop" no_tray
fresh_week
start
xdotool type --delay 20 'no tray'
minimise
check "no tray: minimised, still in the window list" eventually minimised_in_list
wmctrl -i -a "$win"
check "no tray: back from the window list" eventually shown_normal_focused
trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --transparent false </dev/null >/dev/null 2>&1 &
extra_pids+=("$!")
check "a tray that starts later shows the icon" eventually icon_shown
before=$(place)
minimise
hidden_in_tray "minimised once the tray is there"
double_click_icon 1
check "tray started later: back, normal and focused" eventually shown_normal_focused
check "tray started later: in its place" eventually place_is "$before"
xdotool type --delay 20 ', then a tray'
wmctrl -c Orvanta
ended_saving "without a tray, then with one" "no tray, then a tray"

summary
