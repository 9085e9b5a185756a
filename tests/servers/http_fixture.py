"""HTTP(S) server on loopback for the upload and download tests.

Every request is recorded in <record-dir>/request_<n>.head (request line and headers as text,
one per line) and <record-dir>/request_<n>.body (the body's bytes), numbered from 1, so a test can
compare the exact bytes it sent. Both are in place before the answer goes out.

Paths (query arguments are optional):
  POST any path       ?status=S&reply=N   answers status S (200) with N pattern bytes (or "OK")
  GET  /bytes         ?n=N&status=S       answers status S (200) with N pattern bytes
  GET  /short         ?n=N                announces N bytes, sends half of them and closes
Pattern byte i is i % 251.
With --tls the server speaks HTTPS with a self-signed certificate made at start-up.
"""
import argparse
import os
import socketserver
import ssl
import subprocess
import threading
from http.server import BaseHTTPRequestHandler, HTTPServer
from urllib.parse import parse_qs, urlparse

from fixture_util import add_ready_args, announce, exit_when_orphaned

_counter_lock = threading.Lock()
_counter = [0]


def pattern(n: int) -> bytes:
    return bytes(i % 251 for i in range(n))


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    record_dir = "."

    def log_message(self, *args):
        pass

    def _record(self, body: bytes) -> None:
        head = self.requestline + "\n" + "".join("%s: %s\n" % kv for kv in self.headers.items())
        with _counter_lock:
            _counter[0] += 1
            n = _counter[0]
        base = os.path.join(self.record_dir, "request_%d" % n)
        for suffix, data in ((".body", body), (".head", head.encode("utf-8"))):
            with open(base + suffix + ".tmp", "wb") as f:
                f.write(data)
            os.replace(base + suffix + ".tmp", base + suffix)

    def _query(self):
        q = parse_qs(urlparse(self.path).query)
        return {k: v[0] for k, v in q.items()}

    def _answer(self, status: int, body: bytes) -> None:
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length) if length > 0 else b""
        self._record(body)
        q = self._query()
        reply = pattern(int(q["reply"])) if "reply" in q else b"OK"
        self._answer(int(q.get("status", "200")), reply)

    def do_GET(self):
        self._record(b"")
        url = urlparse(self.path)
        q = self._query()
        n = int(q.get("n", "0"))
        if url.path == "/short":
            self.send_response(200)
            self.send_header("Content-Length", str(n))
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(pattern(n)[: n // 2])
            self.wfile.flush()
            self.close_connection = True
            return
        self._answer(int(q.get("status", "200")), pattern(n))


class Server(socketserver.ThreadingMixIn, HTTPServer):
    daemon_threads = True


def make_certificate(folder: str):
    cert = os.path.join(folder, "cert.pem")
    key = os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-subj", "/CN=zel-test-server", "-keyout", key, "-out", cert],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def main():
    parser = argparse.ArgumentParser()
    add_ready_args(parser)
    parser.add_argument("--record-dir", required=True)
    parser.add_argument("--tls", action="store_true")
    args = parser.parse_args()
    Handler.record_dir = args.record_dir
    server = Server(("127.0.0.1", 0), Handler)
    if args.tls:
        cert, key = make_certificate(args.record_dir)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(cert, key)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    announce(args.ready_file, server.server_address[1])
    exit_when_orphaned(args.ready_file)
    server.serve_forever()


if __name__ == "__main__":
    main()
