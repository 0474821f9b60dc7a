#!/usr/bin/env bash
# orvanta-cli find on a small store: its lines, newest first, and its exit codes.
# Usage: cli_check.sh ORVANTA_CLI MAKE_EMPTY_CALENDAR
set -uo pipefail
cli=$1 make_db=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/checks.sh"
command -v sqlite3 >/dev/null || { echo "SKIP: sqlite3 is not installed"; exit 77; }

db=$work/dbCalendar.mdb
"$make_db" "$db"
S='||MySeparator123||'
sqlite3 "$db" "INSERT INTO tblCalendar VALUES
    ('2026-11-29', 'Dentist 9:00$S$S$S$S$S$S$S$S'),
    ('12/06/2026', '${S}shopping' || char(13, 10) || 'then the dentist, Café$S$S$S$S$S${S}dentist bill$S')"
expected=$(printf '%s\t%s\t%s\n' 2026-12-07 Monday 'then the dentist, Café' \
    2026-12-06 Notes 'dentist bill' 2026-11-29 Sunday 'Dentist 9:00')

out=$("$cli" --database "$db" find DENTIST); code=$?
check "find: a line for each match, newest first" test "$out" = "$expected"
check "find: exit 0 when something is found" test "$code" = 0
out=$("$cli" --database "$db" find cafe "the dentist"); code=$?
check "find: words in any order, accents aside" test "$out" = "$(head -n1 <<<"$expected")"
"$cli" --database "$db" find nowhere >/dev/null; code=$?
check "find: exit 1 when nothing is found" test "$code" = 1
"$cli" --database "$work/none.mdb" find dentist 2>"$work/said" >/dev/null; code=$?
check "find: exit 2 without a database, saying so" test "$code" = 2 -a -s "$work/said"
"$cli" find 2>/dev/null; code=$?
check "find: exit 2 without words" test "$code" = 2
cp "$cli" "$work/orvanta-cli"
out=$(cd / && "$work/orvanta-cli" find bill); code=$?
check "find: without --database, the database beside the program" \
    test "$code" = 0 -a "$out" = "$(sed -n 2p <<<"$expected")"
summary
