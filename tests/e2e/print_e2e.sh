#!/usr/bin/env bash
# End to end: printing the week on screen through the desktop's print dialog to a real print
# server. A private CUPS server (cupsd in the foreground, as root) has one queue, cups-filters'
# Generic PDF Printer writing to a file. The week holds a 100,000-character Tuesday and gets a
# Monday typed but not saved; Ctrl+P and the dialog's Print send it; the PDF's text, as poppler's
# pdftotext reads it, holds the title, every heading and every character in order, over several
# pages that each end with a foot naming the week and "page N of M", and the pages that go on
# with Tuesday start with its heading marked "(continued)".
# Usage: print_e2e.sh ORVANTA MAKE_EMPTY_CALENDAR E2E_DESKTOP
set -uo pipefail
orvanta=$1 make_db=$2 desktop=$3
[[ -x $desktop ]] || { echo "SKIP: no e2e-desktop tool at $desktop"; exit 77; }
for tool in cupsd lpadmin lpstat pdftotext; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
((EUID == 0)) || { echo "SKIP: the private print server runs as root"; exit 77; }

source "$(dirname "$0")/lib.sh"
"$make_db" "$work/dbCalendar.mdb"
desktop_up --wm icewm # first: it ends the programs a script started before it

# The print server, its socket the only way in. Its filters run as the user lp, which must reach
# its files: so not in the scratch folder, whose parents may be closed to others.
cups=$(mktemp -d /tmp/orvanta-print-e2e.XXXXXX)
trap 'kill -KILL "${app:-}" 2>/dev/null; desktop_down; rm -rf "$work" "$cups"' EXIT
chmod 755 "$cups"
mkdir -p "$cups"/{conf,spool,tmp,cache,state,log,out}
chmod 1777 "$cups"/{tmp,out}
cat >"$cups/conf/cupsd.conf" <<CONF
Listen $cups/socket
LogLevel warn
DefaultAuthType None
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat >"$cups/conf/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $cups/conf
RequestRoot $cups/spool
TempDir $cups/tmp
CacheDir $cups/cache
StateDir $cups/state
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF
cupsd -f -c "$cups/conf/cupsd.conf" -s "$cups/conf/cups-files.conf" >"$cups/log/cupsd" 2>&1 &
extra_pids+=($!)
outputs+=("$cups/log/cupsd" "$cups/log/error_log")
export CUPS_SERVER=$cups/socket
eventually test -S "$CUPS_SERVER" || { echo "FAIL: the print server did not start"; exit 1; }
pdf=$cups/out/week.pdf
lpadmin -p Week_PDF -E -v "file://$pdf" \
    -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null &&
    lpadmin -d Week_PDF ||
    { echo "FAIL: no queue (cups-filters' Generic PDF Printer)"; show_output; exit 1; }

# The week of "today", 28 December 2025: numbered words on Tuesday, 100,000 characters.
python3 - "$work/dbCalendar.mdb" <<'PY'
import sqlite3, sys
words, i = [], 0
while sum(len(w) + 1 for w in words) < 100000:
    words.append(f"word{i}" + ("\r\n" if i % 12 == 11 else " "))
    i += 1
S = "||MySeparator123||"
record = S + S + "".join(words) + S + S * 4 + "notes of the week" + S
con = sqlite3.connect(sys.argv[1])
con.execute("INSERT INTO tblCalendar VALUES ('2025-12-28', ?)", (record,))
con.commit()
PY
stored=$(row 2025-12-28)

start
xdotool key --delay 40 Tab # from Sunday's box to Monday's
xdotool type --delay 20 'typed, not saved'
xdotool key ctrl+p
dialog=""
for _ in $(seq 100); do
    dialog=$(xdotool search --onlyvisible --name '^Print Week$' 2>/dev/null | head -n1)
    [[ -n $dialog ]] && break
    sleep 0.1
done
check "Ctrl+P opens the print dialog" test -n "$dialog"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
sleep 0.5
xdotool key Return # Print, to the default printer
printed() { [[ -n $(lpstat -W completed -o Week_PDF 2>/dev/null) && -s $pdf ]]; }
for _ in $(seq 60); do printed && break; sleep 1; done
check "the print server printed the week" printed

# Every page ends with its foot; a page that does not start with the next heading starts with
# the heading of the text it goes on with, marked "(continued)". The text, without those and
# without white space (wrapping moves it), is the week's, word for word.
read_back() {
    pdftotext -enc UTF-8 "$pdf" "$work/printed.txt" || return 1
    python3 - "$work/dbCalendar.mdb" "$work/printed.txt" <<'PY'
import re, sqlite3, sys
pages = open(sys.argv[2], encoding="utf-8").read().split("\f")
if pages and not pages[-1].strip():
    pages.pop()
names = ["Sunday, 28 December 2025", "Monday, 29 December 2025", "Tuesday, 30 December 2025",
         "Wednesday, 31 December 2025", "Thursday, 1 January 2026", "Friday, 2 January 2026",
         "Saturday, 3 January 2026", "Additional Notes For The Week"]
texts, continued, heading = [], 0, 0  # heading: the next one to come
for number, page in enumerate(pages, 1):
    lines = [line.strip() for line in page.split("\n") if line.strip()]
    foot = f"Week of Sunday, 28 December 2025 · page {number} of {len(pages)}"
    if lines[-1] != foot:
        sys.exit(f"page {number} ends with {lines[-1]!r}, not {foot!r}")
    lines.pop()
    if number > 1 and (heading == len(names) or lines[0] != names[heading]):
        if lines[0] != names[heading - 1] + " (continued)":
            sys.exit(f"page {number} starts with {lines[0]!r}")
        lines.pop(0)
        continued += 1
    for line in lines:
        if heading < len(names) and line == names[heading]:
            heading += 1
    texts.append("\n".join(lines))
if not continued:
    sys.exit("no page goes on under a continued heading")
S = "||MySeparator123||"
stored = sqlite3.connect(sys.argv[1]).execute(
    "SELECT WeekData FROM tblCalendar WHERE StartWeekDate = '2025-12-28'").fetchone()[0]
days = stored.split(S)[:8]
days[1] = "typed, not saved"
expected = "Sunday, 28 December 2025 – Saturday, 3 January 2026"
expected += "".join(name + text for name, text in zip(names, days))
squeeze = lambda text: re.sub(r"\s+", "", text)
if squeeze("".join(texts)) != squeeze(expected):
    got, want = squeeze("".join(texts)), squeeze(expected)
    at = next((i for i, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
    sys.exit(f"differs at {at}: {got[at - 20:at + 40]!r} instead of {want[at - 20:at + 40]!r}")
print(len(pages))
PY
}
pages=$(read_back)
check "the PDF holds the week word for word, typing included, with its feet and continued heading" \
    test -n "$pages"
check "a 100,000-character day runs over several pages (${pages:-0})" test "${pages:-0}" -ge 10
check "printing saved nothing" row_is 2025-12-28 "$stored"
wmctrl -c Orvanta
ended
check "exit 0" test "$code" = 0
summary
