# shellcheck shell=bash disable=SC2154,SC2034 # the caller sets orvanta and desktop, reads code
# Sourced by the end-to-end scripts of the program. The caller sets orvanta (the program) and
# desktop (the e2e-desktop tool); on top of desktop.sh this gives the program in the scratch
# folder ($work), started on the virtual desktop with a fixed "today", and the rows of its
# database.

export LC_ALL=C.UTF-8 TZ=UTC
unset LANGUAGE # it would outrank LC_ALL in the language Orvanta speaks
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
export XDG_CONFIG_HOME=$work/config # Orvanta's settings of this run, not the user's
faketime_lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime.so.1$' | head -n1)
[[ -n $faketime_lib ]] || { echo "FAIL: libfaketime is not installed"; exit 1; }
trap 'kill -KILL "${app:-}" 2>/dev/null; desktop_down; rm -rf "$work"' EXIT # the program too
cp "$orvanta" "$work/orvanta"
# With its printing module, which it loads from beside itself.
[[ -f ${orvanta%/*}/orvanta-print.so ]] && cp "${orvanta%/*}/orvanta-print.so" "$work/"

S='||MySeparator123||'
sep() { local n=$1 out=""; for ((i = 0; i < n; i++)); do out+=$S; done; printf '%s' "$out"; }
icon_shown() { "$desktop" tray-icon Orvanta >/dev/null; }
icon_gone() { ! icon_shown; }

# A menu is a window of the program's that the window manager does not frame, and that is
# larger than the tray's icon, which is not framed either.
menu_open() {
    local w
    for w in $(xdotool search --onlyvisible --class Orvanta 2>/dev/null); do
        xwininfo -id "$w" | awk '/Override Redirect State: yes/ {o = 1} /^  Width:/ {w = $NF}
            END {exit !(o && w > 48)}' && return 0
    done
    return 1
}
# open_tray_menu: a right click on the icon, until the menu is up and takes the keyboard.
open_tray_menu() {
    local cx cy
    read -r _ _ _ _ _ cx cy < <("$desktop" tray-icon Orvanta)
    xdotool mousemove --sync 1 1
    xdotool mousemove --sync "$cx" "$cy" click 3
    eventually menu_open && sleep 0.5
}
# window_named NAME: waits up to 10 s for a shown window of that title; prints its id.
window_named() {
    local w
    for _ in $(seq 100); do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [[ -n $w ]] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

# Where the window's client area is on the screen, as "X Y ".
place() { xwininfo -id "$win" | awk '/Absolute upper-left [XY]/ { printf "%s ", $NF }'; }
place_is() { [[ $(place) == "$1" ]]; }

# region WINDOW X Y W H: the colours drawn in that rectangle of the window, as rrggbb, one a
# line, column by column.
region() {
    python3 - "$@" <<'PY'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XGetImage.restype = ctypes.c_void_p
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                        ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x.XGetPixel.restype = ctypes.c_ulong
x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
display = x.XOpenDisplay(None)
window, left, top, width, height = (int(a) for a in sys.argv[1:6])
image = x.XGetImage(display, window, left, top, width, height, 0xFFFFFFFF, 2)  # ZPixmap
if not image:
    print("none")
for i in range(width if image else 0):
    for j in range(height):
        print("%06x" % (x.XGetPixel(image, i, j) & 0xFFFFFF))
PY
}
# pixel WINDOW X Y: the colour drawn at X, Y of the window, as rrggbb.
pixel() { region "$1" "$2" "$3" 1 1; }

row() { sqlite3 "$work/dbCalendar.mdb" "SELECT WeekData FROM tblCalendar WHERE StartWeekDate = '$1'"; }
row_is() { [[ "$(row "$1")" == "$2" ]]; }

# start [PROGRAM [FOLDER]]: starts the program ($work/orvanta) in FOLDER (this one) on
# 1 January 2026 and waits for its window: sets app and win.
start() {
    local program=${1:-$work/orvanta} folder=${2:-.}
    (cd "$folder" && LD_PRELOAD=$faketime_lib FAKETIME='@2026-01-01 10:00:00' exec "$program") \
        >"$work/log" 2>&1 &
    app=$!
    # A window within 10 s, or the test ends here: no check after it could mean anything.
    win=""
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --name '^Orvanta$' 2>/dev/null | head -n1)
        [[ -n $win ]] || ! kill -0 "$app" 2>/dev/null && break
        sleep 0.1
    done
    if [[ -z $win ]]; then
        echo "FAIL the program showed no window"
        show_output
        exit 1
    fi
    xdotool windowactivate --sync "$win" >/dev/null 2>&1
    sleep 0.3
}
# Waits up to 5 s for the program to end; sets code to its exit code.
ended() {
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && kill -KILL "$app"
    wait "$app"
    code=$?
}
