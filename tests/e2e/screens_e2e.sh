#!/usr/bin/env bash
# End to end: the window on screens of every size and in a dark theme. On a 1024 x 600 screen
# with icewm's taskbar, and on 1920 x 1080 at 200 %, the window's frame lies inside the work
# area, so the title bar can be reached, and the notes box, reached with Tab, takes typing that
# is saved; on 1280 x 800 the window is 624 x 641 as designed. With a dark GTK theme the
# headings' text reads on their yellow (WCAG's 4.5:1); with the default theme they look as always.
# Usage: screens_e2e.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }

source "$(dirname "$0")/lib.sh"
"$make_db" "$work/dbCalendar.mdb"

# The frame (the client area plus _NET_FRAME_EXTENTS) inside the first _NET_WORKAREA.
frame_in_work_area() {
    local x y w h l r t b ax ay aw ah
    read -r x y w h < <(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}')
    read -r l r t b < <(xprop -id "$win" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r ax ay aw ah _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
    [[ -n ${b:-} && -n ${ah:-} ]] || return 1
    ((x - l >= ax && y - t >= ay && x + w + r <= ax + aw && y + h + b <= ay + ah))
}
client_size_is() { xwininfo -id "$win" | grep -q "Width: $1" && xwininfo -id "$win" | grep -q "Height: $2"; }

# heading_contrast: WCAG's ratio of the first heading's text to its background, from the
# screen's pixels (Label1(0), less the row its box covers), and the background as rrggbb.
heading_contrast() {
    region "$win" 8 192 296 16 | python3 -c '
import sys
from collections import Counter
pixels = [int(line, 16) for line in sys.stdin]
def luminance(p):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    return 0.2126 * linear(p >> 16) + 0.7152 * linear((p >> 8) & 255) + 0.0722 * linear(p & 255)
def ratio(a, b):
    low, high = sorted((luminance(a), luminance(b)))
    return (high + 0.05) / (low + 0.05)
background = Counter(pixels).most_common(1)[0][0]
text = max(pixels, key=lambda p: ratio(p, background))
print("%.2f %06x" % (ratio(text, background), background))'
}
contrast_at_least() { # contrast_at_least RATIO: the headings' text against their yellow
    local measured background
    read -r measured background < <(heading_contrast)
    echo "     heading text against $background: $measured:1"
    [[ $background == ffffc0 ]] && python3 -c "import sys; sys.exit(0 if $measured >= $1 else 1)"
}

# Types into the notes box of an empty week, reached by Tab from the first day's box, then
# closes: the notes are saved.
notes_typed_and_saved() { # LABEL
    xdotool windowactivate --sync "$win" >/dev/null 2>&1
    sleep 0.5
    xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab Tab
    xdotool type --delay 20 'notes'
    wmctrl -c Orvanta
    ended
    check "$1: exit 0" test "$code" = 0
    check "$1: the notes box took the typing" row_is 2025-12-28 "$(sep 7)notes$(sep 1)"
}

# 1. Small and scaled screens: the frame in the work area, every box reachable.
for screen in 1024x600 1920x1080@2; do
    size=${screen%@*}
    desktop_up --wm icewm --size "${size}x24"
    [[ $screen == *@2 ]] && export QT_SCALE_FACTOR=2
    sqlite3 "$work/dbCalendar.mdb" "DELETE FROM tblCalendar"
    start
    check "$screen: the frame lies inside the work area" eventually frame_in_work_area
    notes_typed_and_saved "$screen"
    unset QT_SCALE_FACTOR
done

# 2. A screen that holds the window: its designed size, and the headings as they always were.
desktop_up --wm icewm --size 1280x800x24
start
check "1280x800: 624 x 641 as designed" client_size_is 624 641
check "1280x800: the frame lies inside the work area" eventually frame_in_work_area
check "the default theme: dark text on the yellow" contrast_at_least 4.5
wmctrl -c Orvanta
ended

# 3. A dark GTK theme, whose button text is light: the headings' text still reads.
if [[ -n $(find /usr/lib -name 'libqgtk3.so' 2>/dev/null | head -n1) ]] &&
    [[ -d /usr/share/themes/Adwaita-dark || -d /usr/share/themes/Adwaita ]]; then
    QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark start
    check "a dark theme: the headings' text reads on the yellow" contrast_at_least 4.5
    wmctrl -c Orvanta
    ended
    check "a dark theme: exit 0" test "$code" = 0
else
    echo "skip the dark theme: qt6-gtk-platformtheme or gnome-themes-extra is not installed"
fi

summary
