#!/usr/bin/env bash
# What a start loads: the program needs no library that only a later action uses. Printing
# (QtPrintSupport, and with it the print server's client) comes in its module on the first print.
# Usage: start_libraries_check.sh PROGRAM
set -uo pipefail
needed=$(readelf -d "$1" | awk '/\(NEEDED\)/ { gsub(/[][]/, "", $NF); print $NF }')
[[ -n $needed ]] || { echo "FAIL: readelf lists no libraries for $1"; exit 1; }
failed=0
for later in libQt6PrintSupport libcups; do
    if grep -q "^$later" <<<"$needed"; then
        echo "FAIL: $1 loads $later at every start; it belongs in a module loaded when first used"
        failed=1
    fi
done
((failed == 0)) && echo "a start loads: $(tr '\n' ' ' <<<"$needed")"
exit "$failed"
