#!/usr/bin/env python3
"""Sync's figures, against Radicale and Xandikos started here on 127.0.0.1 (tests/sync/servers.py).

  first upload   2,600 entries (ten years, five days a week) sent by `orvanta-cli sync`, and the
                 floor: the same PUTs from a plain client with as many connections
  first download 3,000 weeks (24,000 entries) stored straight into the server, then synced into
                 an empty database: time and peak memory, beside the server's own time to answer
                 the same listing, and the same for 1,000 weeks (memory flat in the weeks)
  one day        a day changed on A, synced to B: requests and time end to end

Usage: sync_bench.py ORVANTA_CLI MAKE_EMPTY_CALENDAR [--quick] [day|download|upload...]"""
import base64
import datetime
import http.client
import os
import re
import resource
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "sync"))
import servers  # noqa: E402

SEP = "||MySeparator123||"
CONNECTIONS = 4
cli, make_db = sys.argv[1], sys.argv[2]
quick = "--quick" in sys.argv


def folder(work, name):
    path = os.path.join(work, name)
    os.makedirs(path, exist_ok=True)
    return path


def database(path, weeks, boxes):
    subprocess.run([make_db, path], check=True)
    con = sqlite3.connect(path)
    first = datetime.date(2016, 12, 4)
    rows = []
    for w in range(weeks):
        day = first + datetime.timedelta(weeks=w)
        texts = [f"{day} box {b}\r\nDentist 9:00, then shopping; bread, butter" if b in boxes
                 else "" for b in range(8)]
        rows.append((day.isoformat(), "".join(t + SEP for t in texts)))
    con.executemany("INSERT INTO tblCalendar VALUES (?, ?)", rows)
    con.commit()
    con.close()


def run(db, *args, password="secret"):
    """orvanta-cli's exit, output, seconds and peak resident memory (KiB)."""
    start = time.monotonic()
    proc = subprocess.run(["/usr/bin/time", "-f", "%M", cli, "--database", db, "sync", *args],
                          input=password + "\n", capture_output=True, text=True)
    seconds = time.monotonic() - start
    peak = int(proc.stderr.strip().splitlines()[-1])
    if proc.returncode not in (0, 1):
        raise RuntimeError(f"sync {args}: {proc.returncode} {proc.stdout} {proc.stderr}")
    return proc.stdout, seconds, peak


def requests_of(output):
    found = re.search(r"in (\d+) requests", output)
    return int(found.group(1)) if found else -1


def ics(uid, day, text):
    return ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VJOURNAL\r\n"
            f"UID:{uid}\r\nDTSTAMP:20261209T000000Z\r\nDTSTART;VALUE=DATE:{day:%Y%m%d}\r\n"
            f"DESCRIPTION:{text}\r\nEND:VJOURNAL\r\nEND:VCALENDAR\r\n").encode()


def plain_uploads(server, calendar_path, bodies):
    """The floor: the PUTs alone, `CONNECTIONS` at once, each connection kept open."""
    auth = "Basic " + base64.b64encode(f"{server.user}:{server.password}".encode()).decode()
    queue = list(bodies.items())
    lock = threading.Lock()

    def worker():
        con = http.client.HTTPConnection("127.0.0.1", server.port, timeout=120)
        while True:
            with lock:
                if not queue:
                    break
                name, body = queue.pop()
            con.request("PUT", calendar_path + name, body,
                        {"Authorization": auth, "Content-Type": "text/calendar",
                         "If-None-Match": "*"})
            answer = con.getresponse()
            answer.read()
            assert answer.status in (201, 204), answer.status
        con.close()

    start = time.monotonic()
    threads = [threading.Thread(target=worker) for _ in range(CONNECTIONS)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    return time.monotonic() - start


def mkcalendar(server, path):
    auth = "Basic " + base64.b64encode(f"{server.user}:{server.password}".encode()).decode()
    con = http.client.HTTPConnection("127.0.0.1", server.port, timeout=60)
    con.request("MKCALENDAR", path, None, {"Authorization": auth})
    answer = con.getresponse()
    answer.read()
    assert answer.status == 201, answer.status


def listing_time(server, calendar_path):
    """The server's own time to answer the first sync-collection, entries included."""
    auth = "Basic " + base64.b64encode(f"{server.user}:{server.password}".encode()).decode()
    body = ('<?xml version="1.0" encoding="utf-8"?><D:sync-collection xmlns:D="DAV:" '
            'xmlns:C="urn:ietf:params:xml:ns:caldav"><D:sync-token/><D:sync-level>1'
            '</D:sync-level><D:prop><D:getetag/><C:calendar-data/></D:prop></D:sync-collection>')
    con = http.client.HTTPConnection("127.0.0.1", server.port, timeout=600)
    start = time.monotonic()
    con.request("REPORT", calendar_path, body,
                {"Authorization": auth, "Depth": "0", "Content-Type": "application/xml"})
    answer = con.getresponse()
    answer.read()
    return time.monotonic() - start


def first_upload(work):
    with servers.radicale(folder(work, "up")) as server:
        entries = 2600 if not quick else 260
        db = os.path.join(work, "up.mdb")
        database(db, entries // 5, {1, 2, 3, 4, 5})
        run(db, "--setup", server.url, "--user", server.user, "--calendar", "Upload",
            "--password-stdin")
        out, seconds, _ = run(db, "--password-stdin")
        mkcalendar(server, "/alice/floor/")
        first = datetime.date(2016, 12, 4)
        bodies = {}
        for w in range(entries // 5):
            for b in range(1, 6):
                day = first + datetime.timedelta(weeks=w, days=b)
                bodies[f"{w}-{b}.ics"] = ics(f"{w}-{b}@floor", day, f"{day} box {b}")
        floor = plain_uploads(server, "/alice/floor/", bodies)
        print(f"first upload of {entries} entries to Radicale: {seconds:.1f} s "
              f"({requests_of(out)} requests); plain client, {CONNECTIONS} connections: "
              f"{floor:.1f} s; ratio {seconds / floor:.2f}")


def seed_radicale(server, calendar, weeks):
    """Entries written straight into Radicale's folder, as a long-used calendar holds them."""
    folder = os.path.join(server.folder, "collections", "collection-root", server.user, calendar)
    os.makedirs(folder)
    with open(os.path.join(folder, ".Radicale.props"), "w") as f:
        f.write('{"C:supported-calendar-component-set": "VJOURNAL", "tag": "VCALENDAR"}')
    first = datetime.date(2016, 12, 4)
    for w in range(weeks):
        week = first + datetime.timedelta(weeks=w)
        for b in range(8):
            day = week + datetime.timedelta(days=0 if b == 7 else b)
            suffix = "notes" if b == 7 else str(b + 1)
            uid = f"{week:%Y%m%d}-{suffix}@orvanta"
            with open(os.path.join(folder, f"{week:%Y%m%d}-{suffix}-orvanta.ics"), "wb") as f:
                f.write(ics(uid, day, f"{day} box {b}, Dentist 9:00, then shopping"))
    return f"/{server.user}/{calendar}/"


def first_download(work):
    for weeks in ((1000, 3000) if not quick else (100, 300)):
        with servers.radicale(folder(work, f"down{weeks}")) as server:
            path = seed_radicale(server, "seeded", weeks)
            listing_time(server, path)  # Radicale builds its cache on the first listing
            answer = listing_time(server, path)
            db = os.path.join(work, f"down{weeks}.mdb")
            subprocess.run([make_db, db], check=True)
            run(db, "--setup", server.url.rstrip("/") + path, "--user", server.user,
                "--password-stdin")
            out, seconds, peak = run(db, "--password-stdin")
            print(f"first download of {weeks} weeks ({weeks * 8} entries) from Radicale: "
                  f"{seconds:.1f} s, {requests_of(out)} requests, peak {peak / 1024:.0f} MiB; "
                  f"the server's own answer {answer:.1f} s")


def one_day(work, name, start):
    with start(folder(work, f"day-{name}")) as server:
        a, b = os.path.join(work, f"{name}-a.mdb"), os.path.join(work, f"{name}-b.mdb")
        database(a, 52, {1, 3})
        subprocess.run([make_db, b], check=True)
        for db in (a, b):
            run(db, "--setup", server.url, "--user", server.user, "--password-stdin")
            run(db, "--password-stdin")
        con = sqlite3.connect(a)
        week = con.execute("SELECT StartWeekDate, WeekData FROM tblCalendar LIMIT 1").fetchone()
        texts = week[1].split(SEP)
        texts[1] += "\r\nchanged here"
        con.execute("UPDATE tblCalendar SET WeekData = ? WHERE StartWeekDate = ?",
                    (SEP.join(texts), week[0]))
        con.commit()
        con.close()
        out_a, seconds_a, _ = run(a, "--password-stdin")
        out_b, seconds_b, _ = run(b, "--password-stdin")
        print(f"one changed day through {name}: A {requests_of(out_a)} requests, "
              f"B {requests_of(out_b)} requests, {seconds_a + seconds_b:.2f} s end to end")


def main():
    parts = [a for a in sys.argv[3:] if not a.startswith("--")] or ["day", "download", "upload"]
    with tempfile.TemporaryDirectory() as work:
        if "day" in parts:
            one_day(work, "Radicale", servers.radicale)
            one_day(work, "Xandikos", servers.xandikos)
        if "download" in parts:
            first_download(work)
        if "upload" in parts:
            first_upload(work)


if __name__ == "__main__":
    main()
