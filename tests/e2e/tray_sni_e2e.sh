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

eval "$("$desktop" start auto --dbus sni)" || { echo "FAIL: the virtual desktop did not start"; exit 1; }
work=$(mktemp -d)
trap '"$desktop" stop --clean >/dev/null 2>&1; rm -rf "$work"' EXIT

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
if grep -qx "MouseDblClick 1 0" "$work/log"; then
    echo "ok   the host's click reaches the control as MouseDblClick(1, 0)"
else
    echo "FAIL the host's click reaches the control as MouseDblClick(1, 0)"
    cat "$work/log"
    exit 1
fi
