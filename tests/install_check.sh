#!/usr/bin/env bash
# Installs into a scratch folder and checks what a desktop needs: the program with an empty
# database beside it (and a second install that leaves the user's database alone), a valid
# launcher, the printing module beside the program, and the application icon at every size it
# names.
# Usage: install_check.sh BUILD_DIR
set -uo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

source "$(dirname "$0")/checks.sh"
png_side_is() { # png_side_is FILE N: a PNG of N x N pixels
    python3 - "$1" "$2" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read(24)
n = int(sys.argv[2])
sys.exit(0 if data[:8] == b'\x89PNG\r\n\x1a\n' and struct.unpack('>II', data[16:24]) == (n, n) else 1)
PY
}

check "install succeeds" cmake --install "$build" --prefix "$prefix"
check "program installed" test -x "$prefix/bin/orvanta"
check "the command-line companion beside it" test -x "$prefix/bin/orvanta-cli"
check "empty database beside it" test -s "$prefix/bin/dbCalendar.mdb"
check "the printing module beside it" test -f "$prefix/bin/orvanta-print.so"
echo "the user's weeks" >"$prefix/bin/dbCalendar.mdb"
cmake --install "$build" --prefix "$prefix" >/dev/null
check "a second install keeps the database" grep -q "the user's weeks" "$prefix/bin/dbCalendar.mdb"

launcher=$prefix/share/applications/orvanta.desktop
check "launcher installed" test -f "$launcher"
check "launcher is valid" desktop-file-validate "$launcher"
check "launcher names Orvanta" grep -qx 'Name=Orvanta' "$launcher"
check "launcher gives version 1.00" grep -qx 'X-Orvanta-Version=1.00' "$launcher"
icon=$(sed -n 's/^Icon=//p' "$launcher")
for side in 16 22 24 32 48 64 128 256; do
    check "icon at ${side}x$side" png_side_is "$prefix/share/icons/hicolor/${side}x$side/apps/$icon.png" "$side"
done

summary
