#!/usr/bin/env bash
# End to end: the tray control on a virtual X desktop with an XEmbed tray. The icon must dock
# with its tooltip, report double-clicks of both buttons as MouseDblClick(1, 0) and (2, 0),
# leave the tray when switched off, and come back and report again when switched on again.
# Usage: tray_e2e.sh TRAY_PROBE E2E_DESKTOP
set -uo pipefail
probe=$1 desktop=$2
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/desktop.sh"
desktop_up
export LC_ALL=C.UTF-8
outputs=("$work/log" "$work/errors")
trap 'exec 3>&-; desktop_down; rm -rf "$work"' EXIT

logged() { grep -qxF "$1" "$work/log"; }
docked() { "$desktop" tray-icon OrvantaTrayProbe >"$work/icon" 2>/dev/null; }
send() { echo "$1" >&3; eventually logged "done $1"; }
# The pointer comes from elsewhere each time: mousemove --sync onto where it already is blocks.
hover() {
    read -r _ _ _ _ _ cx cy <"$work/icon"
    xdotool mousemove --sync 1 1
    xdotool mousemove --sync "$cx" "$cy"
}
double_click() { # double_click BUTTON
    hover
    xdotool click --repeat 2 --delay 80 "$1"
}

mkfifo "$work/in"
"$probe" <"$work/in" >"$work/log" 2>"$work/errors" &
app=$!
exec 3>"$work/in"

check "the control shows its icon" eventually logged ready
check "the icon docks in the tray" eventually docked
hover
check "hovering reports MouseMove(0)" eventually logged "MouseMove 0"
check "the tooltip shows the tip" eventually logged "ToolTip Orvanta"

double_click 1
check "left double-click: MouseDblClick(1, 0)" eventually logged "MouseDblClick 1 0"
check "left button: MouseDown(1, 0) and MouseUp(1, 0)" eval 'logged "MouseDown 1 0" && logged "MouseUp 1 0"'
double_click 3
check "right double-click: MouseDblClick(2, 0)" eventually logged "MouseDblClick 2 0"
check "right button: MouseDown(2, 0) and MouseUp(2, 0)" eval 'logged "MouseDown 2 0" && logged "MouseUp 2 0"'

send off
check "switched off, the icon leaves the tray" eventually eval '! docked'
# The tip of the next add is checked in-process: once Qt 6.4 has shown a tooltip for a tray
# icon that then goes, it shows none for the icon that replaces it in the same run.
send on
check "switched on again, the icon docks again" eventually docked
double_click 3
check "and reports to the control again" eventually eval '[[ $(grep -c "MouseDblClick 2 0" "$work/log") == 2 ]]'

send quit
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && kill -KILL "$app"
wait "$app"
check "the probe ends cleanly" test $? = 0

[[ -n ${E2E_VERBOSE:-} ]] && show_output
summary
