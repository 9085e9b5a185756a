"""The web server (page images, uploads) and the entry script in fixture mode."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.error
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selftest_support import HOST, ServerTestCase  # noqa: E402
import wire  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
BOUNDARY = "--HC-MPFD-BOUNDARY"


def multipart(fields, file_name: str, data: bytes) -> bytes:
    out = b""
    for name, value in fields:
        out += ("--%s\r\nContent-Disposition: form-data; name=\"%s\"\r\n\r\n%s\r\n"
                % (BOUNDARY, name, value)).encode("utf-8")
    out += ("--%s\r\nContent-Disposition: form-data; name=\"file\"; filename=\"%s\"\r\n"
            "Content-Type: application/octet-stream\r\n\r\n" % (BOUNDARY, file_name)
            ).encode("utf-8") + data + b"\r\n"
    return out + ("--%s--\r\n" % BOUNDARY).encode("utf-8")


class Web(ServerTestCase):
    def url(self, path: str) -> str:
        return "http://%s:%d%s" % (HOST, self.ports["http"], path)

    def test_page_images(self):
        for path in ("/img/D1011/1", "/img/D1011/12.png"):
            with self.subTest(path=path):
                with urllib.request.urlopen(self.url(path), timeout=5) as r:
                    self.assertEqual((r.status, r.headers["Content-Type"]), (200, "image/png"))
                    self.assertEqual(r.read(4), b"\x89PNG")
        with self.assertRaises(urllib.error.HTTPError) as e:
            urllib.request.urlopen(self.url("/nothing"), timeout=5)
        self.assertEqual(e.exception.code, 404)

    def test_installer_with_and_without_length(self):
        from http_server import installer_bytes
        with urllib.request.urlopen(self.url("/upgrade/10000"), timeout=5) as r:
            self.assertEqual(r.headers["Content-Length"], "10000")
            self.assertEqual(r.read(), installer_bytes(0, 10000))
        with urllib.request.urlopen(self.url("/upgrade/5000?nolength=1&pace=1"), timeout=5) as r:
            self.assertIsNone(r.headers["Content-Length"])
            self.assertEqual(r.read(), installer_bytes(0, 5000))
        with self.assertRaises(urllib.error.HTTPError):
            urllib.request.urlopen(self.url("/upgrade/x"), timeout=5)

    def test_one_shot_rules_change_the_next_page_answer(self):
        self.call("rule", server="http", app="GET", msg="/img/D1022/3", status=500)
        self.call("rule", server="http", app="GET", msg="/img/D1022/4", delay=0.3)
        with self.assertRaises(urllib.error.HTTPError) as e:
            urllib.request.urlopen(self.url("/img/D1022/3"), timeout=5)
        self.assertEqual(e.exception.code, 500)
        started = time.monotonic()
        with urllib.request.urlopen(self.url("/img/D1022/4"), timeout=5) as r:
            self.assertEqual(r.read(4), b"\x89PNG")
        self.assertGreaterEqual(time.monotonic() - started, 0.3)
        with urllib.request.urlopen(self.url("/img/D1022/3"), timeout=5) as r:   # used up
            self.assertEqual(r.status, 200)
        log = self.call("log", server="http", kind="request")["records"]
        self.assertEqual([(x["path"], x["status"]) for x in log if x["path"].startswith("/img/")],
                         [("/img/D1022/3", 500), ("/img/D1022/4", 200), ("/img/D1022/3", 200)])
        held = self.call("log", server="http", kind="received")["records"]
        self.assertEqual([x["path"] for x in held], ["/img/D1022/4"])

    def test_uploads_answer_short_json_and_keep_the_file(self):
        for path, key in (("/brindlecast/rest/fileRestService/upload", "/upload/"),
                          ("/brindlecast/rest/fileRestService/sign", "/sign/")):
            with self.subTest(path=path):
                body = multipart([("mtngId", "101"), ("userId", "1001")], "회의록.txt",
                                 b"\x00binary\xff")
                req = urllib.request.Request(self.url(path), data=body, method="POST", headers={
                    "Content-Type": "multipart/form-data; boundary=%s" % BOUNDARY,
                    "User-Agent": "ZEDOV"})
                with urllib.request.urlopen(req, timeout=5) as r:
                    answer = r.read()
                self.assertLess(len(answer), 256)
                parsed = json.loads(answer)
                self.assertEqual(parsed["code"], "200")
                self.assertTrue(parsed["filePath"].startswith(key))
                with urllib.request.urlopen(self.url(urllib.request.quote(parsed["filePath"])),
                                            timeout=5) as r:
                    self.assertEqual(r.read(), b"\x00binary\xff")
        logged = self.call("log", server="http", since=self.mark)["records"]
        post = next(r for r in logged if r["method"] == "POST")
        self.assertEqual([(p["name"], p["value"]) for p in post["parts"]][:2],
                         [("mtngId", "101"), ("userId", "1001")])
        self.assertEqual(post["parts"][2]["filename"], "회의록.txt")

    def test_upload_without_file_part(self):
        req = urllib.request.Request(self.url("/brindlecast/rest/fileRestService/upload"),
                                     data=b"--x--\r\n", method="POST",
                                     headers={"Content-Type": "multipart/form-data; boundary=x"})
        with self.assertRaises(urllib.error.HTTPError) as e:
            urllib.request.urlopen(req, timeout=5)
        self.assertEqual(e.exception.code, 400)


class FixtureMode(unittest.TestCase):
    def test_ready_file_lists_ports_and_its_removal_ends_the_servers(self):
        folder = tempfile.mkdtemp()
        ready = os.path.join(folder, "ready.txt")
        proc = subprocess.Popen([sys.executable, os.path.join(HERE, "run_servers.py"),
                                 "--ready-file", ready], stdout=subprocess.DEVNULL)
        try:
            deadline = time.monotonic() + 20
            while not os.path.exists(ready) and time.monotonic() < deadline:
                time.sleep(0.05)
            with open(ready) as f:
                line = f.read()
            self.assertTrue(line.endswith("\n"))
            ports = [int(p) for p in line.split()]
            self.assertEqual(len(ports), 8)
            ctl = wire.ControlClient(HOST, ports[5])
            got = ctl.call("ports")["ports"]
            ctl.close()
            self.assertEqual([got[n] for n in ("tas", "push", "tds", "voice", "http", "control",
                                               "voice_udp_send", "voice_udp_receive")], ports)
            self.assertTrue(os.path.exists(os.path.join(folder, "servers", "cert.pem")))
            os.unlink(ready)
            proc.wait(timeout=5)
        finally:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            shutil.rmtree(folder, ignore_errors=True)
