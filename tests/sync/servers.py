#!/usr/bin/env python3
"""CalDAV servers for the sync checks, each on 127.0.0.1, on a free port, its data in a folder
that the caller owns: Radicale and Xandikos as they are installed, a scripted fake, a proxy that
cuts answers, and a phone-like client (python3-caldav).

Run alone (`servers.py radicale|xandikos DIR`) it starts one server, prints its address and
serves until killed: for benchmarks and trials by hand."""
import contextlib
import gzip
import hashlib
import http.client
import http.server
import os
import shlex
import select
import signal
import socket
import ssl
import struct
import subprocess
import sys
import threading
import time
import urllib.parse
import uuid

# Long enough for a loaded CI machine; waiting stops as soon as the thing is seen.
DEADLINE = 30


def wait_until(seen, what, deadline=DEADLINE, process=None):
    """Returns once `seen()` holds; fails after `deadline` seconds or when `process` ends."""
    end = time.monotonic() + deadline
    while not seen():
        if process is not None and process.poll() is not None:
            raise RuntimeError(f"{what}: the process ended with {process.returncode}")
        if time.monotonic() > end:
            raise TimeoutError(f"{what}: not within {deadline} s")
        time.sleep(0.01)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def _answers(host, port, tls):
    """Whether an HTTP server answers OPTIONS there, whatever its status."""
    try:
        if tls:
            context = ssl.create_default_context()
            context.check_hostname = False
            context.verify_mode = ssl.CERT_NONE
            con = http.client.HTTPSConnection(host, port, timeout=5, context=context)
        else:
            con = http.client.HTTPConnection(host, port, timeout=5)
        con.request("OPTIONS", "/")
        con.getresponse().read()
        con.close()
        return True
    except (OSError, http.client.HTTPException):
        return False


def self_signed(folder):
    """A certificate for 127.0.0.1 made with openssl: (cert, key, SHA-256 of its DER)."""
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key,
                    "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1",
                    "-addext", "subjectAltName=IP:127.0.0.1"],
                   check=True, capture_output=True)
    with open(cert) as f:
        digest = hashlib.sha256(ssl.PEM_cert_to_DER_cert(f.read())).hexdigest()
    return cert, key, digest


class Fingerprint:
    """A certificate's SHA-256, as `AB:CD:...` (`.colons`) and as plain lowercase (`.hex`)."""

    def __init__(self, hexdigest):
        self.hex = hexdigest.lower()
        self.colons = ":".join(self.hex[i:i + 2] for i in range(0, len(self.hex), 2)).upper()

    def __str__(self):
        return self.colons


class Server:
    """A server run as its own process group, so that stop() takes whatever it started too."""

    def __init__(self, argv, port, folder, tls=False, path="/", user="alice", password="secret"):
        self.argv, self.port, self.folder, self.tls = argv, port, folder, tls
        self.url = f"{'https' if tls else 'http'}://127.0.0.1:{port}{path}"
        self.user, self.password = user, password
        self.fingerprint = None
        self.process = None
        self.log = os.path.join(folder, "server.log")

    def start(self):
        log = open(self.log, "ab")
        self.process = subprocess.Popen(self.argv, stdin=subprocess.DEVNULL, stdout=log,
                                        stderr=subprocess.STDOUT, start_new_session=True)
        log.close()
        try:
            wait_until(lambda: _answers("127.0.0.1", self.port, self.tls),
                       f"{self.argv[2]} answering on port {self.port}", process=self.process)
        except Exception:
            self.stop()
            raise RuntimeError(f"{self.argv[2]} did not start:\n{self.log_tail()}")

    def stop(self):
        """Kills the server at once (no shutdown of its own), as a crash would."""
        if self.process and self.process.poll() is None:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(self.process.pid, signal.SIGKILL)
        if self.process:
            self.process.wait()
            # What it started (Radicale's storage hook) goes with it.
            with contextlib.suppress(ProcessLookupError, PermissionError):
                os.killpg(self.process.pid, signal.SIGKILL)

    def log_tail(self, lines=30):
        with contextlib.suppress(OSError), open(self.log, errors="replace") as f:
            return "".join(f.readlines()[-lines:])
        return ""


@contextlib.contextmanager
def _running(server):
    server.start()
    try:
        yield server
    finally:
        server.stop()


@contextlib.contextmanager
def radicale(tmpdir, user="alice", password="secret", tls=False, holdable=False):
    """Radicale with one htpasswd user (MD5-APR1, htpasswd's own default, which Radicale checks
    with passlib, one of its own dependencies) and its collections under `tmpdir`.

    `holdable`: Radicale's storage hook counts every change in `.changes()`, and after
    `.hold_at(k)` the k-th change from then on never returns (Radicale keeps it stored but
    unanswered) until the server is stopped, which disarms it: a test kills the server there, at a point it can
    see, mid-way through a client's writes."""
    from passlib.hash import apr_md5_crypt

    folder = os.path.abspath(tmpdir)
    port = free_port()
    users = os.path.join(folder, "users")
    with open(users, "w") as f:
        f.write(f"{user}:{apr_md5_crypt.hash(password)}\n")
    changes, limit = (shlex.quote(os.path.join(folder, name)) for name in ("changes", "limit"))
    hook = ""
    if holdable:
        # The held hook ends when Radicale does (its own process group outlives a kill).
        hook = (f"echo >> {changes}; if [ -e {limit} ] && [ $(wc -l < {changes}) -ge "
                f"$(cat {limit}) ]; then while kill -0 $PPID 2>/dev/null; do sleep 0.05; done; fi")
    fingerprint = None
    tls_lines = "ssl = False\n"
    if tls:
        cert, key, digest = self_signed(folder)
        fingerprint = Fingerprint(digest)
        tls_lines = f"ssl = True\ncertificate = {cert}\nkey = {key}\n"
    config = os.path.join(folder, "config")
    with open(config, "w") as f:
        f.write(f"[server]\nhosts = 127.0.0.1:{port}\n{tls_lines}"
                f"max_content_length = 500000000\ntimeout = 60\n"
                f"[auth]\ntype = htpasswd\nhtpasswd_filename = {users}\n"
                f"htpasswd_encryption = md5\ndelay = 0\n"
                f"[rights]\ntype = owner_only\n"
                f"[storage]\nfilesystem_folder = {os.path.join(folder, 'collections')}\n"
                f"hook = {hook}\n"
                f"[web]\ntype = none\n[logging]\nlevel = info\nmask_passwords = True\n")
    server = Server([sys.executable, "-m", "radicale", "--config", config], port, folder, tls,
                    user=user, password=password)
    server.fingerprint = fingerprint
    count = os.path.join(folder, "changes")
    server.changes = lambda: sum(1 for _ in open(count)) if os.path.exists(count) else 0

    def hold_at(k):
        with open(os.path.join(folder, "limit.new"), "w") as f:
            f.write(f"{server.changes() + k}\n")
        os.replace(os.path.join(folder, "limit.new"), os.path.join(folder, "limit"))
    server.hold_at = hold_at

    def stop(stop=server.stop):
        stop()
        with contextlib.suppress(FileNotFoundError):
            os.remove(os.path.join(folder, "limit"))
    server.stop = stop
    with _running(server):
        yield server


@contextlib.contextmanager
def xandikos(tmpdir, user="alice", password="secret"):
    """Xandikos (no authentication of its own) with its default principal /user/, which holds
    the calendar /user/calendars/calendar/ (VEVENT, VTODO, VJOURNAL accepted) and an address
    book. `.url` is the root, where discovery starts; `.calendar_url` the calendar."""
    folder = os.path.abspath(tmpdir)
    port = free_port()
    server = Server([sys.executable, "-m", "xandikos", "--defaults", "-d",
                     os.path.join(folder, "dav"), "-l", "127.0.0.1", "-p", str(port)],
                    port, folder, user=user, password=password)
    server.calendar_url = server.url + "user/calendars/calendar/"
    with _running(server):
        yield server


# --- The scripted fake -----------------------------------------------------------------------

class Answer:
    """A plain answer: status, headers, body."""

    def __init__(self, status, body=b"", headers=()):
        self.status, self.body, self.headers = status, body, list(headers)


UNAUTHORIZED = "401 always"       # 401 with a Basic challenge, whatever the credentials
GARBAGE = "garbage XML"           # 207 whose body is no XML
HUGE = "huge multistatus"         # 207 of 200 MB, streamed, whose multistatus never closes
GZIP_CUT = "gzip cut off"         # 207 gzip-encoded, the connection closed half-way
STALL = "stall"                   # reads the request, never answers, until the fake stops
DROP = "drop"                     # closes the connection without a word


def redirect(location, status=307):
    return Answer(status, b"", [("Location", location)])


def _vjournal(uid, day, text):
    return ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//fake//EN\r\nBEGIN:VJOURNAL\r\n"
            f"UID:{uid}\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:{day}\r\n"
            f"DESCRIPTION:{text}\r\nEND:VJOURNAL\r\nEND:VCALENDAR\r\n")


def _response(href, ics):
    ics = ics.replace("&", "&amp;").replace("<", "&lt;")
    return (f"<d:response><d:href>{href}</d:href><d:propstat><d:prop>"
            f"<d:getetag>\"{uuid.uuid4().hex}\"</d:getetag>"
            f"<c:calendar-data>{ics}</c:calendar-data></d:prop>"
            f"<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>")


MULTISTATUS_HEAD = ('<?xml version="1.0" encoding="utf-8"?>\n<d:multistatus xmlns:d="DAV:" '
                    'xmlns:c="urn:ietf:params:xml:ns:caldav">')


class Fake:
    """A CalDAV server answering from `rules`, a list of (method, path prefix, answer[, times]):
    method a name, a tuple of names or "*"; answer an Answer or one of the behaviours above;
    times, where given, how often the rule answers before it is gone. The first rule that
    matches answers; with none, the request goes to `upstream` (a real server) and
    its answer comes back, else 404. Every request is kept in `requests` as (method, path,
    headers). `on_request(index, method, path, stage)` is called before a request is passed on
    ("before"), after the upstream answered but before that answer goes back ("after"), and
    once the answer went back ("sent"); returning DROP at the first two closes the connection
    there instead."""

    def __init__(self, rules=(), upstream=None, tls=None, huge_bytes=200 * 1024 * 1024):
        self.rules = list(rules)
        self.upstream = upstream
        self.requests = []
        self.hits = 0  # answers that came from the rules
        self.on_request = None
        self.huge_bytes = huge_bytes
        self._lock = threading.Lock()
        self._released = threading.Event()
        fake = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def log_message(self, *args):
                pass

            def __getattr__(self, name):
                if name.startswith("do_"):
                    return lambda: fake._serve(self)
                raise AttributeError(name)

        class Quiet(http.server.ThreadingHTTPServer):
            def handle_error(self, request, client_address):
                # A client killed or cut off mid-request is what the tests do on purpose.
                if not isinstance(sys.exc_info()[1], (ConnectionError, ssl.SSLError, TimeoutError)):
                    super().handle_error(request, client_address)

        self.httpd = Quiet(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.tls = tls
        if tls:
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            context.load_cert_chain(tls[0], tls[1])
            self.httpd.socket = context.wrap_socket(self.httpd.socket, server_side=True)
        self.port = self.httpd.server_address[1]
        self.url = f"{'https' if tls else 'http'}://127.0.0.1:{self.port}/"
        self.user, self.password = "alice", "secret"
        self.fingerprint = None
        self._thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)

    def start(self):
        self._thread.start()
        wait_until(lambda: _answers("127.0.0.1", self.port, bool(self.tls)), "the fake answering")
        with self._lock:
            self.requests.clear()  # the readiness probe is no client's

    def stop(self):
        self._released.set()
        self.httpd.shutdown()
        self.httpd.server_close()

    def with_credentials(self):
        """The requests that carried an Authorization header."""
        return [r for r in self.requests if "authorization" in r[2]]

    def _rule(self, method, path):
        with self._lock:
            for at, (want, prefix, answer, *times) in enumerate(self.rules):
                if (want == "*" or method == want or (isinstance(want, tuple) and method in want)) \
                        and path.startswith(prefix):
                    if times:  # a fourth item: how many more times the rule answers
                        if times[0] <= 1:
                            self.rules = self.rules[:at] + self.rules[at + 1:]
                        else:
                            self.rules = (self.rules[:at] + [(want, prefix, answer, times[0] - 1)]
                                          + self.rules[at + 1:])
                    return answer
        return None

    def _serve(self, h):
        body = _read_body(h)
        headers = {k.lower(): v for k, v in h.headers.items()}
        with self._lock:
            index = len(self.requests)
            self.requests.append((h.command, h.path, headers))
        hook = self.on_request
        if hook and hook(index, h.command, h.path, "before") == DROP:
            return _drop(h)
        answer = self._rule(h.command, h.path)
        if answer is not None:
            with self._lock:
                self.hits += 1
        elif self.upstream:
            answer = _pass_on(self.upstream, h, body)
            if hook and hook(index, h.command, h.path, "after") == DROP:
                return _drop(h)
        if answer is None:
            answer = Answer(404, b"not here")
        try:
            self._answer(h, answer)
            h.wfile.flush()
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            h.close_connection = True
        if hook:
            hook(index, h.command, h.path, "sent")

    def _answer(self, h, answer):
        if answer == UNAUTHORIZED:
            answer = Answer(401, b"no", [("WWW-Authenticate", 'Basic realm="fake"')])
        elif answer == GARBAGE:
            answer = Answer(207, b"<d:multistatus xmlns:d='DAV:'><d:response><<>>&&& not xml",
                            [("Content-Type", "application/xml; charset=utf-8")])
        elif answer == DROP:
            return _drop(h)
        elif answer == STALL:
            # Silent until the client gives up and closes, or the fake stops.
            h.connection.settimeout(0.1)
            while not self._released.is_set():
                try:
                    if not h.connection.recv(65536):
                        break
                except socket.timeout:
                    continue
                except OSError:
                    break
            return _drop(h)
        elif answer == HUGE:
            return self._huge(h)
        elif answer == GZIP_CUT:
            return self._gzip_cut(h)
        h.send_response(answer.status)
        for name, value in answer.headers:
            h.send_header(name, value)
        h.send_header("Content-Length", str(len(answer.body)))
        h.end_headers()
        h.wfile.write(answer.body)

    def _huge(self, h):
        """Journal entries of other programs, 64 KiB each, for 200 MB without an end: a client
        that applied them as they came, or kept them all, shows it."""
        text = ("a stream of text " * 4000)[:65536]
        piece = _response("/alice/huge/%08d.ics", _vjournal("huge-%08d@fake", "20260105", text))
        count = self.huge_bytes // len((piece % (0, 0)).encode()) + 1
        head = MULTISTATUS_HEAD.encode()
        size = len(head) + count * len((piece % (0, 0)).encode())
        h.send_response(207)
        h.send_header("Content-Type", "application/xml; charset=utf-8")
        h.send_header("Content-Length", str(size))
        h.end_headers()
        h.wfile.write(head)
        for i in range(count):
            h.wfile.write((piece % (i, i)).encode())
        h.close_connection = True

    def _gzip_cut(self, h):
        """A whole, well-formed answer gzipped, its true length announced, half of it sent."""
        body = MULTISTATUS_HEAD + "".join(
            _response(f"/alice/cut/{i}.ics", _vjournal(f"cut-{i}@fake", f"202601{1 + i % 28:02}",
                                                       f"cut answer entry {i}"))
            for i in range(2000)) + "<d:sync-token>http://fake/sync/2</d:sync-token></d:multistatus>"
        packed = gzip.compress(body.encode())
        h.send_response(207)
        h.send_header("Content-Type", "application/xml; charset=utf-8")
        h.send_header("Content-Encoding", "gzip")
        h.send_header("Content-Length", str(len(packed)))
        h.end_headers()
        h.wfile.write(packed[:len(packed) // 2])
        h.wfile.flush()
        _drop(h)


def _read_body(h):
    if h.headers.get("Transfer-Encoding", "").lower() == "chunked":
        body = b""
        while True:
            size = int(h.rfile.readline().split(b";")[0].strip() or b"0", 16)
            if not size:
                while h.rfile.readline() not in (b"\r\n", b"\n", b""):
                    pass
                return body
            body += h.rfile.read(size)
            h.rfile.readline()
    return h.rfile.read(int(h.headers.get("Content-Length") or 0))


def _drop(h):
    h.close_connection = True
    with contextlib.suppress(OSError):
        h.connection.shutdown(socket.SHUT_RDWR)


def _pass_on(upstream, h, body):
    target = urllib.parse.urlsplit(upstream)
    if target.scheme == "https":
        context = ssl._create_unverified_context()
        con = http.client.HTTPSConnection(target.hostname, target.port, timeout=120,
                                          context=context)
    else:
        con = http.client.HTTPConnection(target.hostname, target.port, timeout=120)
    skip = {"host", "connection", "keep-alive", "transfer-encoding", "content-length"}
    headers = {k: v for k, v in h.headers.items() if k.lower() not in skip}
    try:
        con.request(h.command, h.path, body=body, headers=headers)
        got = con.getresponse()
        data = got.read()
    except (OSError, http.client.HTTPException):
        return DROP  # the server behind is gone: so is the answer
    finally:
        con.close()
    return Answer(got.status, data, [(k, v) for k, v in got.getheaders() if k.lower() not in skip])


@contextlib.contextmanager
def fake(tmpdir, script=(), upstream=None, tls=False):
    """The fake on a free port. `script`: its first rules (see Fake); `tls=True` serves https
    with a self-signed certificate made in `tmpdir`, its fingerprint in `.fingerprint`."""
    cert = None
    fingerprint = None
    if tls:
        cert_file, key_file, digest = self_signed(os.path.abspath(tmpdir))
        cert, fingerprint = (cert_file, key_file), Fingerprint(digest)
    server = Fake(script, upstream, cert)
    server.fingerprint = fingerprint
    server.start()
    try:
        yield server
    finally:
        server.stop()


# --- The cutting proxy -----------------------------------------------------------------------

class CuttingProxy:
    """Forwards each connection to the target; while `cut_after_bytes` is set, a connection is
    closed (or reset, with `reset`) once that many bytes of answers went through it. `cuts`
    counts the connections it cut."""

    def __init__(self, target_url, cut_after_bytes=None, reset=False, delay_each_chunk=None):
        target = urllib.parse.urlsplit(target_url)
        self.target = (target.hostname, target.port)
        self.cut_after_bytes, self.reset, self.delay_each_chunk = cut_after_bytes, reset, delay_each_chunk
        self.cuts = 0
        self.connections = 0
        self.largest = 0  # the most answer bytes one connection carried
        self._listener = socket.create_server(("127.0.0.1", 0))
        self.port = self._listener.getsockname()[1]
        self.url = urllib.parse.urlunsplit(
            (target.scheme, f"127.0.0.1:{self.port}", target.path, target.query, ""))
        self._open = set()
        self._lock = threading.Lock()
        self._stopped = False
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while not self._stopped:
            try:
                client, _ = self._listener.accept()
            except OSError:
                return
            try:
                server = socket.create_connection(self.target, timeout=DEADLINE)
                server.settimeout(None)
            except OSError:
                client.close()
                continue
            with self._lock:
                self.connections += 1
                self._open |= {client, server}
            threading.Thread(target=self._pump, args=(client, server), daemon=True).start()

    def _pump(self, client, server):
        """Both directions in one thread, so that a cut closes what no other thread reads."""
        sent = 0
        reset = False
        try:
            while True:
                readable, _, _ = select.select([client, server], [], [])
                if client in readable:
                    chunk = client.recv(65536)
                    if not chunk:
                        break
                    server.sendall(chunk)
                if server in readable:
                    chunk = server.recv(65536)
                    if not chunk:
                        break
                    if self.delay_each_chunk:
                        time.sleep(self.delay_each_chunk)
                    limit = self.cut_after_bytes
                    if limit is not None and sent + len(chunk) >= limit:
                        client.sendall(chunk[:limit - sent])
                        with self._lock:
                            self.cuts += 1
                        reset = self.reset
                        break
                    client.sendall(chunk)
                    sent += len(chunk)
                    self.largest = max(self.largest, sent)
        except (OSError, ValueError):
            pass
        for s in (client, server):
            with contextlib.suppress(OSError):
                if reset:
                    # Closing with a zero linger sends RST instead of FIN.
                    s.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                else:
                    s.shutdown(socket.SHUT_RDWR)
            with contextlib.suppress(OSError):
                s.close()
        with self._lock:
            self._open -= {client, server}

    def stop(self):
        self._stopped = True
        self._listener.close()
        with self._lock:
            open_ = list(self._open)
        for s in open_:
            with contextlib.suppress(OSError):
                s.close()


@contextlib.contextmanager
def cutting_proxy(target_url, cut_after_bytes=None, reset=False, delay_each_chunk=None):
    proxy = CuttingProxy(target_url, cut_after_bytes, reset, delay_each_chunk)
    try:
        yield proxy
    finally:
        proxy.stop()


# --- A phone ---------------------------------------------------------------------------------

# America/Los_Angeles as phones send it: 23:30 there is the next morning in UTC.
LOS_ANGELES = """BEGIN:VTIMEZONE\r
TZID:America/Los_Angeles\r
BEGIN:DAYLIGHT\r
TZOFFSETFROM:-0800\r
TZOFFSETTO:-0700\r
TZNAME:PDT\r
DTSTART:19700308T020000\r
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r
END:DAYLIGHT\r
BEGIN:STANDARD\r
TZOFFSETFROM:-0700\r
TZOFFSETTO:-0800\r
TZNAME:PST\r
DTSTART:19701101T020000\r
RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r
END:STANDARD\r
END:VTIMEZONE\r
"""


def _escape(text):
    return (text.replace("\\", "\\\\").replace(";", "\\;").replace(",", "\\,")
            .replace("\r\n", "\n").replace("\n", "\\n"))


class Entry:
    def __init__(self, uid, day, description, href, data):
        self.uid, self.day, self.description, self.href, self.data = uid, day, description, href, data

    def __repr__(self):
        return f"Entry({self.uid!r}, {self.day}, {self.description!r})"


class Phone:
    """Another program on the same calendar, through python3-caldav. The calendar is the one
    named `calendar`, else the first that takes journal entries."""

    def __init__(self, url, user, password, calendar=None, verify=True):
        import caldav
        self._caldav = caldav
        self.client = caldav.DAVClient(url, username=user, password=password, ssl_verify_cert=verify)
        self.url, self.calendar_name = url, calendar
        self._calendar = None

    def calendars(self):
        return self.client.principal().calendars()

    def make_calendar(self, name, components=("VJOURNAL",)):
        self._calendar = self.client.principal().make_calendar(
            name=name, supported_calendar_component_set=list(components))
        return self._calendar

    @property
    def calendar(self):
        if self._calendar is None:
            for cal in self.calendars():
                if self.calendar_name is not None:
                    if cal.name == self.calendar_name:
                        self._calendar = cal
                        break
                elif "VJOURNAL" in cal.get_supported_components():
                    self._calendar = cal
                    break
            else:
                raise LookupError(f"no calendar {self.calendar_name or 'for journal entries'} "
                                  f"at {self.url}")
        return self._calendar

    def objects(self):
        """{href: raw iCalendar text} of every journal entry, event and task in the calendar."""
        cal = self.calendar
        return {str(obj.url): obj.data for obj in cal.journals() + cal.events() + cal.todos()}

    def entries(self):
        """Every journal entry: its uid, its day (DTSTART's date as written, in its own zone)
        and DESCRIPTION, line breaks as LF."""
        import vobject
        found = []
        for href, data in self.objects().items():
            cal = vobject.readOne(data)
            for journal in cal.contents.get("vjournal", []):
                start = journal.dtstart.value if hasattr(journal, "dtstart") else None
                day = start.date() if hasattr(start, "date") else start
                text = journal.description.value if hasattr(journal, "description") else ""
                found.append(Entry(journal.uid.value, day, text.replace("\r\n", "\n"), href, data))
        return found

    def add(self, day, text, uid=None, at=None, tzid=None):
        """A journal entry for `day` (a date): DTSTART a date, or the time `at` ("HHMMSS") in
        `tzid` (only America/Los_Angeles is carried along) or in UTC ("Z")."""
        uid = uid or f"{uuid.uuid4()}@phone"
        if at is None:
            start, zone = f"DTSTART;VALUE=DATE:{day:%Y%m%d}\r\n", ""
        elif tzid:
            start, zone = f"DTSTART;TZID={tzid}:{day:%Y%m%d}T{at}\r\n", LOS_ANGELES
        else:
            start, zone = f"DTSTART:{day:%Y%m%d}T{at}Z\r\n", ""
        ics = (f"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//Test//EN\r\n{zone}"
               f"BEGIN:VJOURNAL\r\nUID:{uid}\r\nDTSTAMP:20260101T120000Z\r\n{start}"
               f"SUMMARY:{_escape(text.splitlines()[0] if text else '')}\r\n"
               f"DESCRIPTION:{_escape(text)}\r\nEND:VJOURNAL\r\nEND:VCALENDAR\r\n")
        self.calendar.save_journal(ics)
        return uid

    def add_raw(self, ics):
        """Any calendar object (an event, a task) as given."""
        self.calendar.add_event(ics) if "VEVENT" in ics else self.calendar.save_todo(ics)

    def _by_uid(self, uid):
        for entry in self.entries():
            if entry.uid == uid:
                return entry
        raise LookupError(uid)

    def change(self, uid, text):
        """Rewrites the entry's DESCRIPTION (and SUMMARY), keeping the rest."""
        entry = self._by_uid(uid)
        obj = self.calendar.journal_by_uid(uid)
        journal = obj.vobject_instance.vjournal
        journal.description.value = text
        if hasattr(journal, "summary"):
            journal.summary.value = text.splitlines()[0] if text else ""
        if hasattr(journal, "last_modified"):
            del journal.last_modified
        obj.save()
        return entry

    def delete(self, uid):
        self.calendar.journal_by_uid(uid).delete()


def phone(url, user, password, calendar=None, verify=True):
    return Phone(url, user, password, calendar, verify)


def main(argv):
    if len(argv) != 3 or argv[1] not in ("radicale", "xandikos"):
        print(f"usage: {argv[0]} radicale|xandikos DIR", file=sys.stderr)
        return 2
    os.makedirs(argv[2], exist_ok=True)
    with (radicale if argv[1] == "radicale" else xandikos)(argv[2]) as server:
        print(server.url, server.user, server.password, flush=True)
        # Killed or interrupted, it still stops the server on the way out.
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
        try:
            server.process.wait()
        except KeyboardInterrupt:
            pass
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
