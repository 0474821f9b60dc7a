#!/usr/bin/env bash
# What a start loads: the program needs no library that only a later action uses. Printing
# (QtPrintSupport, and with it the print server's client) comes in its module on the first print;
# the database is reached through SQLite's own interface, with no Qt database driver (QtSql);
# the spelling check loads Enchant once the window shows.
# Usage: start_libraries_check.sh PROGRAM
set -uo pipefail
needed=$(readelf -d "$1" | awk '/\(NEEDED\)/ { gsub(/[][]/, "", $NF); print $NF }')
[[ -n $needed ]] || { echo "FAIL: readelf lists no libraries for $1"; exit 1; }
failed=0
for later in libQt6PrintSupport libcups libQt6Sql libenchant; do
    if grep -q "^$later" <<<"$needed"; then
        echo "FAIL: $1 loads $later at every start; nothing a start needs comes from it"
        failed=1
    fi
done
((failed == 0)) && echo "a start loads: $(tr '\n' ' ' <<<"$needed")"
exit "$failed"
