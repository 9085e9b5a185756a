"""Bytes that break the protocol: the servers log them, answer what can be answered, close what
cannot be resynchronised, and keep serving everybody else."""
import os
import socket
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from selftest_support import EMPTY_SESSION, HOST, ServerTestCase  # noqa: E402
import wire  # noqa: E402

LOGIN = {"sawonNo": "kim", "appType": "7", "groupCoCd": "", "appVer": "4.2.0.0",
         "userPwd": "1234"}


def header_section(text: bytes) -> bytes:
    return struct.pack(">I", len(text)) + text


def frame(msg: str, body: bytes, head: bytes = b"", app: str = "PP01", version="PHV102",
          hl=None, bl=None) -> bytes:
    values = dict(wire.client_platform(app, msg, 5),
                  headerLength=len(head) if hl is None else hl,
                  bodyLength=len(body) if bl is None else bl)
    return wire.encode_platform_header(values, version) + head + body


def text_field(text: bytes) -> bytes:
    return struct.pack(">I", len(text)) + text


SESSIONLESS_HEAD = header_section(b'{"userProfile":"","userSessionId":"","udid":""}')

# name -> (bytes to send, close the sending side afterwards, expected outcome)
# Outcomes: ("reply", status), ("logged", text of the malformed record, connection kept),
# ("closed", text of the malformed record).
CASES = {
    "bytes that begin no header": (b"GET / HTTP/1.1\r\n\r\n", False,
                                   ("logged", "no known header")),
    "unknown header version": (b"PHV999" + bytes(190), False, ("logged", "no known header")),
    "fewer than six bytes, then close": (b"PHV", True, ("logged", "truncated frame")),
    "frame cut short, then close": (frame("M00000013", b"\0" * 10, bl=100), True,
                                    ("logged", "truncated frame")),
    "absurd body length": (frame("M00000013", b"", bl=0xFFFFFFFF), False,
                           ("closed", "section bytes")),
    "lengths whose sum passes 32 bits": (frame("M00000013", b"", hl=0x80000000,
                                               bl=0x80000000), False,
                                         ("closed", "section bytes")),
    "body that is not JSON": (frame("M00000001", text_field(b"{not json"), SESSIONLESS_HEAD),
                              False, ("reply", 400)),
    "string count past the body": (frame("M00000001", b"\0\0\0\xff{}", SESSIONLESS_HEAD),
                                   False, ("reply", 400)),
    "header count past the header section": (frame("M00000001", text_field(b"{}"),
                                                   b"\0\0\0\x50{}"), False, ("reply", 400)),
    "JSON of the wrong type": (frame("M00000001", text_field(b"[1, 2]"), SESSIONLESS_HEAD),
                               False, ("reply", 16)),
    "unknown message id": (frame("M00000999", text_field(b"{}"), SESSIONLESS_HEAD), False,
                           ("reply", 404)),
    "unknown application id": (frame("M00000001", text_field(b"{}"), SESSIONLESS_HEAD,
                                     app="ZZ01"), False, ("reply", 404)),
    "header and body lengths of zero": (frame("M00000001", b""), False, ("reply", 16)),
}


class MalformedFrames(ServerTestCase):
    def test_table_of_malformed_frames(self):
        for name, (data, close, (outcome, detail)) in CASES.items():
            with self.subTest(case=name):
                mark = self.ctl.call("log", limit=1)["last"]
                c = self.client("tas")
                c.send_bytes(data)
                if close:
                    c.sock.shutdown(socket.SHUT_WR)
                if outcome == "reply":
                    got = c.recv(timeout=5)
                    self.assertEqual(got.status, detail)
                elif outcome == "closed":
                    with self.assertRaises(ConnectionError):
                        c.recv(timeout=5)
                else:
                    if close:
                        with self.assertRaises(ConnectionError):
                            c.recv(timeout=5)
                    else:
                        # The stream resynchronises: the next frame is answered.
                        self.assertEqual(c.request(wire.client_platform("PP01", "M00000001", 9),
                                                   EMPTY_SESSION, LOGIN).status, 0)
                if outcome != "reply":
                    bad = self.call("wait", server="tas", kind="malformed", since=mark)
                    self.assertIn(detail, bad["records"][0]["error"])
                self.log_in(self.client("tas"))

    def test_header_version_101_is_accepted(self):
        c = self.client("tas")
        data = wire.build_frame(self.tas_def, wire.client_platform("PP01", "M00000001", 31),
                                EMPTY_SESSION, LOGIN, version="PHV101")
        c.send_bytes(data)
        got = c.recv()
        self.assertEqual((got.status, got.tid, got.version), (0, 31, "PHV102"))

    def test_structure_count_past_the_push_body(self):
        c = self.client("push", json_mode=False)
        body = b"\0\0\0\x09" + text_field(b"u")
        c.send_bytes(frame("M00000002", body, header_section(b'{"status":0}'), app="PFAP"))
        self.assertEqual(c.recv().status, 400)
        bad = self.call("wait", server="push", kind="frame", msg="M00000002", since=self.mark)
        self.assertIn("structure count", bad["records"][0]["errors"][0])

    def test_bytes_that_are_not_tls(self):
        s = socket.create_connection((HOST, self.ports["tas"]), timeout=5)
        s.sendall(b"PHV102 this is not a TLS handshake\r\n" * 4)
        try:
            answer = s.recv(100)
        except ConnectionError:
            answer = b""
        self.assertIn(answer[:1], (b"", b"\x15"))   # closed, or a TLS alert
        s.close()
        self.log_in(self.client("tas"))
