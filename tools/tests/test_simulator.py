"""Tests of the service simulator: routes, ranges, fault modes, control requests and clean stops."""

import gzip
import http.client
import json
import os
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TOOLS)
import simulator  # noqa: E402


def pattern(start, length):
    """The video bytes computed straight from the formula, not from the simulator's table."""
    return bytes((i * 7 + (i >> 13)) & 0xFF for i in range(start, start + length))


def exchange(port, request, timeout=5):
    """Sends raw request bytes and reads until the server closes; a reset ends the data with b"<RST>"."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as sock:
        sock.sendall(request)
        data = b""
        while True:
            try:
                piece = sock.recv(65536)
            except ConnectionResetError:
                return data + b"<RST>"
            if not piece:
                return data
            data += piece


def split_response(data):
    head, _, body = data.partition(b"\r\n\r\n")
    lines = head.decode("latin-1").split("\r\n")
    headers = [tuple(line.split(": ", 1)) for line in lines[1:]]
    return int(lines[0].split()[1]), headers, body


def raw_get(port, target, extra=""):
    return split_response(exchange(port, f"GET {target} HTTP/1.1\r\nHost: x\r\n{extra}Connection: close\r\n\r\n".encode("latin-1")))


class SimulatorCase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sim = simulator.start_simulator()
        cls.port = cls.sim.port
        cls.base = f"http://127.0.0.1:{cls.port}"

    @classmethod
    def tearDownClass(cls):
        cls.sim.stop()

    def setUp(self):
        self.conn = http.client.HTTPConnection("127.0.0.1", self.port, timeout=5)
        self.addCleanup(self.conn.close)
        self.assertEqual(self.get("/_control/reset")[2], b"ok")

    def request(self, method, path, body=None, headers=None):
        self.conn.request(method, path, body=body, headers=headers or {})
        resp = self.conn.getresponse()
        return resp.status, resp, resp.read()

    def get(self, path, headers=None):
        return self.request("GET", path, headers=headers)

    def status_body(self, path):
        status, _, body = self.get(path)
        return status, body

    def set(self, values):
        return self.request("POST", "/_control/set", json.dumps(values).encode("utf-8"))


class RouteTest(SimulatorCase):
    def test_pages_are_gbk_with_their_length(self):
        expected = {
            "/boot.html": f"S_Url=[{self.base}/VelkDown/index.Asp]",
            "/online": "ok",
            "/qvod.html": '<a href="qvod://123456|ABCDEF|电影.rmvb|">',
            "/ad.html": "广告", "/download.html": "下载",
            "/VelkDown/index.Asp?A=GetuSer&uCpu=ABC": "0|12|88|0|0",
            "/nothing.html": "<html>404 页面不存在</html>",
            "/VelkDown/index.Asp?A=Other": "404",
        }
        for path, text in expected.items():
            status, resp, body = self.get(path)
            self.assertEqual(status, 404 if "404" in text else 200, path)
            self.assertEqual(int(resp.headers["Content-Length"]), len(body), path)
            self.assertIn(text, body.decode("gbk"), path)
        self.assertEqual(self.get("/online")[2], b"ok")

    def test_update_list_and_files(self):
        port = self.port
        self.assertEqual(self.get("/VelkDown/up/sj.txt")[2].decode("gbk"),
                         f"版本=[1.0]\r\n更新信息=[修复了一些问题。]\r\n路径=[http://127.0.0.1:{port}/download.html]\r\n"
                         "广告=[]\r\n名称=[Tavrin.exe|Play.dll]\r\n后缀=[.txt]\r\n")
        self.get("/_control/set?" + urllib.parse.quote("版本") + "=1.01&getuser=" + urllib.parse.quote("1|2|3+4"))
        self.set({"广告": "http://ad/", "名称": "新.exe|Play.dll", "files": {"Play.dll": "数据"}})
        sj = self.get("/VelkDown/up/sj.txt")[2].decode("gbk")
        self.assertIn("版本=[1.01]\r\n", sj)
        self.assertIn("广告=[http://ad/]\r\n", sj)
        self.assertEqual(self.get("/VelkDown/index.Asp?A=GetuSer")[2], b"1|2|3+4")
        self.assertEqual(self.get("/VelkDown/up/Play.dll.txt")[2], "数据".encode("gbk"))
        self.assertEqual(self.get("/VelkDown/up/" + urllib.parse.quote("新.exe.txt".encode("gbk")))[2],
                         "FILE:新.exe".encode("gbk"))
        self.assertEqual(self.get("/VelkDown/up/Tavrin.exe.txt")[0], 404)
        self.set({"sjraw": "版本=[9]", "boot": ""})
        self.assertEqual(self.get("/VelkDown/up/sj.txt")[2], "版本=[9]".encode("gbk"))
        self.assertEqual(self.status_body("/boot.html"), (200, b""))

    def test_parse_replies(self):
        videos = self.get("/VelkDown/index.Asp?A=GetDown&uLei=0&uUrl=http://a.b/c&uCpu=1")[2].decode("gbk").split("$$")
        self.assertEqual(len(videos), 3)
        for address in videos:
            self.assertRegex(address, rf"^{self.base}/video/\d+\.flv\?a=\d&amp;b=\d$")
        for reply in ("0", "1", "3", "", "0\r\n"):
            self.set({"getdown": reply})
            status, resp, body = self.get("/VelkDown/index.Asp?A=GetDown&uLei=1")
            self.assertEqual((status, body), (200, reply.encode()))

    def test_video_body_and_ranges(self):
        self.assertEqual(self.get("/video/70000.flv")[2], pattern(0, 70000))
        status, resp, body = self.get("/video/1000.mp4", {"Range": "bytes=100-"})
        self.assertEqual((status, resp.headers["Content-Range"], body), (206, "bytes 100-999/1000", pattern(100, 900)))
        self.assertEqual(resp.headers["Content-Type"], "video/x-flv")
        period = simulator.PATTERN_PERIOD
        status, headers, body = raw_get(self.port, f"/video/{period + 10}.flv", f"Range:bytes={period - 10}-\r\n")
        self.assertEqual((status, dict(headers)["Content-Length"], body), (206, "20", pattern(period - 10, 20)))
        top = 2 ** 63
        status, resp, body = self.get(f"/video/{top}.flv", {"Range": f"bytes={top - 50}-"})
        self.assertEqual((status, body), (206, pattern(top - 50, 50)))
        self.assertEqual(self.get("/video/10.flv", {"Range": "bytes=10-"})[0], 416)
        # norange=1 answers as a server that does not know ranges.
        status, resp, body = self.get("/video/1000.mp4?norange=1", {"Range": "bytes=100-"})
        self.assertEqual((status, body), (200, pattern(0, 1000)))
        self.assertEqual(self.get(f"/video/{top + 1}.flv")[0], 404)

    def test_echo_returns_the_request_as_received(self):
        request = b"POST /echo?x=1 HTTP/1.1\r\nHost: h\r\nX-Odd:no space\r\nContent-Length: 4\r\nConnection: close\r\n\r\nab\x00\xff"
        status, _, body = split_response(exchange(self.port, request))
        self.assertEqual((status, body), (200, request))


    def test_update_files_from_local_sources_with_faults(self):
        data = bytes(range(256)) * 100
        with tempfile.TemporaryDirectory() as folder:
            source = os.path.join(folder, "新.exe")
            with open(source, "wb") as out:
                out.write(data)
            self.set({"名称": "Tavrin.exe|Play.dll", "后缀": ".upd",
                      "sources": {"Tavrin.exe": source, "Play.dll": os.path.join(folder, "missing")}})
            self.assertEqual(self.status_body("/VelkDown/up/Tavrin.exe.upd"), (200, data))
            self.assertEqual(self.get("/VelkDown/up/Play.dll.upd")[0], 404)
            self.set({"faults": {"/VelkDown/up/Tavrin.exe": "cut=1000"}})
            status, headers, body = raw_get(self.port, "/VelkDown/up/Tavrin.exe.upd")
            self.assertEqual((dict(headers)["Content-Length"], body), (str(len(data)), data[:1000] + b"<RST>"))
            self.set({"faults": {"/VelkDown/up/Tavrin.exe": "status=404"}})
            self.assertEqual(self.get("/VelkDown/up/Tavrin.exe.upd")[0], 404)


class FaultTest(SimulatorCase):
    def test_nolength_and_cut(self):
        status, headers, body = raw_get(self.port, "/video/5000.flv?nolength=1")
        self.assertNotIn("Content-Length", dict(headers))
        self.assertEqual(body, pattern(0, 5000))
        status, headers, body = raw_get(self.port, "/video/100000.flv?cut=5000")
        self.assertEqual(dict(headers)["Content-Length"], "100000")
        self.assertEqual(body.removesuffix(b"<RST>"), pattern(0, 5000))

    def test_stall_and_trickle(self):
        start = time.monotonic()
        self.assertEqual(self.get("/online?stall=0.3")[2], b"ok")
        self.assertGreaterEqual(time.monotonic() - start, 0.3)
        start = time.monotonic()
        self.assertEqual(self.get("/video/1000.flv?trickle=400")[2], pattern(0, 1000))
        self.assertGreaterEqual(time.monotonic() - start, 0.2)

    def test_a_held_body_waits_for_its_release(self):
        with socket.create_connection(("127.0.0.1", self.port), timeout=5) as sock:
            sock.sendall(b"GET /video/1000.flv?hold=h1 HTTP/1.1\r\nConnection: close\r\n\r\n")
            data = b""
            while len(data) < 500 or b"\r\n\r\n" not in data or len(data.split(b"\r\n\r\n", 1)[1]) < 500:
                data += sock.recv(65536)
            sock.settimeout(0.3)
            with self.assertRaises(socket.timeout):
                sock.recv(65536)   # the second half waits
            self.assertEqual(self.get("/_control/release?h1")[2], b"ok")
            sock.settimeout(5)
            while chunk := sock.recv(65536):
                data += chunk
        self.assertEqual(data.split(b"\r\n\r\n", 1)[1], pattern(0, 1000))
        self.assertEqual(self.get("/_control/release?no%20name")[0], 400)

    def test_status_garbage_headers_and_cookies(self):
        self.assertEqual(self.status_body("/online?status=500"), (500, b"ok"))
        self.assertEqual(self.get("/nowhere?status=200")[2], simulator.NOT_FOUND_PAGE.encode("gbk"))
        self.assertFalse(exchange(self.port, b"GET /online?garbage=1 HTTP/1.1\r\n\r\n").startswith(b"HTTP"))
        data = exchange(self.port, b"GET /online?longheaders=20000&setcookie=3 HTTP/1.1\r\nConnection: close\r\n\r\n")
        self.assertGreaterEqual(data.index(b"\r\n\r\n") + 4, 20000)
        self.assertIn(b"\r\nX-Filler-1: ", data)
        self.assertEqual(re.findall(rb"Set-Cookie: (.*)\r\n", data), [b"c%d=v%d; path=/" % (k, k) for k in (1, 2, 3)])

    def test_announce_and_zero(self):
        status, headers, body = raw_get(self.port, "/online?announce=5000000000")
        self.assertEqual((dict(headers)["Content-Length"], body), ("5000000000", b"ok"))
        status, headers, body = raw_get(self.port, "/video/1000.flv?announce=300")
        self.assertEqual((dict(headers)["Content-Length"], body), ("300", pattern(0, 300)))
        self.assertEqual(self.get("/online?zero=1")[2], b"o\0k")

    def test_gzip_sends_the_body_compressed_with_its_compressed_length(self):
        status, headers, body = raw_get(self.port, "/video/300000.flv?gzip=1", "Accept-Encoding: gzip\r\n")
        headers = dict(headers)
        self.assertEqual((status, headers["Content-Encoding"], headers["Content-Length"]), (200, "gzip", str(len(body))))
        self.assertLess(len(body), 300000)
        self.assertEqual(gzip.decompress(body), pattern(0, 300000))
        # Cut and announced lengths count the compressed bytes.
        status, headers, body = raw_get(self.port, "/video/300000.flv?gzip=1&cut=100")
        self.assertEqual(len(body.removesuffix(b"<RST>")), 100)
        self.assertEqual(self.get("/video/300.flv?gzip=0")[2], pattern(0, 300))

    def test_faults_by_path_prefix(self):
        self.set({"faults": {"/video/": "status=503&zero=1", "/video/7": "status=502"}})
        self.assertEqual(self.status_body("/video/10.flv"), (503, pattern(0, 10)))
        self.assertEqual(self.get("/video/7.flv")[0], 502)
        self.assertEqual(self.get("/video/10.flv?status=200")[0], 200)
        self.assertEqual(self.get("/online")[0], 200)
        self.set({"faults": {"/video/": ""}})
        self.assertEqual(self.get("/video/10.flv")[0], 200)


class ControlTest(SimulatorCase):
    def test_log_count_and_last(self):
        self.get("/online?a=1", {"X-Test": "\xe4"})
        request = b"POST /echo HTTP/1.1\r\nHost: h\r\nRange:bytes=5-\r\nContent-Length: 3\r\nConnection: close\r\n\r\n\x01\x80z"
        exchange(self.port, request)
        log = json.loads(self.get("/_control/log")[2])
        self.assertEqual([(e["method"], e["path"]) for e in log], [("GET", "/online?a=1"), ("POST", "/echo")])
        self.assertIn(["X-Test", "\xe4"], log[0]["headers"])
        self.assertEqual((log[1]["headers"][1], log[1]["body"]), (["Range", "bytes=5-"], "\x01\x80z"))
        self.assertEqual(self.get("/_control/count?path=/online?a")[2], b"1")
        self.assertEqual(self.get("/_control/count?path=")[2], b"2")
        self.assertEqual(self.get("/_control/last?path=%2Fecho")[2], request)
        self.assertEqual(self.get("/_control/last?path=/none")[2], b"")
        self.get("/_control/reset")
        self.assertEqual(self.get("/_control/log")[2], b"[]")

    def test_bad_control_input_changes_nothing(self):
        for values in ({"版本": "2", "nosuchkey": "1"}, {"版本": "2", "faults": {"/": "cut=x"}},
                       {"版本": "2", "files": {"a": "\u20ac"}}, {"版本": 2}):
            self.assertEqual(self.set(values)[0], 400, values)
        self.assertEqual(self.request("POST", "/_control/set", b"{not json")[0], 400)
        self.assertEqual(self.get("/_control/set?faults=cut%3D1")[0], 400)
        self.assertIn("版本=[1.0]", self.get("/VelkDown/up/sj.txt")[2].decode("gbk"))

    def test_log_keeps_the_latest_requests(self):
        state = simulator.SimulatorState(1)
        for k in range(simulator.LOG_LIMIT + 5):
            state.record(simulator.LoggedRequest("GET", b"/r%d" % k, [], b"", b""))
        self.assertEqual(len(state.matching(b"/r")), simulator.LOG_LIMIT)
        self.assertEqual(state.matching(b"/r")[0].target, b"/r5")


class StopTest(unittest.TestCase):
    def test_stop_ends_stalled_and_trickling_answers(self):
        sim = simulator.start_simulator()
        socks = [socket.create_connection(("127.0.0.1", sim.port)) for _ in range(3)]
        socks[0].sendall(b"GET /online?stall=60 HTTP/1.1\r\n\r\n")
        socks[1].sendall(b"GET /video/100000000.flv?trickle=1 HTTP/1.1\r\n\r\n")
        socks[2].sendall(b"GET /online HTTP/1.1\r\n")   # a request that never ends
        while sim.state.matching(b"/online?stall")[:1] == [] or not sim.state.matching(b"/video"):
            time.sleep(0.01)
        start = time.monotonic()
        sim.stop()
        self.assertLess(time.monotonic() - start, 5)
        for sock in socks:
            sock.settimeout(5)
            with sock:
                while sock.recv(65536):
                    pass
        with self.assertRaises(ConnectionRefusedError):
            socket.create_connection(("127.0.0.1", sim.port)).close()

    def test_stop_request(self):
        sim = simulator.start_simulator()
        self.assertEqual(raw_get(sim.port, "/_control/stop")[2], b"ok")
        self.assertTrue(sim.wait_stopped(5))


class CommandLineTest(unittest.TestCase):
    script = os.path.join(TOOLS, "simulator.py")

    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.port_file = os.path.join(self.dir.name, "port")

    def read_port(self):
        with open(self.port_file) as f:
            text = f.read()
        self.assertRegex(text, r"^\d+\n$")
        return int(text)

    def test_serves_and_stops_on_sigterm(self):
        proc = subprocess.Popen([sys.executable, self.script, "--port", "0", "--port-file", self.port_file, "--quiet"],
                                stdout=subprocess.PIPE, text=True)
        self.addCleanup(proc.stdout.close)
        line = proc.stdout.readline()
        port = self.read_port()
        self.assertEqual(line, f"simulator listening on http://127.0.0.1:{port}/\n")
        self.assertEqual(raw_get(port, "/online")[2], b"ok")
        proc.send_signal(signal.SIGTERM)
        self.assertEqual(proc.wait(5), 0)

    def test_daemon_writes_pid_and_port_and_stops_on_request(self):
        pid_file = os.path.join(self.dir.name, "pid")
        done = subprocess.run([sys.executable, self.script, "--port", "0", "--port-file", self.port_file,
                               "--pid-file", pid_file, "--daemon", "--quiet"], capture_output=True, timeout=10)
        self.assertEqual(done.returncode, 0)
        port = self.read_port()
        with open(pid_file) as f:
            pid = int(f.read())
        self.assertNotEqual(pid, os.getpid())
        self.assertEqual(raw_get(port, "/online")[2], b"ok")
        self.assertEqual(raw_get(port, "/_control/stop")[2], b"ok")
        for _ in range(100):
            try:
                socket.create_connection(("127.0.0.1", port)).close()
            except ConnectionRefusedError:
                break
            time.sleep(0.05)
        else:
            self.fail("the daemon still listens")


class ParseRoadTest(SimulatorCase):
    def test_reply_list_names_the_simulator_and_keeps_its_placeholders(self):
        self.set({"getdown": "{base}/video/2000.flv?p=00_00&amp;q=1$${base}/video/300_00_00.mp4$$"})
        body = self.get("/VelkDown/index.Asp?A=GetDown&uLei=0&uLei1=1&uUrl=v.cn/a&uCpu=X")[2].decode("gbk")
        self.assertEqual(body, f"{self.base}/video/2000.flv?p=00_00&amp;q=1$${self.base}/video/300_00_00.mp4$$")

    def test_failfirst_fails_the_first_requests_of_each_address_only(self):
        self.set({"faults": {"/video/": "failfirst=2"}})
        statuses = [self.get("/video/4000.flv")[0] for _ in range(3)]
        self.assertEqual(statuses, [503, 503, 200])
        self.assertEqual(self.get("/video/5000.flv")[0], 503)  # counted per address
        status, resp, body = self.get("/video/5000.flv?failfirst=0")
        self.assertEqual((status, len(body)), (200, 5000))
        self.get("/_control/reset")
        self.assertEqual(self.get("/video/4000.flv")[0], 200)

    def test_five_gib_announced_and_cut(self):
        data = exchange(self.port, b"GET /video/5368709120.flv?cut=3000 HTTP/1.1\r\nHost: x\r\n\r\n")
        status, headers, body = split_response(data.replace(b"<RST>", b""))
        self.assertEqual((status, dict(headers)["Content-Length"]), (200, "5368709120"))
        self.assertEqual(body, pattern(0, 3000))


if __name__ == "__main__":
    unittest.main()
