#!/usr/bin/env bash
# End to end on a StatusNotifierItem host (gtk-sni-tray-standalone, a bar across the top of the
# screen; Debian's haskell-gtk-sni-tray-utils): such hosts report only their primary action, a
# left click, which must reach the tray control as MouseDblClick(1, 0). Skips where the host is
# not installed; CI leaves it out, since the host alone is about 136 MB.
# Usage: tray_sni_e2e.sh TRAY_PROBE E2E_DESKTOP
set -uo pipefail
probe=$1 desktop=$2
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }
command -v gtk-sni-tray-standalone >/dev/null || { echo "SKIP: no StatusNotifierItem host"; exit 77; }

source "$(dirname "$0")/desktop.sh"
desktop_up --dbus sni

mkfifo "$work/in"
"$probe" <"$work/in" >"$work/log" 2>&1 &
exec 3>"$work/in"
for _ in $(seq 50); do grep -qx ready "$work/log" && break; sleep 0.1; done
sleep 1 # the host lays out its bar once the item registers

# The only item sits first in the bar, at its left end.
xdotool mousemove --sync 600 400
xdotool mousemove --sync 12 15 click 1
for _ in $(seq 50); do grep -qx "MouseDblClick 1 0" "$work/log" && break; sleep 0.1; done
echo quit >&3
check "the host's click reaches the control as MouseDblClick(1, 0)" \
    grep -qx "MouseDblClick 1 0" "$work/log"
summary
