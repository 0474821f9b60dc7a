#!/usr/bin/env python3
"""orvanta-cli export, read back by parsers that share nothing with Orvanta.

Each format's file is parsed (Markdown by markdown-it with GitHub's strikethrough and tables,
iCalendar by vobject; python-icalendar must load it too, though its 4.0 reads an escaped
backslash before "n" as a line break) and compared with the database as Python's own sqlite3
reads it: every day that holds text, with every character, under its day's name, and each
entry's summary. A damaged file fails both export and find. Usage: export_check.py ORVANTA_CLI
MAKE_EMPTY_CALENDAR"""
import datetime
import os
import re
import sqlite3
import subprocess
import sys
import tempfile

try:
    import icalendar
    import vobject
    from markdown_it import MarkdownIt
except ImportError as missing:
    print(f"SKIP: {missing}")
    sys.exit(77)

SEP = "||MySeparator123||"
NOTES = 7
SUMMARY_CHARACTERS = 60

# Texts that a careless writer loses or turns into markup; CR LF as the store keeps breaks.
TRICKY = [
    "Dentist 9:00, then shopping; bread\\butter",
    "# not a heading\r\n* not a list\r\n1. not a list\r\n2) nor this\r\n> no quote",
    "`code` *stars* _under_ **bold** [link](http://x) <b>tag</b> &amp; ~~gone~~ |a|b|",
    "---\r\n===\r\n+ plus\r\n    indented four\r\n\ttabbed",
    "trailing spaces   \r\n\r\n\r\nthree breaks above, a backslash at the end\\",
    "\r\n\r\nstarts and ends with breaks\r\n",
    "   ",
    "Привет, Ελληνικά, 漢字, עברית, emoji 🙂🗓️ and combining é",
    "long " * 60 + "ü" * 100 + "🙂" * 30,
    "x;y,z\\n is not a break",
    "ends in blanks \t ",
    "\r\n",
    "a setext heading?\r\n===",
    "~one tilde~ and ~~two~~",
    "\n",
    "é" * 60,
    "\nLF only\nbreaks",
    "a lone\rCR",
    "y" * 63,  # "DESCRIPTION:" and this fill a line's 75 octets
]


def store(path, other_forms):
    """Weeks with TRICKY texts, some keyed "MM/dd/yyyy" where `other_forms`, one week stored
    twice, and the rows out of order."""
    con = sqlite3.connect(path)
    rows = []
    base = datetime.date(2026, 1, 4)
    for week in range(len(TRICKY)):
        texts = [""] * 8
        texts[week % 7] = TRICKY[week]
        texts[(week + 3) % 7] = TRICKY[(week + 1) % len(TRICKY)]
        texts[NOTES] = TRICKY[(week + 2) % len(TRICKY)] if week % 2 else ""
        day = base + datetime.timedelta(weeks=week)
        key = day.strftime("%m/%d/%Y") if other_forms and week % 3 == 0 else day.isoformat()
        rows.append((key, "".join(t + SEP for t in texts)))
    # Two rows for one week: the window shows the ISO-keyed one, else the older row.
    rows.append(("2026-01-04", ("the ISO row" if other_forms else "shadowed") + SEP * 8))
    # Oldest first whatever the rows' order; the calendar's first and last weeks.
    rows.insert(0, ("2025-12-28", "year before" + SEP * 8))
    rows.insert(0, ("9999-12-26", "the last week" + SEP * 5 + "its Friday" + SEP * 3))
    rows.append(("1753-01-07", SEP * 7 + "the first notes" + SEP))
    # A key that names no day, and a record that is not UTF-8 (shown, as in the window, with
    # U+FFFD for each stray byte).
    rows.append(("2026-02-30", "no such day" + SEP * 8))
    rows.append(("2026-03-29", ("bytes \xff\xfe in" + SEP * 8).encode("latin-1")))
    con.executemany("INSERT INTO tblCalendar VALUES (?, ?)", rows)
    con.commit()
    con.close()


def expected_days(path):
    """{(day, box): text} as the window would show the database, LF breaks."""
    con = sqlite3.connect(path)
    best = {}
    for rowid, key, data in con.execute("SELECT rowid, StartWeekDate, WeekData FROM tblCalendar"):
        if isinstance(data, bytes):
            data = data.decode("utf-8", "replace")
        try:
            day = datetime.date.fromisoformat(key)
            other = 0
        except ValueError:
            try:
                day = datetime.datetime.strptime(key, "%m/%d/%Y").date()
            except ValueError:
                continue  # names no day: not shown, not exported
            other = 1
        if day not in best or (other, rowid) < best[day][0]:
            best[day] = ((other, rowid), data)
    days = {}
    for week, (_, data) in sorted(best.items()):
        for box, text in enumerate(data.split(SEP)[:8]):
            if text:
                days[(week, box)] = text.replace("\r\n", "\n")
    return days


def from_markdown(raw):
    tokens = MarkdownIt("commonmark").enable(["strikethrough", "table"]).parse(raw.decode("utf-8"))
    days, week, box, problems = {}, None, None, []
    # Read as plain text too: a blank line around every heading, as Markdown linters ask.
    lines = raw.split(b"\n")
    problems += [f"no blank line around {line!r}" for at, line in enumerate(lines)
                 if line.startswith(b"#") and (lines[at - 1] if at else b"") + b"".join(lines[at + 1:at + 2])]
    for i, tok in enumerate(tokens):
        if tok.type == "heading_open":
            title = tokens[i + 1].content
            heading = re.fullmatch(r"Week of (\S+)|(\w+), (\S+)", title)
            if tok.tag == "h1" and heading and heading[1]:
                week = datetime.date.fromisoformat(heading[1])
                box = None
            elif tok.tag == "h2" and title == "Additional Notes For The Week":
                box = NOTES
            elif tok.tag == "h2" and heading and heading[2]:
                day = datetime.date.fromisoformat(heading[3])
                box = (day - week).days
                if heading[2] != day.strftime("%A"):
                    problems.append(f"{day} is headed {heading[2]}")
            else:
                problems.append(f"{week} box {box}: read as a heading: {title!r}")
        elif tok.type == "inline" and tokens[i - 1].type == "paragraph_open":
            text = ""
            for child in tok.children:
                if child.type in ("text", "text_special"):
                    text += child.content
                elif child.type == "hardbreak":
                    text += "\n"
                else:
                    problems.append(f"{week} box {box}: read as markup: {child.type}")
            if (week, box) in days:
                problems.append(f"{week} box {box}: more than one paragraph")
            days[(week, box)] = text
        elif tok.type not in ("heading_open", "heading_close", "inline", "paragraph_open",
                              "paragraph_close"):
            problems.append(f"{week} box {box}: read as markup: {tok.type}")
    return days, problems


def summary_of(text, week, box):
    """What an entry is listed by: the first line that holds anything, cut short."""
    if box == NOTES:
        return f"Notes for the week of {week.isoformat()}"
    for line in text.split("\n"):
        line = line.strip(" \t\n\v\f\r")
        if line:
            return line if len(line) <= SUMMARY_CHARACTERS else line[:SUMMARY_CHARACTERS] + "…"
    return None


def from_icalendar(raw):
    days, problems, uids = {}, [], set()
    lines = raw.split(b"\r\n")
    problems += [f"line over 75 octets: {line[:30]!r}" for line in lines if len(line) > 75]
    # Folded at 75 octets: a line goes on only where the next character would not fit.
    for line, more in zip(lines, lines[1:]):
        if more.startswith(b" ") and len(line) + len(more[1:].decode("utf-8", "ignore")[:1].encode()) <= 75:
            problems.append(f"folded early: {line[:30]!r}")
    if lines[-1] != b"" or any(b"\n" in line for line in lines):
        problems.append("a line that does not end in CR LF")
    entries = vobject.readOne(raw.decode("utf-8")).vjournal_list
    for entry in entries:
        day, uid = entry.dtstart.value, entry.uid.value
        box = NOTES if uid.endswith("-notes@orvanta") else (day.weekday() + 1) % 7
        week = day - datetime.timedelta(days=0 if box == NOTES else box)
        # Named by week and box alone, in a form that stays: a later export updates the entries.
        if uid != f"{week:%Y%m%d}-{'notes' if box == NOTES else box + 1}@orvanta":
            problems.append(f"{week} box {box}: UID {uid}")
        if (week, box) in days or uid in uids:
            problems.append(f"{week} box {box}: two entries, or its UID twice")
        uids.add(uid)
        days[(week, box)] = entry.description.value
        summary = entry.contents.get("summary", [None])[0]
        want = summary_of(entry.description.value, week, box)
        if (summary and summary.value) != want:
            problems.append(f"{week} box {box}: summary {summary and summary.value!r}, not {want!r}")
    if len(icalendar.Calendar.from_ical(raw).walk("VJOURNAL")) != len(entries):
        problems.append("python-icalendar reads another number of entries")
    return days, problems


FORMATS = [("md", from_markdown), ("ics", from_icalendar)]


def run(*args):
    return subprocess.run(args, capture_output=True)


def main():
    cli, make_db = sys.argv[1:3]
    failed = 0

    def check(what, ok, detail=""):
        nonlocal failed
        print(("ok    " if ok else "FAIL  ") + what + ("" if ok else f"\n      {detail}"))
        failed += not ok

    for keys, other_forms, utf16 in [("some keys MM/dd/yyyy", True, False),
                                     ("every key yyyy-MM-dd", False, False),
                                     ("a file in UTF-16", True, True)]:
        with tempfile.TemporaryDirectory() as work:
            db = os.path.join(work, "dbCalendar.mdb")
            if utf16:
                con = sqlite3.connect(db)
                con.executescript("PRAGMA encoding = 'UTF-16le'; CREATE TABLE tblCalendar "
                                  "(StartWeekDate TEXT, WeekData TEXT)")
                con.close()
            else:
                subprocess.run([make_db, db], check=True)
            store(db, other_forms)
            days = expected_days(db)
            for ext, parse in FORMATS:
                # iCalendar has one line break, which a lone CR is too.
                want = {k: v.replace("\r", "\n") for k, v in days.items()} if ext == "ics" else days
                target = os.path.join(work, "weeks." + ext)
                done = run(cli, "--database", db, "export", target)
                check(f"{keys}, {ext}: exit 0", done.returncode == 0, done.stderr)
                raw = open(target, "rb").read()
                got, problems = parse(raw)
                check(f"{keys}, {ext}: nothing read as markup or malformed", not problems,
                      problems[:3])
                missing = {k: (v, got.get(k)) for k, v in want.items() if got.get(k) != v}
                extra = set(got) - set(want)
                check(f"{keys}, {ext}: every day's text comes back exactly, oldest first",
                      not missing and not extra and list(got) == sorted(got),
                      f"differ: {list(missing.items())[:2]} extra: {sorted(extra)[:3]}")
                # The same weeks again: the same file but for the moment of the export.
                again = os.path.join(work, "again." + ext)
                run(cli, "--database", db, "export", "--format", ext, again)
                strip = lambda b: [l for l in b.split(b"\r\n") if not l.startswith(b"DTSTAMP")]
                check(f"{keys}, {ext}: a second export names every entry the same",
                      strip(open(again, "rb").read()) == strip(raw))

    with tempfile.TemporaryDirectory() as work:
        db = os.path.join(work, "dbCalendar.mdb")
        subprocess.run([make_db, db], check=True)

        # Files damaged in the middle of their weeks, read in the keys' order (every key
        # yyyy-MM-dd), or in the index that the keys are read from first where some are
        # MM/dd/yyyy: export and find stop there and say so.
        damaged = {}
        for form in ("iso", "month-first"):
            damaged[form] = os.path.join(work, f"damaged-{form}.mdb")
            subprocess.run([make_db, damaged[form]], check=True)
            con = sqlite3.connect(damaged[form])
            con.executemany("INSERT INTO tblCalendar VALUES (?, ?)", [
                (f"{1 + i % 12:02}/{1 + i % 28:02}/{2000 + i // 52}" if form != "iso" and i % 2
                 else f"{2000 + i // 52}-{1 + i % 12:02}-{1 + i % 28:02}", "x" * 3000 + SEP)
                for i in range(300)])
            con.commit()
            page_size = con.execute("PRAGMA page_size").fetchone()[0]
            pages = con.execute("PRAGMA page_count").fetchone()[0]
            index_end = con.execute("SELECT max(pageno) FROM dbstat WHERE pagetype = 'leaf' "
                                    "AND name = 'idxCalendarStartWeekDate'").fetchone()[0]
            con.close()
            offsets = ([page * page_size for page in range(pages * 2 // 3, pages * 2 // 3 + 3)]
                       if form == "iso" else [(index_end - 1) * page_size])  # pages from 1
            with open(damaged[form], "r+b") as f:
                for offset in offsets:
                    f.seek(offset)
                    f.write(b"\x0d\xff" * (page_size // 2))
            done = run(cli, "--database", damaged[form], "find", "x")
            check(f"find in a damaged file ({form} keys): exit 2 with a message",
                  done.returncode == 2 and b"cannot be read" in done.stderr,
                  (done.returncode, done.stderr))

        # Refusals leave the target as it was, and say why.
        target = os.path.join(work, "kept.md")
        open(target, "w").write("kept")
        text = os.path.join(work, "notes.txt")
        open(text, "w").write("no database\n" * 100)
        for what, database, why in [
                ("no database", os.path.join(work, "none.mdb"), b"not found"),
                ("not a database", text, b"cannot be read"),
                ("damaged, iso keys", damaged["iso"], b"cannot be read"),
                ("damaged, month-first keys", damaged["month-first"], b"cannot be read"),
                ("the database itself", target, b"is the calendar database")]:
            done = run(cli, "--database", database, "export", "--format", "md", target)
            check(f"{what}: exit 2 with a message, the file untouched",
                  done.returncode == 2 and why in done.stderr and open(target).read() == "kept",
                  done.stderr)
        done = run(cli, "--database", db, "export", os.path.join(work, "weeks.txt"))
        check("an unknown extension: exit 2, nothing written",
              done.returncode == 2 and not os.path.exists(os.path.join(work, "weeks.txt")))
        done = run(cli, "--database", db, "export", os.path.join(work, "no", "weeks.md"))
        check("a folder that is not there: exit 2", done.returncode == 2 and b"cannot be written" in done.stderr,
              done.stderr)
        left = sorted(set(os.listdir(work)) - {"dbCalendar.mdb", "damaged-iso.mdb", "damaged-month-first.mdb",
                                               "kept.md", "notes.txt"})
        check("no temporary file left behind", not left, left)
    print("all passed" if not failed else f"{failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
