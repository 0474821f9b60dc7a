#!/usr/bin/env bash
# The weeks that earlier runs left in the build folder move to the installed program once:
# never over a database there, never while an Orvanta has them open, never lost.
# Usage: move_build_database_check.sh SCRIPT
set -uo pipefail
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/checks.sh"
fresh() { rm -rf "$work/build" "$work/home"; mkdir -p "$work/build"; }
move() { "$script" "$work/build" "$work/home/bin" 2>"$work/said"; }

fresh
printf 'weeks' >"$work/build/dbCalendar.mdb"
printf 'typing' >"$work/build/dbCalendar.mdb.draft"
mkdir "$work/build/dbCalendar backups" && printf 'copy' >"$work/build/dbCalendar backups/b.mdb"
check "only in the build folder: moved" move
check "only in the build folder: the weeks are installed" \
    test "$(cat "$work/home/bin/dbCalendar.mdb")" = weeks
check "only in the build folder: none left there" test ! -e "$work/build/dbCalendar.mdb"
check "only in the build folder: the draft and the backups go along" \
    test -e "$work/home/bin/dbCalendar.mdb.draft" -a -e "$work/home/bin/dbCalendar backups/b.mdb"
check "only in the build folder: it says where they went" grep -q "moved from" "$work/said"
check "a second run: nothing more to do" move
check "a second run: the weeks stay" test "$(cat "$work/home/bin/dbCalendar.mdb")" = weeks

fresh
mkdir -p "$work/home/bin"
printf 'old' >"$work/build/dbCalendar.mdb"
printf 'installed' >"$work/home/bin/dbCalendar.mdb"
check "in both: nothing fails" move
check "in both: the installed one stays" test "$(cat "$work/home/bin/dbCalendar.mdb")" = installed
check "in both: the build one stays" test "$(cat "$work/build/dbCalendar.mdb")" = old
check "in both: it says so" grep -q "stay where they are" "$work/said"

fresh
printf 'open' >"$work/build/dbCalendar.mdb"
printf '%s\norvanta\n%s\n' $$ "$(hostname)" >"$work/build/dbCalendar.mdb.lock"
check "open in a running Orvanta: refused" bash -c '! "$0" "$1" "$2" 2>/dev/null' \
    "$script" "$work/build" "$work/home/bin"
check "open in a running Orvanta: nothing moved" \
    test -e "$work/build/dbCalendar.mdb" -a ! -e "$work/home/bin/dbCalendar.mdb"

fresh
check "nothing in the build folder: nothing to do" move
check "nothing in the build folder: nothing made" test ! -e "$work/home"

summary
