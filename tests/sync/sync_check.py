#!/usr/bin/env python3
"""orvanta-cli sync against real CalDAV servers (Radicale, Xandikos), a scripted fake, a proxy
that cuts answers, and a phone-like client, each on 127.0.0.1 in a folder of its own.

Usage: sync_check.py ORVANTA_CLI MAKE_EMPTY_CALENDAR [CHECK...]
CHECK names some of the groups below to run alone. Exit 0 all passed, 1 any failed, 77 when
Radicale, Xandikos or python3-caldav is missing. ORVANTA_SYNC_SEED repeats a run of the kill
rounds."""
import contextlib
import datetime
import importlib.util
import os
import random
import re
import signal
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time
import traceback
import warnings

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # nothing left in the source folder

missing = [name for name in ("radicale", "xandikos", "caldav", "vobject", "passlib")
           if importlib.util.find_spec(name) is None]
if missing:
    print(f"SKIP: no {', '.join(missing)} for {sys.executable}")
    sys.exit(77)

import servers  # noqa: E402

# The phone talks to self-signed servers without checking them, on purpose.
warnings.filterwarnings("ignore", message="Unverified HTTPS request")

SEP = "||MySeparator123||"
NOTES = 7
USER, PASSWORD = "alice", "secret"
CONFLICT = re.compile(r"— changed on another device \(\d{4}-\d{2}-\d{2} \d{2}:\d{2}\) —")
OWN_UID = re.compile(r"(\d{8})-([1-7]|notes)@orvanta")
# Long, so that a slow machine never fails a check; a hang still ends the run.
RUN_DEADLINE = 300

CLI = MAKE_DB = None
failures = 0


def check(name, ok, detail=""):
    global failures
    print(("PASS  " if ok else "FAIL  ") + name + ("" if ok else f"\n      {detail}"), flush=True)
    failures += not ok
    return ok


# --- Databases -------------------------------------------------------------------------------

def sunday_of(day):
    return day - datetime.timedelta(days=day.isoweekday() % 7)


def key_of(day):
    """(the week's Sunday, box 0..6) of a day."""
    return sunday_of(day), day.isoweekday() % 7


class Result:
    def __init__(self, code, out, err, max_rss_kib=0):
        self.code, self.out, self.err, self.max_rss_kib = code, out, err, max_rss_kib

    def __repr__(self):
        return f"exit {self.code}, stdout {self.out[-400:]!r}, stderr {self.err[-600:]!r}"


class Running:
    """orvanta-cli under way; `finish()` reaps it with its own peak memory (wait4)."""

    def __init__(self, args, stdin_text, env):
        self.process = subprocess.Popen(args, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, env=env)
        self.pid = self.process.pid
        self._out, self._err = [], []
        self._readers = [threading.Thread(target=lambda: self._out.append(self.process.stdout.read())),
                         threading.Thread(target=lambda: self._err.append(self.process.stderr.read()))]
        for reader in self._readers:
            reader.start()
        try:
            if stdin_text is not None:
                self.process.stdin.write(stdin_text.encode())
            self.process.stdin.close()
        except BrokenPipeError:
            pass

    def ended(self):
        """Whether it has ended, leaving it to finish() to reap."""
        info = os.waitid(os.P_PID, self.pid, os.WEXITED | os.WNOHANG | os.WNOWAIT)
        return info is not None and info.si_pid == self.pid

    def kill(self):
        try:
            os.kill(self.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass

    def finish(self, deadline=RUN_DEADLINE):
        timer = threading.Timer(deadline, self.kill)
        timer.daemon = True
        timer.start()
        try:
            _, status, usage = os.wait4(self.pid, 0)
        finally:
            timer.cancel()
        self.process.returncode = os.waitstatus_to_exitcode(status)
        for reader in self._readers:
            reader.join()
        out = b"".join(self._out).decode("utf-8", "replace")
        err = b"".join(self._err).decode("utf-8", "replace")
        return Result(self.process.returncode, out, err, usage.ru_maxrss)


class Book:
    """One database with orvanta-cli to sync it, in a folder of its own."""

    def __init__(self, folder, name):
        self.folder = os.path.join(folder, name)
        os.makedirs(self.folder)
        self.db = os.path.join(self.folder, "dbCalendar.mdb")
        subprocess.run([MAKE_DB, self.db], check=True)
        home = os.path.join(self.folder, "home")
        os.makedirs(home)
        # A home of its own: nothing of the machine's user is read or written.
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local/share"),
                        XDG_CACHE_HOME=os.path.join(home, ".cache"), LC_ALL="C.UTF-8",
                        LANG="C.UTF-8", QT_QPA_PLATFORM="offscreen")
        self.name = name

    def start(self, *args, password=PASSWORD):
        stdin = None if password is None else password + "\n"
        return Running([CLI, "--database", self.db, "sync", *args], stdin, self.env)

    def run(self, *args, password=PASSWORD):
        return self.start(*args, password=password).finish()

    def setup(self, url, password=PASSWORD, calendar=None, trust=None, user=USER):
        args = ["--setup", url, "--user", user, "--password-stdin"]
        args += ["--calendar", calendar] if calendar else []
        args += ["--trust", trust] if trust else []
        return self.run(*args, password=password)

    def sync(self, password=PASSWORD, timeout=None):
        return self.run("--password-stdin", *(["--timeout", str(timeout)] if timeout else []),
                        password=password)

    def start_sync(self, password=PASSWORD):
        return self.start("--password-stdin", password=password)

    def rows(self):
        con = sqlite3.connect(self.db)
        try:
            return sorted(con.execute("SELECT StartWeekDate, WeekData FROM tblCalendar"))
        finally:
            con.close()

    def boxes(self):
        """{(Sunday, box): text} of every box that holds text, LF breaks."""
        found = {}
        for key, data in self.rows():
            try:
                sunday = datetime.date.fromisoformat(key)
            except (TypeError, ValueError):
                continue
            if isinstance(data, bytes):
                data = data.decode("utf-8", "replace")
            for box, text in enumerate((data or "").split(SEP)[:8]):
                if text:
                    found[(sunday, box)] = text.replace("\r\n", "\n")
        return found

    def get(self, key):
        return self.boxes().get(key, "")

    def set(self, key, text):
        """Types `text` into a box (Sunday, box), as the window stores it."""
        self.set_many({key: text})

    def set_many(self, texts):
        con = sqlite3.connect(self.db)
        try:
            for (sunday, box), text in texts.items():
                row = con.execute("SELECT rowid, WeekData FROM tblCalendar WHERE StartWeekDate = ?",
                                  (sunday.isoformat(),)).fetchone()
                week = ((row[1].split(SEP)[:8] if row else []) + [""] * 8)[:8]
                week[box] = text.replace("\r\n", "\n").replace("\n", "\r\n")
                data = "".join(box_text + SEP for box_text in week)
                if row:
                    con.execute("UPDATE tblCalendar SET WeekData = ? WHERE rowid = ?", (data, row[0]))
                else:
                    con.execute("INSERT INTO tblCalendar (StartWeekDate, WeekData) VALUES (?, ?)",
                                (sunday.isoformat(), data))
            con.commit()
        finally:
            con.close()


# --- The server's side -----------------------------------------------------------------------

def on_server(phone):
    """({(Sunday, box): description} of Orvanta's own entries, [problems], [other entries])."""
    own, problems, others = {}, [], []
    for entry in phone.entries():
        match = OWN_UID.fullmatch(entry.uid)
        if not match:
            others.append(entry)
            continue
        sunday = datetime.datetime.strptime(match[1], "%Y%m%d").date()
        box = NOTES if match[2] == "notes" else int(match[2]) - 1
        if sunday.isoweekday() % 7:
            problems.append(f"{entry.uid}: not a Sunday")
        want_day = sunday + datetime.timedelta(days=0 if box == NOTES else box)
        if entry.day != want_day:
            problems.append(f"{entry.uid} dated {entry.day}, not {want_day}")
        if (sunday, box) in own:
            problems.append(f"{entry.uid} twice")
        own[(sunday, box)] = entry.description
    return own, problems, others


def agreement(books, phone, others_allowed=False):
    """What keeps the books and the server from holding the same boxes; empty when they agree."""
    problems = []
    first = books[0].boxes()
    for book in books[1:]:
        theirs = book.boxes()
        differ = {k: (first.get(k), theirs.get(k)) for k in set(first) | set(theirs)
                  if first.get(k) != theirs.get(k)}
        if differ:
            problems.append(f"{books[0].name} and {book.name} differ: {sorted(differ.items())[:3]}")
    own, trouble, others = on_server(phone)
    problems += trouble
    differ = {k: (first.get(k), own.get(k)) for k in set(first) | set(own) if first.get(k) != own.get(k)}
    if differ:
        problems.append(f"{books[0].name} and the server differ: {sorted(differ.items())[:3]}")
    if others and not others_allowed:
        problems.append(f"other programs' entries left on the server: {others[:3]}")
    return problems


def synced(result, codes=(0,)):
    return result.code in codes


def calendar_path(phone):
    import urllib.parse
    return urllib.parse.urlsplit(str(phone.calendar.url)).path


# --- Checks ----------------------------------------------------------------------------------

CHECKS = []


def group(fn):
    CHECKS.append(fn)
    return fn


def servers_to_try(tmp):
    """Each real server with a phone on the calendar the books are to use: on Radicale a
    calendar for journal entries, events and tasks made first (Radicale has none of its own),
    on Xandikos the one its defaults make."""
    for kind in ("radicale", "xandikos"):
        folder = os.path.join(tmp, kind)
        os.makedirs(folder)
        with getattr(servers, kind)(folder) as server:
            phone = servers.phone(server.url, USER, PASSWORD)
            if kind == "radicale":
                phone.make_calendar("Journal", ("VJOURNAL", "VEVENT", "VTODO"))
            yield kind, server, phone


def two_books(tmp, kind, server):
    a, b = Book(tmp, "A"), Book(tmp, "B")
    for book in (a, b):
        done = book.setup(server.url)
        if not check(f"{kind}: set up {book.name}: exit 0", done.code == 0, done):
            raise RuntimeError("no account")
    return a, b


WEEK = datetime.date(2026, 3, 8)  # a Sunday
TUESDAY, WEDNESDAY, THURSDAY = (WEEK + datetime.timedelta(days=d) for d in (2, 3, 4))


@group
def round_trip(tmp):
    """Typed on A reaches B; edited on B reaches A; emptied on A leaves B and the server."""
    for kind in ("radicale", "xandikos"):
        folder = os.path.join(tmp, kind)
        os.makedirs(folder)
        with getattr(servers, kind)(folder) as server:
            a, b = Book(folder, "A"), Book(folder, "B")
            # Radicale holds no calendar: A makes "Orvanta", B asks for it by name. Xandikos
            # holds one: A finds it from the root, B is given its address.
            done = a.setup(server.url)
            check(f"{kind}: set up A from the server's root: exit 0", done.code == 0, done)
            if kind == "radicale":
                done = b.setup(server.url, calendar="Orvanta")
                what = "B named the calendar A made"
                phone = servers.phone(server.url, USER, PASSWORD, calendar="Orvanta")
            else:
                done = b.setup(server.calendar_url)
                what = "B given the calendar's address"
                phone = servers.phone(server.url, USER, PASSWORD)
            check(f"{kind}: set up B, {what}: exit 0", done.code == 0, done)
            status = a.run("--status", password=None)
            check(f"{kind}: --status: exit 0, names the server",
                  status.code == 0 and f"127.0.0.1:{server.port}" in status.out, status)
            kept = [os.path.join(top, f) for top, _, files in os.walk(a.folder) for f in files
                    if PASSWORD.encode() in open(os.path.join(top, f), "rb").read()]
            check(f"{kind}: the password is kept nowhere beside the database or in the home",
                  not kept, kept)
            check(f"{kind}: the account is kept in dbCalendar.sync",
                  os.path.exists(os.path.join(a.folder, "dbCalendar.sync")))

            texts = {key_of(TUESDAY): "Dentist 9:00\nthen bread, milk; eggs\\ham",
                     key_of(WEEK): "Sunday: Привет 🙂 漢字",
                     (WEEK, NOTES): "the week's notes\n\n  indented",
                     key_of(WEEK + datetime.timedelta(days=27)): "a Saturday four weeks on"}
            a.set_many(texts)
            steps = [("typed on A, sync A then B", a, b, lambda: None),
                     ("edited on B, sync B then A", b, a,
                      lambda: b.set(key_of(TUESDAY), "Dentist moved to 10:00")),
                     ("emptied on A, sync A then B", a, b, lambda: a.set((WEEK, NOTES), ""))]
            for what, first, second, change in steps:
                change()
                want = first.boxes()
                one, two = first.sync(), second.sync()
                check(f"{kind}: {what}: exit 0 twice", one.code == two.code == 0, (one, two))
                check(f"{kind}: {what}: both books hold the same boxes",
                      second.boxes() == want == first.boxes(),
                      (want, second.boxes()))
                problems = agreement([a, b], phone)
                check(f"{kind}: {what}: the server holds each box once, as the books do",
                      not problems, problems)
            check(f"{kind}: the emptied box is gone from the server",
                  (WEEK, NOTES) not in on_server(phone)[0])
            before = (a.rows(), b.rows(), sorted(e.uid + e.description for e in phone.entries()))
            again = [a.sync(), b.sync(), a.sync()]
            check(f"{kind}: syncs with nothing new change nothing",
                  all(r.code == 0 for r in again)
                  and before == (a.rows(), b.rows(), sorted(e.uid + e.description for e in phone.entries())),
                  again)


@group
def conflicts(tmp):
    """Both books change a day: each ends with both texts and the line between, as does the
    server; an edit wins over a delete, whichever syncs first."""
    for kind, server, phone in servers_to_try(tmp):
        folder = os.path.join(tmp, kind + "-books")
        os.makedirs(folder)
        a, b = two_books(folder, kind, server)
        day = key_of(WEDNESDAY)
        a.set_many({day: "shared start", key_of(THURSDAY): "to edit or delete",
                    key_of(THURSDAY + datetime.timedelta(days=7)): "to edit or delete, 2"})
        a.sync(), b.sync()

        a.set(day, "alpha from A\nsecond line")
        b.set(day, "beta from B")
        one, two, three = a.sync(), b.sync(), a.sync()
        check(f"{kind}: both changed a day: A, B, A exit 0, 1, 0",
              (one.code, two.code, three.code) == (0, 1, 0), (one, two, three))
        check(f"{kind}: the side that merged lists the day", WEDNESDAY.isoformat() in two.out, two)
        merged = b.get(day)
        lines = CONFLICT.findall(merged)
        check(f"{kind}: the merge holds B's text, one conflict line, then A's",
              len(lines) == 1 and merged.find("beta from B") < merged.find(lines[0])
              < merged.find("alpha from A\nsecond line") and "beta from B" in merged, merged)
        check(f"{kind}: A, B and the server hold the same merged text",
              a.get(day) == merged == on_server(phone)[0].get(day), (a.get(day), merged))
        for book, before in ((a, "alpha from A"), (b, "beta from B")):
            history = book.run("--history", WEDNESDAY.isoformat(), password=None)
            check(f"{kind}: {book.name}'s --history of the day holds the text it replaced",
                  history.code == 0 and before in history.out, history)

        # An edit against a delete, in both orders.
        for edited, deleted, first, key in ((a, b, "the delete", key_of(THURSDAY)),
                                            (a, b, "the edit", key_of(THURSDAY + datetime.timedelta(days=7)))):
            edited.set(key, "edited, kept")
            deleted.set(key, "")
            order = (deleted, edited, deleted) if first == "the delete" else (edited, deleted, edited)
            results = [book.sync() for book in order]
            check(f"{kind}: an edit against a delete, {first} synced first: the edit is everywhere",
                  a.get(key) == b.get(key) == on_server(phone)[0].get(key) == "edited, kept"
                  and all(r.code in (0, 1) for r in results),
                  (a.get(key), b.get(key), on_server(phone)[0].get(key), results))
        problems = agreement([a, b], phone)
        check(f"{kind}: after the conflicts the books and the server agree", not problems, problems)


@group
def phone_entries(tmp):
    """Entries another program writes land in their day's box once, then leave the server;
    its events and tasks stay as they were."""
    event = ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//Test//EN\r\nBEGIN:VEVENT\r\n"
             "UID:event-1@phone\r\nDTSTAMP:20260101T120000Z\r\nDTSTART:20260310T090000Z\r\n"
             "DTEND:20260310T100000Z\r\nSUMMARY:a meeting\r\nDESCRIPTION:not a journal\r\n"
             "END:VEVENT\r\nEND:VCALENDAR\r\n")
    todo = ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//Test//EN\r\nBEGIN:VTODO\r\n"
            "UID:todo-1@phone\r\nDTSTAMP:20260101T120000Z\r\nDUE;VALUE=DATE:20260311\r\n"
            "SUMMARY:a task\r\nEND:VTODO\r\nEND:VCALENDAR\r\n")
    for kind, server, phone in servers_to_try(tmp):
        folder = os.path.join(tmp, kind + "-books")
        os.makedirs(folder)
        a, b = two_books(folder, kind, server)
        a.set(key_of(TUESDAY), "own text")
        a.sync()
        phone.add_raw(event)
        phone.add_raw(todo)
        not_journals = {href: data for href, data in phone.objects().items()
                        if "VJOURNAL" not in data}
        # (what, day, time, zone, text, the box it belongs in, whether it is alone there)
        cases = [("a day's entry beside A's text", TUESDAY, None, None,
                  "from the phone, with a, comma; and \\ backslash", key_of(TUESDAY), False),
                 ("23:30 in Los Angeles (the next day in UTC)", WEDNESDAY, "233000",
                  "America/Los_Angeles", "late evening west of UTC\nsecond line", key_of(WEDNESDAY),
                  True),
                 ("23:59 UTC", THURSDAY, "235900", None, "just before midnight UTC", key_of(THURSDAY),
                  True),
                 ("the week's Sunday", WEEK, None, None, "on a Sunday", key_of(WEEK), True)]
        for _, day, at, zone, text, _, _ in cases:
            phone.add(day, text, at=at, tzid=zone)
        results = [a.sync(), b.sync(), a.sync(), b.sync()]
        check(f"{kind}: syncs with the phone's entries: exit 0 or 1",
              all(r.code in (0, 1) for r in results), results)
        for what, _, _, _, text, key, alone in cases:
            box = a.get(key)
            check(f"{kind}: phone, {what}: in its day's box once{', as it was' if alone else ''}",
                  box == text if alone else box.count(text) == 1, (key, box))
        check(f"{kind}: phone: A's own text kept beside it", "own text" in a.get(key_of(TUESDAY)))
        problems = agreement([a, b], phone)
        check(f"{kind}: phone: its entries gone from the server; A, B and the server agree",
              not problems, problems)
        before = a.boxes()
        results = [a.sync(), b.sync(), a.sync()]
        check(f"{kind}: phone: more syncs duplicate nothing",
              a.boxes() == before == b.boxes() and all(r.code == 0 for r in results), results)

        # The phone changes and deletes an entry of Orvanta's: the books follow.
        own = {e.uid: e for e in phone.entries() if OWN_UID.fullmatch(e.uid)}
        uid_tuesday = f"{WEEK:%Y%m%d}-3@orvanta"
        uid_thursday = f"{WEEK:%Y%m%d}-5@orvanta"
        if check(f"{kind}: phone: A's entries are named by week and day",
                 uid_tuesday in own and uid_thursday in own, sorted(own)):
            phone.change(uid_tuesday, "rewritten on the phone")
            phone.delete(uid_thursday)
            results = [a.sync(), b.sync()]
            check(f"{kind}: phone: its change and delete of A's entries reach both books",
                  a.get(key_of(TUESDAY)) == b.get(key_of(TUESDAY)) == "rewritten on the phone"
                  and a.get(key_of(THURSDAY)) == b.get(key_of(THURSDAY)) == "", results)
        now = {href: data for href, data in phone.objects().items() if "VJOURNAL" not in data}
        check(f"{kind}: phone: its event and task are untouched", now == not_journals,
              (sorted(not_journals), sorted(now)))


@group
def wrong_password(tmp):
    """A wrong password: exit 2 with a message, after one request that carried it."""
    folder = os.path.join(tmp, "radicale")
    os.makedirs(folder)
    with servers.radicale(folder) as server:
        phone = servers.phone(server.url, USER, PASSWORD)
        phone.make_calendar("Journal")
        book = Book(folder, "A")
        status = book.run("--status", password=None)
        check("radicale: --status before any setup says how to set up, exit 0",
              status.code == 0 and "--setup" in status.out, status)
        timed = book.run("--timeout", "7", password=None)
        check("radicale: --timeout takes its seconds (here: not set up, said as such)",
              timed.code == 2 and "not set up" in timed.err, timed)
        done = book.setup(server.url, password="wrong")
        check("radicale: set up with a wrong password: exit 2 with a message",
              done.code == 2 and done.err.strip(), done)
        done = book.setup(server.url)
        check("radicale: set up with the right one: exit 0", done.code == 0, done)
        book.set(key_of(TUESDAY), "typed")
        rows = book.rows()
        done = book.sync(password="wrong")
        check("radicale: sync with a wrong password: exit 2 with a message, the book unchanged",
              done.code == 2 and done.err.strip() and book.rows() == rows, done)
        check("radicale: the message says the password, and nothing of certificates",
              "password" in done.err and "--trust" not in done.err, done)
        check("radicale: nothing reached the server", not phone.entries())

        with servers.fake(folder, upstream=server.url) as fake:
            for stage in ("set up", "sync"):
                other = Book(folder, "fake-" + stage.replace(" ", "-"))
                fake.rules = []
                if stage == "sync":
                    other.setup(fake.url)
                fake.rules = [("*", "/", servers.UNAUTHORIZED)]
                fake.requests.clear()
                done = other.setup(fake.url) if stage == "set up" else other.sync()
                lines = [line for line in done.err.splitlines() if line.strip()]
                check(f"fake answering 401: {stage}: exit 2, a message said once",
                      done.code == 2 and lines and len(lines) == len(set(lines)), done)
                check(f"fake answering 401: {stage}: exactly one request carried the password",
                      len(fake.with_credentials()) == 1 and len(fake.requests) <= 3,
                      [(m, p, "authorization" in h) for m, p, h in fake.requests])


def journal_server(tmp, holdable=False):
    folder = os.path.join(tmp, "radicale")
    os.makedirs(folder)
    return folder, servers.radicale(folder, holdable=holdable)


@group
def server_killed(tmp):
    """Radicale killed while the first upload of 300 boxes is under way, then started again."""
    folder, context = journal_server(tmp, holdable=True)
    with context as server:
        phone = servers.phone(server.url, USER, PASSWORD)
        phone.make_calendar("Journal")
        a = Book(folder, "A")
        a.setup(server.url)
        texts = {key_of(datetime.date(2025, 1, 5) + datetime.timedelta(days=i)): f"box {i} of 300"
                 for i in range(300)}
        a.set_many(texts)
        held_at = server.changes() + 20
        server.hold_at(20)
        running = a.start_sync()
        servers.wait_until(lambda: server.changes() >= held_at or running.ended(),
                           "the 20th change on the server", deadline=RUN_DEADLINE)
        held = server.changes() == held_at and not running.ended()
        server.stop()  # holding the 20th change: stored, not answered
        done = running.finish()
        check("server killed mid-upload: the sync was still under way at the 20th change", held,
              (server.changes(), done))
        check("server killed mid-upload: exit 2 with a message", done.code == 2 and done.err.strip(),
              done)
        server.start()
        again = a.sync()
        check("server started again: the next sync: exit 0", again.code == 0, again)
        b = Book(folder, "B")
        b.setup(server.url)
        b.sync()
        check("server started again: 300 boxes in A", a.boxes() == texts, len(a.boxes()))
        problems = agreement([a, b], phone)
        check("server started again: A, B and the server agree, nothing twice", not problems,
              problems)


@group
def cut_answers(tmp):
    """Answers cut after so many bytes (closed, or reset) move nothing that a clean sync after
    them does not bring to both sides whole."""
    folder, context = journal_server(tmp)
    with context as server, servers.cutting_proxy(server.url) as proxy:
        phone = servers.phone(server.url, USER, PASSWORD)
        phone.make_calendar("Journal")
        a, b = Book(folder, "A"), Book(folder, "B")
        for book in (a, b):
            book.setup(proxy.url)
        base = datetime.date(2026, 5, 3)
        want = {key_of(base + datetime.timedelta(days=i)): f"base {i}" for i in range(40)}
        a.set_many(want)
        a.sync(), b.sync()

        def change_both_sides(n):
            """Changes on both sides and on the phone, on days apart for n up to 7; returns them
            all."""
            changes_a = {key_of(base + datetime.timedelta(days=n * 3 + i)): f"A's change {n}.{i} " * 20
                         for i in range(3)}
            changes_a.update({key_of(base + datetime.timedelta(days=100 + n * 4 + i)): f"A's new day {n}.{i}"
                              for i in range(4)})
            changes_b = {key_of(base + datetime.timedelta(days=30 + n * 2 + i)): f"B's change {n}.{i}"
                         for i in range(2)}
            a.set_many(changes_a)
            b.set_many(changes_b)
            phone_day = base + datetime.timedelta(days=400 + n)
            phone.add(phone_day, f"phone entry {n} " * 30)
            return {**changes_a, **changes_b, key_of(phone_day): f"phone entry {n} " * 30}

        # In the status line, in the headers, in the first answer's body, in later answers on
        # the same connection: every sync's first answer (with the phone's entry) is longer.
        cut_rounds = 0
        for n, (cut, reset) in enumerate(zip([1, 40, 100, 180, 300, 600, 1000], [False, True] * 4)):
            want.update(change_both_sides(n))
            side = (a, b)[n % 2]
            proxy.cut_after_bytes, proxy.reset = cut, reset
            cuts = proxy.cuts
            done = side.sync()
            how = f"cut after {cut} bytes{' (reset)' if reset else ''}, {side.name} syncing"
            check(f"{how}: exit 2 with a message, or 0 where the cut came after the sync",
                  (done.code == 2 and done.err.strip()) or (done.code == 0 and proxy.cuts == cuts),
                  (done, proxy.cuts - cuts))
            proxy.cut_after_bytes = None
            cut_rounds += proxy.cuts > cuts
            results = [a.sync(), b.sync(), a.sync()]
            check(f"{how}: then clean syncs: exit 0 or 1", all(r.code in (0, 1) for r in results),
                  results)
            differ = {k: (v, a.get(k)) for k, v in want.items() if a.get(k) != v}
            extra = set(a.boxes()) - set(want)
            check(f"{how}: then every change of every side is in A, once", not differ and not extra,
                  (sorted(differ.items())[:3], sorted(extra)[:3]))
            problems = agreement([a, b], phone)
            check(f"{how}: then A, B and the server agree", not problems, problems)
        check("the proxy cut the sync of every round (else the rounds test little)",
              cut_rounds == 7, cut_rounds)


@group
def fake_answers(tmp):
    """A server answering wrong: exit 2 with a message, the book unchanged, and a clean sync
    afterwards brings what was waiting."""
    folder, context = journal_server(tmp)
    with context as server, servers.fake(folder, upstream=server.url) as fake, \
            servers.fake(folder, [("*", "/", servers.UNAUTHORIZED)]) as elsewhere:
        phone = servers.phone(server.url, USER, PASSWORD)
        phone.make_calendar("Journal")
        a = Book(folder, "A")
        done = a.setup(fake.url)
        check("through the fake: set up: exit 0", done.code == 0, done)
        other_host = fake.url.replace("127.0.0.1", "localhost")
        cases = [("401 to everything", [("*", "/", servers.UNAUTHORIZED)]),
                 ("403 to PUT", [("PUT", "/", servers.Answer(403, b"read only"))]),
                 ("500 to PUT", [("PUT", "/", servers.Answer(500, b"broken"))]),
                 ("507 to PUT", [("PUT", "/", servers.Answer(507, b"full"))]),
                 ("garbage XML to PROPFIND and REPORT", [(("PROPFIND", "REPORT"), "/", servers.GARBAGE)]),
                 ("a 200 MB answer that never ends", [(("PROPFIND", "REPORT"), "/", servers.HUGE)]),
                 ("a gzip answer cut off", [(("PROPFIND", "REPORT"), "/", servers.GZIP_CUT)]),
                 ("a connection closed without an answer", [("*", "/", servers.DROP)]),
                 ("a redirect to another host", [("*", "/", servers.redirect(elsewhere.url))]),
                 ("a redirect to the same server by another name",
                  [("*", "/", servers.redirect(other_host))]),
                 ("silence, with --timeout 3", [("*", "/", servers.STALL)])]
        for n, (what, rules) in enumerate(cases):
            key = key_of(datetime.date(2026, 6, 1) + datetime.timedelta(days=n))
            a.set(key, f"waiting {n}")
            rows = a.rows()
            fake.rules, elsewhere.requests[:], fake.hits = rules, [], 0
            done = a.sync(timeout=3 if "timeout" in what else None)
            fake.rules = []
            check(f"fake, {what}: exit 2 with a message, the book unchanged",
                  done.code == 2 and done.err.strip() and a.rows() == rows and fake.hits,
                  (done, f"answered so {fake.hits} times"))
            if "200 MB" in what:
                check(f"fake, {what}: orvanta-cli's memory stays under 200 MB",
                      done.max_rss_kib < 200 * 1024, f"{done.max_rss_kib // 1024} MB")
            if "redirect" in what:
                check(f"fake, {what}: the password went to no other server",
                      not elsewhere.with_credentials(), elsewhere.requests)
            again = a.sync()
            check(f"fake, {what}: then a clean sync sends what waited",
                  again.code == 0 and on_server(phone)[0].get(key) == f"waiting {n}", again)
        # A sync token refused once, as Radicale (403 valid-sync-token) and Xandikos (500, for a
        # token it never made) refuse one: listing everything again, or giving up this once,
        # loses nothing.
        refusals = [("403 valid-sync-token", servers.Answer(
                        403, b'<?xml version="1.0"?><error xmlns="DAV:"><valid-sync-token/></error>',
                        [("Content-Type", "application/xml")])),
                    ("500", servers.Answer(500, b"500 Internal Server Error"))]
        for n, (what, answer) in enumerate(refusals):
            key = key_of(datetime.date(2026, 7, 1) + datetime.timedelta(days=n))
            a.set(key, f"after a refused token {n}")
            phone_day = datetime.date(2026, 7, 10) + datetime.timedelta(days=n)
            phone.add(phone_day, f"phone, refused token {n}")
            fake.rules = [("REPORT", "/", answer, 1)]
            done = a.sync()
            fake.rules = []
            again = a.sync()
            check(f"fake, the sync token refused once with {what}: exit 0, or 2 with a message; "
                  "then a clean sync brings both sides' texts, once",
                  (done.code == 0 or (done.code == 2 and done.err.strip())) and again.code == 0
                  and on_server(phone)[0].get(key) == f"after a refused token {n}"
                  and a.get(key_of(phone_day)) == f"phone, refused token {n}",
                  (done, again, a.get(key_of(phone_day))))
        problems = agreement([a], phone)
        check("fake: after all of it A and the server agree", not problems, problems)


@group
def tls(tmp):
    """A self-signed certificate: refused, its fingerprint named; accepted once trusted; a
    changed certificate refused again; never a redirect to plain http with the password."""
    folder = os.path.join(tmp, "radicale")
    os.makedirs(folder)
    with servers.radicale(folder, tls=True) as server:
        phone = servers.phone(server.url, USER, PASSWORD, verify=False)
        phone.make_calendar("Journal")
        a = Book(folder, "A")
        done = a.setup(server.url)
        check("self-signed: refused, exit 2, the message names the SHA-256 fingerprint",
              done.code == 2 and server.fingerprint.colons in done.err, (done, server.fingerprint.colons))
        wrong = servers.Fingerprint("00" * 32).colons
        done = a.setup(server.url, trust=wrong)
        check("self-signed: another fingerprint trusted: still refused", done.code == 2, done)
        done = a.setup(server.url, trust=server.fingerprint.colons)
        check("self-signed: with --trust its fingerprint: exit 0", done.code == 0, done)
        a.set(key_of(TUESDAY), "over TLS")
        done = a.sync()
        check("self-signed, trusted: sync: exit 0, the entry on the server",
              done.code == 0 and on_server(phone)[0].get(key_of(TUESDAY)) == "over TLS", done)

        # The same address with a new certificate: the pin no longer holds.
        server.stop()
        _, _, digest = servers.self_signed(folder)
        server.start()
        a.set(key_of(TUESDAY), "not sent")
        done = a.sync()
        new = servers.Fingerprint(digest).colons
        check("a new certificate at the trusted address: exit 2, naming the new fingerprint",
              done.code == 2 and new in done.err, done)

    plain_folder = os.path.join(tmp, "plain")
    os.makedirs(plain_folder)
    with servers.radicale(plain_folder) as upstream, \
            servers.fake(plain_folder, upstream=upstream.url, tls=True) as secure, \
            servers.fake(plain_folder, [("*", "/", servers.UNAUTHORIZED)]) as plain:
        servers.phone(upstream.url, USER, PASSWORD).make_calendar("Journal")
        b = Book(plain_folder, "B")
        done = b.setup(secure.url, trust=secure.fingerprint.colons)
        check("https through the fake, trusted: set up: exit 0", done.code == 0, done)
        secure.rules = [("*", "/", servers.redirect(plain.url))]
        done = b.sync()
        check("https redirected to http: exit 2, the password not sent in the clear",
              done.code == 2 and not plain.with_credentials(), (done, plain.requests))


@group
def killed_then_deleted(tmp):
    """A sync that took another book's entry and was killed before its end, then that entry
    deleted by the other book: the next sync deletes it here too."""
    for kind in ("radicale", "xandikos"):
        for stage in ("before", "after"):
            folder = os.path.join(tmp, f"{kind}-{stage}")
            os.makedirs(folder)
            with getattr(servers, kind)(folder) as server, \
                    servers.fake(folder, upstream=server.url) as fake:
                phone = servers.phone(server.url, USER, PASSWORD)
                if kind == "radicale":
                    phone.make_calendar("Journal")
                a, b = Book(folder, "A"), Book(folder, "B")
                for book in (a, b):
                    book.setup(fake.url)
                a.set(key_of(TUESDAY), "typed on A")
                a.sync()
                b.set(key_of(WEDNESDAY), "B's own")
                running, started, held = [None], threading.Event(), threading.Event()

                # B's upload is held (not passed on, or done but unanswered) until B's book
                # shows A's text or B ends; B is killed there.
                def hook(index, method, path, now, stage=stage):
                    if method == "PUT" and now == stage and started.wait(RUN_DEADLINE):
                        held.set()
                        with contextlib.suppress(TimeoutError, RuntimeError):
                            servers.wait_until(lambda: b.get(key_of(TUESDAY)) or running[0].ended(),
                                               "A's text in B", deadline=60)
                        running[0].kill()
                        return servers.DROP
                    return None
                fake.on_request = hook
                running[0] = b.start_sync()
                started.set()
                killed = running[0].finish()
                fake.on_request = None
                what = f"{kind}: B killed while its upload is held ({stage}), A's entry then deleted"
                if not (held.is_set() and b.get(key_of(TUESDAY)) == "typed on A"):
                    print(f"NOTE  {what}: not reached (B takes the entry only after its uploads); "
                          f"{killed}", flush=True)
                    continue
                a.set(key_of(TUESDAY), "")
                results = [a.sync(), b.sync(), a.sync(), b.sync()]
                problems = agreement([a, b], phone)
                check(f"{what}: the next syncs delete it from B; A, B and the server agree",
                      not problems and b.get(key_of(TUESDAY)) == "", (problems, results))


@group
def kill_rounds(tmp):
    """orvanta-cli killed (SIGKILL) at a request picked at random, before the server has it,
    after the server did it but before the answer, or just after the answer, while both books
    and the phone change days; then clean syncs: the books and the server agree, no entry twice,
    no word lost."""
    seed = int(os.environ.get("ORVANTA_SYNC_SEED") or random.randrange(1 << 32))
    print(f"kill rounds: seed {seed} (ORVANTA_SYNC_SEED={seed} repeats it)", flush=True)
    for kind in ("radicale", "xandikos"):
        rng = random.Random(seed)
        folder = os.path.join(tmp, kind)
        os.makedirs(folder)
        with getattr(servers, kind)(folder) as server, \
                servers.fake(folder, upstream=server.url) as fake:
            phone = servers.phone(server.url, USER, PASSWORD)
            if kind == "radicale":
                phone.make_calendar("Journal")
            a, b = Book(folder, "A"), Book(folder, "B")
            for book in (a, b):
                book.setup(fake.url)
            week = datetime.date(2026, 4, 5)
            kept = [(week, box) for box in range(8)]                 # only ever added to
            loose = [(week + datetime.timedelta(days=7), box) for box in range(7)]  # also emptied
            words = {key: [] for key in kept}
            a.set_many({key: f"start{key[1]}" for key in kept})
            # Kills are spread over about as many requests as a sync of 8 boxes makes.
            fake.requests.clear()
            a.sync()
            usual = max(len(fake.requests), 3)
            b.sync()
            killed = 0
            unexpected = []
            log = []  # what the rounds did to the boxes that may be emptied, and each sync
            for n in range(20):
                for side, book in (("a", a), ("b", b)):
                    current = book.boxes()
                    for key in rng.sample(kept, 2):
                        word = f"w{n:02d}{side}{key[1]}"
                        words[key].append(word)
                        book.set(key, (current.get(key, "") + " " + word).strip())
                        current = book.boxes()
                    if rng.random() < 0.5:
                        key, text = rng.choice(loose), rng.choice(["", f"loose {n}{side}"])
                        book.set(key, text)
                        log.append(f"round {n}: {book.name} sets {key} to {text!r}")
                if n % 4 == 0:
                    key = rng.choice(kept[:7])
                    word = f"w{n:02d}p"
                    words[key].append(word)
                    phone.add(key[0] + datetime.timedelta(days=key[1]), word)
                for book in rng.sample([a, b], 2):
                    at = len(fake.requests) + rng.randrange(usual + 2)
                    stage = rng.choice(["before", "after", "sent"])
                    running, started = [None], threading.Event()
                    where = []

                    def hook(index, method, path, now, at=at, stage=stage):
                        if index == at and now == stage and started.wait(RUN_DEADLINE):
                            where.append(f"{method} {path} ({stage})")
                            running[0].kill()
                            return servers.DROP
                        return None
                    fake.on_request = hook
                    running[0] = book.start_sync()
                    started.set()
                    done = running[0].finish()
                    fake.on_request = None
                    log.append(f"round {n}: {book.name} syncs: "
                               + (f"killed at {where[0]}" if where else f"exit {done.code}"))
                    killed += done.code == -signal.SIGKILL
                    if done.code not in (0, 1, -signal.SIGKILL):
                        unexpected.append((n, book.name, at, stage, done))
            check(f"{kind}: the syncs not killed ended 0 or 1", not unexpected, unexpected[:3])
            results = [a.sync(), b.sync(), a.sync(), b.sync()]
            last = [a.sync(), b.sync()]
            check(f"{kind}: after 20 rounds ({killed} syncs killed): clean syncs end 0 or 1, then 0",
                  all(r.code in (0, 1) for r in results) and all(r.code == 0 for r in last),
                  results + last)
            problems = agreement([a, b], phone)
            if not check(f"{kind}: after the kills A, B and the server agree, no entry twice",
                         not problems, problems):
                print("      what the rounds did:\n" + "\n".join("        " + line for line in log))
            lost = {key: [w for w in ws if not re.search(rf"\b{w}\b", a.get(key))]
                    for key, ws in words.items()}
            lost = {k: v for k, v in lost.items() if v}
            check(f"{kind}: after the kills no word is lost", not lost,
                  (lost, {k: a.get(k) for k in lost}))


def main():
    global CLI, MAKE_DB
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    CLI, MAKE_DB = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    chosen = sys.argv[3:]
    for fn in CHECKS:
        if chosen and fn.__name__ not in chosen:
            continue
        print(f"== {fn.__name__}: {fn.__doc__.splitlines()[0]}", flush=True)
        started = time.monotonic()
        with tempfile.TemporaryDirectory(prefix="orvanta-sync-") as tmp:
            try:
                fn(tmp)
            except Exception:
                check(f"{fn.__name__}: ran to its end", False, traceback.format_exc(limit=4))
        print(f"   ({time.monotonic() - started:.0f} s)", flush=True)
    print("all passed" if not failures else f"{failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
