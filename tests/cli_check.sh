#!/usr/bin/env bash
# orvanta-cli on a small store: find's lines, newest first; import's counts, its refusal beside
# a running Orvanta and the file it never changes; help, version, and the exit codes of each,
# arguments it cannot use included.
# Usage: cli_check.sh ORVANTA_CLI MAKE_EMPTY_CALENDAR VERSION JET_FIXTURES
set -uo pipefail
cli=$1 make_db=$2 version=$3 fixtures=$4
work=$(mktemp -d)
holder=
trap 'rm -rf "$work"; [[ -n $holder ]] && kill "$holder"' EXIT
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
cp "$cli" "$work/orvanta-cli"
out=$(cd / && "$work/orvanta-cli" find bill); code=$?
check "find: without --database, the database beside the program" \
    test "$code" = 0 -a "$out" = "$(sed -n 2p <<<"$expected")"

# Help and version on standard output; arguments it cannot use end it with 2 and the usage on
# standard error, and write nothing.
for asked in --help -h help "--database $db --help"; do
    # shellcheck disable=SC2086
    out=$("$cli" $asked 2>"$work/said"); code=$?
    check "$asked: the usage on standard output, exit 0" \
        test "$code" = 0 -a ! -s "$work/said" -a "$(head -c 18 <<<"$out")" = "usage: orvanta-cli"
done
check "--help says what each command does" \
    grep -q "^  import FILE     brings the weeks of FILE" <<<"$("$cli" --help)"
out=$("$cli" --version); code=$?
check "--version: the version, exit 0" test "$code" = 0 -a "$out" = "orvanta-cli $version"
misuse() { # NAME ARGUMENTS...
    local out code
    out=$(cd "$work" && "$cli" "${@:2}" 2>"$work/said"); code=$?
    check "$1: exit 2 with the usage on standard error" \
        test "$code" = 2 -a -z "$out" -a "$(grep -c "^usage: orvanta-cli" "$work/said")" = 1
}
misuse "no command"
misuse "an unknown command" --database "$db" frob
check "an unknown command: named" grep -qx "orvanta-cli: no command frob." "$work/said"
misuse "find without words" --database "$db" find
misuse "--database without its file" --database
misuse "export to two files" --database "$db" export a.md b.md
misuse "export in a format it does not write" --database "$db" export --format pdf c.md
check "a format it does not write: said" grep -qx "orvanta-cli: --format takes md or ics." "$work/said"
misuse "export with --format and no format" --database "$db" export d.md --format
misuse "export to a file of no format" --database "$db" export e.txt
misuse "import of nothing" --database "$db" import
misuse "import of two files" --database "$db" import f.mdb g.mdb
check "misused, nothing written" test -z "$(cd "$work" && ls -d a.md b.md c.md d.md e.txt 2>/dev/null)"

# import from another Orvanta database: one week new, one merged, the file unchanged; again,
# nothing changes.
other=$work/other.mdb
"$make_db" "$other"
sqlite3 "$other" "INSERT INTO tblCalendar VALUES
    ('2026-11-29', 'Dentist 10:00$S$S$S$S$S$S$S$S'),
    ('2027-01-03', 'New year$S$S$S$S$S$S$S$S')"
cp "$other" "$work/other copy"
out=$("$cli" --database "$db" import "$other" 2>"$work/said"); code=$?
check "import: nothing on standard error off a terminal" test ! -s "$work/said"
check "import: exit 0 with the counts and the merged week" test "$code" = 0 -a "$out" = \
    "1 week came from other.mdb; 1 week held text in both and now holds both: the week of 29 November 2026."
sunday=$(sqlite3 "$db" "SELECT WeekData FROM tblCalendar WHERE StartWeekDate = '2026-11-29'")
check "import: both texts, the file and the day between them" test "$sunday" = \
    "Dentist 9:00"$'\r\n'"— imported from other.mdb ($(date +%Y-%m-%d)) —"$'\r\n'"Dentist 10:00$S$S$S$S$S$S$S$S"
check "import: the file as it was" cmp -s "$other" "$work/other copy"
cp "$db" "$work/imported"
out=$("$cli" --database "$db" import "$other"); code=$?
check "import again: exit 0, nothing changed" test "$code" = 0 -a "$out" = \
    "Nothing was changed: 2 weeks of other.mdb are here already."
check "import again: not a byte changed" cmp -s "$db" "$work/imported"

# import from the earlier program's file, through the reader beside the program.
out=$("$cli" --database "$db" import "$fixtures/calendar-jet4.mdb"); code=$?
check "import of the earlier program's file: exit 0, the row that is no week named" \
    test "$code" = 0 -a "$out" = "59 weeks came from calendar-jet4.mdb. 1 row of calendar-jet4.mdb \
cannot be a week (row 36): it is kept, with its full text, in $work/dbCalendar rows not imported \
from calendar-jet4.mdb.txt."
cp "$db" "$work/imported"

# What it cannot import: exit 2, the reason, the database as it was.
printf 'notes\n' >"$work/notes.txt"
out=$("$cli" --database "$db" import "$work/notes.txt" 2>"$work/said"); code=$?
check "import of a text file: exit 2, saying why" test "$code" = 2 -a -z "$out" -a \
    -n "$(grep "notes.txt were not imported. .*notes.txt is neither a database of Orvanta's" "$work/said")"
check "import of a text file: not a byte changed" cmp -s "$db" "$work/imported"
# While Orvanta has the database open (a live holder of its lock), import refuses.
cp "$db" "$work/before lock"
sleep infinity &
holder=$!
printf '%s\nsleep\n%s\n' "$holder" "$(uname -n)" >"$db.lock"
"$cli" --database "$db" import "$other" 2>"$work/said" >/dev/null; code=$?
check "import beside a running Orvanta: exit 2, saying what to do" test "$code" = 2 -a \
    "$(cat "$work/said")" = "orvanta-cli: $db is open in Orvanta; import from its window (Import weeks…), or close it first."
check "import beside a running Orvanta: not a byte changed" cmp -s "$db" "$work/before lock"

# On a terminal, an import that takes a while says how far it is, then ends that line. The
# reader beside this copy waits on a pipe for the dates until the progress shows; there are no
# rows.
if command -v script >/dev/null; then
    mkdir "$work/bin"
    cp "$cli" "$work/bin/orvanta-cli"
    mkfifo "$work/bin/dates"
    printf 'OJR1E\0\0\0\0' >"$work/bin/rows"
    # shellcheck disable=SC2016 # the reader's own words
    printf '#!/bin/sh\ncd "$(dirname "$0")"\n[ "$1" = --dates-only ] && exec cat dates\nexec cat rows\n' \
        >"$work/bin/orvanta-jet-reader"
    chmod +x "$work/bin/orvanta-jet-reader"
    "$make_db" "$work/empty.mdb"
    script -qefc "'$work/bin/orvanta-cli' --database '$work/empty.mdb' import \
        '$fixtures/calendar-jet4.mdb'" "$work/terminal" </dev/null >/dev/null &
    shown=$!
    until grep -q "importing, 0 rows read" "$work/terminal" 2>/dev/null; do sleep 0.1; done
    cat "$work/bin/rows" >"$work/bin/dates"
    wait "$shown"; code=$?
    check "import on a terminal: its progress, a line of its own, then the message" \
        test "$code" = 0 -a "$(tr -d '\r' <"$work/terminal" | grep -A1 "importing, 0 rows read$" |
            sed 's/.*importing, 0 rows read$/P/')" = \
        "P"$'\n'"calendar-jet4.mdb holds no weeks; nothing was changed."
fi
summary
