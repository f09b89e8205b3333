#!/usr/bin/env python3
"""Local service simulator: bootstrap page, update folder, parse service and test videos over HTTP, with fault modes and a request log."""

import argparse
import collections
import fcntl
import zlib
import json
import os
import re
import signal
import socket
import struct
import sys
import termios
import threading
import time
import urllib.parse
from email.utils import formatdate
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from socketserver import TCPServer

DEFAULT_PORT = 8631
HOST = "127.0.0.1"
LOG_LIMIT = 10000
CONNECTION_TIMEOUT = 120.0   # seconds a connection may sit idle or blocked
TRICKLE_PAUSE = 0.1
SEND_CHUNK = 1 << 20
DRAIN_LIMIT = 2.0            # seconds to let the peer take sent bytes before a hard close
MAX_VIDEO = 1 << 63

TEXT_HTML = "text/html; charset=gbk"
TEXT_PLAIN = "text/plain; charset=gbk"
NOT_FOUND_PAGE = "<html>404 页面不存在</html>"

UPDATE_KEYS = ("版本", "更新信息", "路径", "广告", "名称", "后缀")
TEXT_KEYS = UPDATE_KEYS + ("boot", "sjraw", "getuser", "getdown")
MAP_KEYS = ("faults", "files", "sources")

QVOD_PAGE = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=gbk">'
             "<title>影片播放</title></head><body>\r\n"
             '<a href="qvod://123456|ABCDEF|电影.rmvb|">点击播放 电影.rmvb</a>\r\n'
             "</body></html>")
AD_PAGE = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=gbk">'
           "<title>广告</title></head><body>欢迎使用，本月新片抢先看！</body></html>")
DOWNLOAD_PAGE = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=gbk">'
                 "<title>下载新版本</title></head><body>请下载最新版本。</body></html>")


# --- video pattern ---------------------------------------------------------
# Byte i of every video is (i * 7 + (i >> 13)) & 0xFF. Within an 8 KiB block
# (i >> 13) is constant and 8192 * 7 is a multiple of 256, so block b is the
# base block shifted by b; the whole pattern repeats every 256 blocks.

PATTERN_PERIOD = 256 * 8192


def _build_pattern():
    base = bytes((j * 7) & 0xFF for j in range(8192))
    blocks = [base.translate(bytes((k + b) & 0xFF for k in range(256))) for b in range(256)]
    period = b"".join(blocks)
    return memoryview(period + period)   # doubled, so any window of one period is one slice


_PATTERN = _build_pattern()


def video_chunks(start, length, step=SEND_CHUNK):
    """Yields the video bytes [start, start + length) as slices of at most step bytes."""
    step = min(step, PATTERN_PERIOD)
    pos, end = start, start + length
    while pos < end:
        offset = pos % PATTERN_PERIOD
        size = min(step, end - pos)
        yield _PATTERN[offset:offset + size]
        pos += size


def video_bytes(start, length):
    """The video bytes [start, start + length) in one piece (for tests that compare)."""
    return b"".join(video_chunks(start, length))


# --- fault modes -------------------------------------------------------------

def _flag(text):
    return int(text) != 0


def _count(limit):
    def parse(text):
        value = int(text)
        if not 0 <= value <= limit:
            raise ValueError(text)
        return value
    return parse


def _seconds(text):
    value = float(text)
    if not 0 <= value < 1e6:
        raise ValueError(text)
    return value


def _status(text):
    value = int(text)
    if not 200 <= value <= 599:
        raise ValueError(text)
    return value


def _name(text):
    if not re.fullmatch(r"[A-Za-z0-9_-]{1,40}", text):
        raise ValueError(text)
    return text


def _positive(text):
    value = int(text)
    if value < 1:
        raise ValueError(text)
    return value


FAULTS = {
    "nolength": _flag, "cut": _count(MAX_VIDEO), "stall": _seconds, "trickle": _positive,
    "status": _status, "garbage": _flag, "longheaders": _count(1 << 24),
    "setcookie": _count(100000), "announce": _count(MAX_VIDEO), "zero": _flag,
    "norange": _flag, "failfirst": _count(1000), "hold": _name, "gzip": _flag,
}


def parse_faults(query, strict=False):
    """Fault settings named in a query text. Other parameters and bad values are
    skipped, or raise ValueError when strict (control input)."""
    faults = {}
    for item in query.split("&"):
        name, sep, value = item.partition("=")
        if name not in FAULTS:
            if strict and item:
                raise ValueError(f"unknown fault {item!r}")
            continue
        try:
            faults[name] = FAULTS[name](value)
        except ValueError:
            if strict:
                raise ValueError(f"bad fault value {item!r}") from None
    for name in ("nolength", "garbage", "zero", "norange", "gzip"):
        if not faults.get(name, True):
            del faults[name]
    return faults


# --- state -------------------------------------------------------------------

class LoggedRequest:
    __slots__ = ("method", "target", "headers", "body", "raw")

    def __init__(self, method, target, headers, body, raw):
        self.method, self.target, self.headers, self.body, self.raw = method, target, headers, body, raw

    def as_json(self):
        return {"method": self.method, "path": self.target.decode("latin-1"),
                "headers": self.headers, "body": self.body.decode("latin-1")}


def _check_gbk(what, value):
    if not isinstance(value, str):
        raise ValueError(f"{what}: expected a string")
    try:
        value.encode("gbk")
    except UnicodeEncodeError:
        raise ValueError(f"{what}: not representable in GBK") from None


def _check_map(key, value):
    if not isinstance(value, dict):
        raise ValueError(f"{key}: expected an object")
    for name, text in value.items():
        _check_gbk(f"{key} name", name)
        _check_gbk(f"{key}[{name}]", text)
        if key == "faults":
            parse_faults(text, strict=True)


class SimulatorState:
    """What the simulator serves and what it has received; shared by all handler threads."""

    def __init__(self, port):
        self.port = port
        self._lock = threading.Lock()
        self._log = collections.deque(maxlen=LOG_LIMIT)
        self._holds = {}
        self.reset()

    def defaults(self):
        base = f"http://{HOST}:{self.port}"
        videos = "$$".join(f"{base}/video/{k}000000.flv?a={k}&amp;b={k + 1}" for k in (1, 2, 3))
        return {"版本": "1.0", "更新信息": "修复了一些问题。", "路径": f"{base}/download.html",
                "广告": "", "名称": "Tavrin.exe|Play.dll", "后缀": ".txt",
                "boot": None, "sjraw": None, "getuser": "0|12|88|0|0", "getdown": videos}

    def reset(self):
        with self._lock:
            self._values = self.defaults()
            self._faults = {}
            self._files = {}
            self._sources = {}
            self._failed = collections.Counter()
            self._log.clear()
            holds, self._holds = self._holds, {}
        for held in holds.values():   # a reset lets every held answer go on
            held.set()

    def hold(self, name):
        """The event that lets the answers held under the name go on."""
        with self._lock:
            return self._holds.setdefault(name, threading.Event())

    def release(self, name):
        self.hold(name).set()

    def apply(self, updates):
        """Merges a control object into the state; all or nothing. Raises ValueError."""
        if not isinstance(updates, dict):
            raise ValueError("expected a JSON object")
        for key, value in updates.items():
            if key in TEXT_KEYS:
                _check_gbk(key, value)
            elif key in MAP_KEYS:
                _check_map(key, value)
            else:
                raise ValueError(f"unknown key {key!r}")
        with self._lock:
            for key, value in updates.items():
                if key == "files":
                    self._files.update(value)
                elif key == "sources":
                    self._sources.update(value)
                elif key == "faults":
                    for prefix, faults_text in value.items():
                        if faults_text:
                            self._faults[prefix.encode("gbk")] = faults_text
                        else:
                            self._faults.pop(prefix.encode("gbk"), None)
                else:
                    self._values[key] = value

    def value(self, key):
        with self._lock:
            return self._values[key]

    def file_text(self, name):
        with self._lock:
            return self._files.get(name, "FILE:" + name)

    # -- update files served from local files --

    def file_source(self, name):
        """The local file whose bytes are served for an update file, or None."""
        with self._lock:
            return self._sources.get(name)

    def file_bytes(self, name):
        """An update file's body: the bytes of its local source file when one is
        set (so real programs can be served), else its text in GBK."""
        source = self.file_source(name)
        if source:
            try:
                with open(source, "rb") as data:
                    return data.read()
            except OSError:
                return None
        return self.file_text(name).encode("gbk")

    def faults_for(self, target):
        with self._lock:
            matching = [(p, s) for p, s in self._faults.items() if target.startswith(p)]
        faults = {}
        for _, faults_text in sorted(matching, key=lambda item: len(item[0])):   # longer prefixes win
            faults.update(parse_faults(faults_text))
        return faults

    def fails_now(self, target, first):
        """True for the first `first` requests of this exact target (failfirst)."""
        with self._lock:
            self._failed[target] += 1
            return self._failed[target] <= first

    def record(self, entry):
        with self._lock:
            self._log.append(entry)

    def matching(self, prefix):
        with self._lock:
            return [e for e in self._log if e.target.startswith(prefix)]

    def log_json(self):
        with self._lock:
            entries = [e.as_json() for e in self._log]
        return json.dumps(entries)


# --- routes ------------------------------------------------------------------

class Reply:
    """A route's answer before fault modes: a text body or a piece of video."""

    def __init__(self, body=b"", status=200, ctype=TEXT_PLAIN, headers=(), video=None):
        self.body, self.status, self.ctype = body, status, ctype
        self.headers = list(headers)
        self.video = video   # (start, length) or None

    @property
    def length(self):
        return self.video[1] if self.video else len(self.body)

    def chunks(self, count, step):
        if self.video:
            yield from video_chunks(self.video[0], count, step)
            return
        view = memoryview(self.body)[:count]
        for pos in range(0, len(view), step):
            yield view[pos:pos + step]


def gzipped(reply):
    """The reply with its body gzip-compressed and marked so (fault gzip=1);
    the length, announced or cut, is then the compressed one."""
    packer = zlib.compressobj(6, zlib.DEFLATED, 16 + zlib.MAX_WBITS)
    body = b"".join(packer.compress(chunk) for chunk in reply.chunks(reply.length, SEND_CHUNK)) + packer.flush()
    return Reply(body, reply.status, reply.ctype, reply.headers + [("Content-Encoding", "gzip")])


def text_reply(text, ctype=TEXT_PLAIN, status=200):
    return Reply(text.encode("gbk"), status, ctype)


def not_found():
    return text_reply(NOT_FOUND_PAGE, TEXT_HTML, 404)


def boot_page(state):
    text = state.value("boot")
    if text is None:
        text = ('<html><head><meta http-equiv="Content-Type" content="text/html; charset=gbk">'
                "<title>服务引导</title></head><body>\r\n"
                f"S_Url=[http://{HOST}:{state.port}/VelkDown/index.Asp]\r\n</body></html>")
    return text_reply(text, TEXT_HTML)


def update_list(state):
    text = state.value("sjraw")
    if text is None:
        text = "".join(f"{key}=[{state.value(key)}]\r\n" for key in UPDATE_KEYS)
    return text_reply(text)


def update_file(state, name_bytes):
    suffix = state.value("后缀")
    for name in state.value("名称").split("|"):
        if name and (name + suffix).encode("gbk") == name_bytes:
            body = state.file_bytes(name)
            return not_found() if body is None else Reply(body, ctype="application/octet-stream")
    return not_found()


def service_reply(state, query):
    action = None
    for item in query.split("&"):
        if item.startswith("A="):
            action = item[2:]
            break
    if action == "GetuSer":
        return text_reply(state.value("getuser"), TEXT_HTML)
    if action == "GetDown":
        return text_reply(with_base(state, state.value("getdown")), TEXT_HTML)
    return not_found()


# --- parse road: lists that name the simulator, sizes that fail first --------

BASE_MARK = "{base}"


def with_base(state, text):
    """The text with every "{base}" replaced by the simulator's own address
    (http://127.0.0.1:port), so a test can set a reply list without the port."""
    return text.replace(BASE_MARK, f"http://{HOST}:{state.port}")


def failing_first(state, target, faults):
    """The failfirst fault: the first N requests of a target are answered with
    503, later ones as usual (a size that fails first and succeeds later)."""
    first = faults.pop("failfirst", 0)
    return first > 0 and state.fails_now(target, first)


RANGE_FROM = re.compile(r"bytes\s*=\s*(\d+)\s*-\s*$")
VIDEO_PATH = re.compile(rb"/video/(\d+)\.[^/]*")


def video_reply(total, headers):
    ranges = [value for name, value in headers if name.lower() == "range"]
    match = RANGE_FROM.match(ranges[-1].strip()) if ranges else None
    if not match:
        return Reply(status=200, ctype="video/x-flv", headers=[("Accept-Ranges", "bytes")],
                     video=(0, total))
    start = int(match.group(1))
    if start >= total:
        return Reply(status=416, ctype="video/x-flv", headers=[("Content-Range", f"bytes */{total}")])
    return Reply(status=206, ctype="video/x-flv",
                 headers=[("Accept-Ranges", "bytes"), ("Content-Range", f"bytes {start}-{total - 1}/{total}")],
                 video=(start, total - start))


def route(state, method, path, query, headers, raw):
    """The reply for a request; path is the percent-decoded path as bytes."""
    if path == b"/echo" and method in ("GET", "POST"):
        return Reply(raw)
    if method != "GET":
        return not_found()
    fixed = {
        b"/boot.html": lambda: boot_page(state),
        b"/online": lambda: text_reply("ok"),
        b"/VelkDown/up/sj.txt": lambda: update_list(state),
        b"/VelkDown/index.Asp": lambda: service_reply(state, query),
        b"/qvod.html": lambda: text_reply(QVOD_PAGE, TEXT_HTML),
        b"/ad.html": lambda: text_reply(AD_PAGE, TEXT_HTML),
        b"/download.html": lambda: text_reply(DOWNLOAD_PAGE, TEXT_HTML),
    }
    if path in fixed:
        return fixed[path]()
    video = VIDEO_PATH.fullmatch(path)
    if video and int(video.group(1)) <= MAX_VIDEO:
        return video_reply(int(video.group(1)), headers)
    if path.startswith(b"/VelkDown/up/"):
        return update_file(state, path[len(b"/VelkDown/up/"):])
    return not_found()


# --- HTTP --------------------------------------------------------------------

class RecordingReader:
    """Wraps a connection's input and keeps the lines read, so a request's head is
    available exactly as received."""

    def __init__(self, raw):
        self.raw = raw
        self.lines = []

    def readline(self, limit=-1):
        line = self.raw.readline(limit)
        self.lines.append(line)
        return line

    def __getattr__(self, name):
        return getattr(self.raw, name)


def header_pairs(lines):
    pairs = []
    for raw in lines:
        text = raw.decode("latin-1").rstrip("\r\n")
        if not text:
            break
        if text[0] in " \t" and pairs:
            pairs[-1][1] += " " + text.strip()
            continue
        name, _, value = text.partition(":")
        pairs.append([name.strip(), value.strip()])
    return pairs


def query_values(query):
    return [(urllib.parse.unquote(k, errors="strict"), urllib.parse.unquote(v, errors="strict"))
            for k, _, v in (item.partition("=") for item in query.split("&") if item)]


def path_prefix(query):
    """The path= value of a count or last request; everything after it, so an
    unencoded "&" in the prefix still belongs to it."""
    text = query if query.startswith("path=") else ""
    if not text:
        for item in query.split("&"):
            if item.startswith("path="):
                text = item
    return urllib.parse.unquote_to_bytes(text[len("path="):])


class SimulatorHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "ServiceSimulator/1.0"
    timeout = CONNECTION_TIMEOUT
    disable_nagle_algorithm = True

    def setup(self):
        super().setup()
        self.rfile = RecordingReader(self.rfile)
        self.server.track(self)

    def finish(self):
        try:
            super().finish()
        finally:
            self.server.untrack(self)

    def handle_one_request(self):
        self.rfile.lines = []
        super().handle_one_request()

    def log_message(self, format, *args):
        if not self.server.quiet:
            super().log_message(format, *args)

    def do_GET(self):
        self.serve()

    do_POST = do_GET

    # -- one request --

    def serve(self):
        body = self.read_body()
        if body is None:
            return
        target = self.path.encode("latin-1")
        path, _, query = target.partition(b"?")
        query = query.decode("latin-1")
        if path.startswith(b"/_control/"):
            self.control(path[len(b"/_control/"):].decode("latin-1"), query, body)
            return
        headers = header_pairs(self.rfile.lines[1:])
        raw = b"".join(self.rfile.lines) + body
        state = self.server.state
        state.record(LoggedRequest(self.command, target, headers, body, raw))
        faults = state.faults_for(target)
        faults.update(parse_faults(query))
        if faults.get("norange"):  # a server that does not know ranges
            headers = [(name, value) for name, value in headers if name.lower() != "range"]
        reply = route(state, self.command, urllib.parse.unquote_to_bytes(path), query, headers, raw)
        if failing_first(state, target, faults):
            reply = text_reply("服务暂不可用", TEXT_HTML, 503)
        self.deliver(reply, faults)

    def read_body(self):
        if "chunked" in self.headers.get("Transfer-Encoding", "").lower():
            self.close_connection = True
            return b""
        try:
            length = int(self.headers.get("Content-Length", "0"))
            if length < 0:
                raise ValueError
        except ValueError:
            self.send_error(400, "bad Content-Length")
            return None
        return self.rfile.read(length) if length else b""

    def deliver(self, reply, faults):
        if "stall" in faults and self.server.stopping.wait(faults["stall"]):
            self.close_connection = True
            return
        if faults.get("garbage"):
            self.write(b"\x00\x9c garbage \xff" + os.urandom(240))
            self.close_connection = True
            return
        if faults.get("zero") and not reply.video:
            middle = len(reply.body) // 2
            reply.body = reply.body[:middle] + b"\0" + reply.body[middle:]
        if faults.get("gzip"):
            reply = gzipped(reply)
        status = faults.get("status", reply.status)
        sending = reply.length
        if "announce" in faults:
            sending = min(sending, faults["announce"])
        if "cut" in faults:
            sending = min(sending, faults["cut"])
        closing = self.close_connection or any(k in faults for k in ("nolength", "cut", "announce"))
        headers = [("Content-Type", reply.ctype)] + reply.headers
        if not faults.get("nolength"):
            headers.append(("Content-Length", str(faults.get("announce", reply.length))))
        if closing and "cut" not in faults:
            headers.append(("Connection", "close"))
        headers += [("Set-Cookie", f"c{k}=v{k}; path=/") for k in range(1, faults.get("setcookie", 0) + 1)]
        self.log_request(status, sending)
        sent = (self.write(self.head_block(status, headers, faults.get("longheaders", 0)))
                and self.write_body(reply, sending, faults.get("trickle"), faults.get("hold")))
        if sent and "cut" in faults:
            self.hard_close()
        self.close_connection = self.close_connection or closing or not sent

    def head_block(self, status, headers, min_size=0):
        reason = self.responses.get(status, ("Status",))[0]
        lines = [f"HTTP/1.1 {status} {reason}\r\n", f"Server: {self.version_string()}\r\n",
                 f"Date: {formatdate(usegmt=True)}\r\n"]
        lines += [f"{name}: {value}\r\n" for name, value in headers]
        size = sum(len(line) for line in lines) + 2
        k = 0
        while size < min_size:
            k += 1
            lines.append(f"X-Filler-{k}: {'x' * 100}\r\n")
            size += len(lines[-1])
        return ("".join(lines) + "\r\n").encode("latin-1")

    def write_body(self, reply, count, trickle, hold=None):
        """The body; with a hold, the second half (or what follows the first
        trickled piece) waits until the test releases the name or resets the
        simulator."""
        step = trickle or (max(1, min(SEND_CHUNK, (count + 1) // 2)) if hold else SEND_CHUNK)
        for index, chunk in enumerate(reply.chunks(count, step)):
            if hold and index == 1 and not self.wait_for_release(hold):
                return False
            if trickle and index and self.server.stopping.wait(TRICKLE_PAUSE):
                return False
            if not self.write(chunk):
                return False
        return True

    def wait_for_release(self, name):
        released = self.server.state.hold(name)
        while not released.wait(TRICKLE_PAUSE):
            if self.server.stopping.is_set():
                return False
        return True

    def write(self, data):
        try:
            self.wfile.write(data)
            return True
        except OSError:
            self.close_connection = True
            return False

    def hard_close(self):
        """Lets the peer take what was sent, then resets the connection."""
        sock = self.connection
        deadline = time.monotonic() + DRAIN_LIMIT
        try:
            while time.monotonic() < deadline and not self.server.stopping.is_set():
                unsent = struct.unpack("i", fcntl.ioctl(sock.fileno(), termios.TIOCOUTQ, b"\0" * 4))[0]
                if unsent == 0:
                    break
                time.sleep(0.005)
            sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.rfile.close()
            sock.close()
        except OSError:
            pass

    # -- control requests --

    def control(self, name, query, body):
        state = self.server.state
        try:
            if name == "set":
                state.apply(json.loads(body.decode("utf-8")) if body else dict(query_values(query)))
                self.answer(b"ok")
            elif name == "release":
                state.release(_name(query))
                self.answer(b"ok")
            elif name == "reset":
                state.reset()
                self.answer(b"ok")
            elif name == "log":
                self.answer(state.log_json().encode("ascii"), "application/json")
            elif name == "count":
                self.answer(str(len(state.matching(path_prefix(query)))).encode("ascii"))
            elif name == "last":
                found = state.matching(path_prefix(query))
                self.answer(found[-1].raw if found else b"", "application/octet-stream")
            elif name == "stop":
                self.close_connection = True
                self.answer(b"ok")
                threading.Thread(target=self.server.stop, daemon=True).start()
            else:
                self.answer(NOT_FOUND_PAGE.encode("gbk"), TEXT_HTML, 404)
        except (ValueError, UnicodeDecodeError) as error:
            self.answer(f"error: {error}".encode("utf-8"), "text/plain; charset=utf-8", 400)

    def answer(self, body, ctype=TEXT_PLAIN, status=200):
        headers = [("Content-Type", ctype), ("Content-Length", str(len(body)))]
        if self.close_connection:
            headers.append(("Connection", "close"))
        self.log_request(status, len(body))
        self.write(self.head_block(status, headers) + body)


class SimulatorServer(ThreadingHTTPServer):
    """The simulator on 127.0.0.1; start() serves on a thread, stop() ends it
    and every open connection."""

    daemon_threads = True
    block_on_close = False   # stop() closes the connections and joins their threads itself
    request_queue_size = 64

    def __init__(self, port=0, quiet=True):
        super().__init__((HOST, port), SimulatorHandler)
        self.quiet = quiet
        self.state = SimulatorState(self.port)
        self.stopping = threading.Event()
        self._stopped = threading.Event()
        self._stop_lock = threading.Lock()
        self._handlers_lock = threading.Lock()
        self._handlers = {}
        self._thread = None

    def server_bind(self):
        TCPServer.server_bind(self)   # skips the reverse name look-up of HTTPServer
        self.server_name, self.server_port = self.server_address[:2]

    @property
    def port(self):
        return self.server_address[1]

    @property
    def url(self):
        return f"http://{HOST}:{self.port}/"

    def start(self):
        self._thread = threading.Thread(target=self.serve_forever, kwargs={"poll_interval": 0.05},
                                        name="simulator", daemon=True)
        self._thread.start()
        return self

    def track(self, handler):
        with self._handlers_lock:
            self._handlers[handler] = threading.current_thread()
        if self.stopping.is_set():
            self._drop(handler.connection)

    def untrack(self, handler):
        with self._handlers_lock:
            self._handlers.pop(handler, None)

    @staticmethod
    def _drop(sock):
        try:
            sock.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass

    def stop(self, grace=2.0):
        """Stops accepting, wakes stalled and trickling answers, closes every
        connection and waits (up to grace seconds) for their threads."""
        with self._stop_lock:
            if self._stopped.is_set():
                return
            self.stopping.set()
            if self._thread:
                self.shutdown()
                self._thread.join()
            with self._handlers_lock:
                handlers = list(self._handlers.items())
            for handler, _ in handlers:
                self._drop(handler.connection)
            self.server_close()
            deadline = time.monotonic() + grace
            for _, thread in handlers:
                if thread is not threading.current_thread():
                    thread.join(max(0.0, deadline - time.monotonic()))
            self._stopped.set()

    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], OSError):   # a peer that went away is no error here
            super().handle_error(request, client_address)

    def wait_stopped(self, timeout=None):
        return self._stopped.wait(timeout)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()


def start_simulator(port=0, quiet=True):
    """Runs the simulator in this process on a thread; the result has .port,
    .url, .state and .stop()."""
    return SimulatorServer(port, quiet).start()


# --- command line ------------------------------------------------------------

def write_file(path, text):
    temp = f"{path}.{os.getpid()}.tmp"
    with open(temp, "w") as out:
        out.write(text)
    os.replace(temp, path)


def detach(server, args):
    """Forks; the parent announces the child and leaves, the child goes on serving."""
    child = os.fork()
    if child:
        announce(server, args, child)
        os._exit(0)
    os.setsid()
    null = os.open(os.devnull, os.O_RDWR)
    for fd in (0, 1, 2):
        os.dup2(null, fd)
    os.close(null)


def announce(server, args, pid):
    if args.pid_file:
        write_file(args.pid_file, f"{pid}\n")
    if args.port_file:
        write_file(args.port_file, f"{server.port}\n")
    print(f"simulator listening on {server.url}", flush=True)


def main(argv=None):
    parser = argparse.ArgumentParser(description="Local service simulator.")
    parser.add_argument("--port", type=int, default=DEFAULT_PORT, help="port to listen on (0: a free one)")
    parser.add_argument("--port-file", help="file to write the chosen port to once listening")
    parser.add_argument("--daemon", action="store_true", help="fork into the background once listening")
    parser.add_argument("--pid-file", help="file to write the serving process id to")
    parser.add_argument("--quiet", action="store_true", help="do not log requests on stderr")
    args = parser.parse_args(argv)
    try:
        server = SimulatorServer(args.port, args.quiet)
    except OSError as error:
        print(f"simulator: cannot listen on port {args.port}: {error}", file=sys.stderr)
        return 1
    if args.daemon:
        detach(server, args)
    else:
        announce(server, args, os.getpid())
    for signum in (signal.SIGTERM, signal.SIGINT):
        signal.signal(signum, lambda *_: threading.Thread(target=server.stop, daemon=True).start())
    server.start()
    while not server.wait_stopped(0.5):
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
