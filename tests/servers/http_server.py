"""The fake web server: document page images ("/img/<document>/<page>", with or without
".png"), uploads and signature uploads (multipart POST), and the uploaded files themselves.

One-shot rules of the control port reach it with server "http", app the method and msg the path
without its query: "status" answers with that status instead, "delay" (seconds) holds the answer
back (the request is then logged as "received" on arrival), "close" (with "abort": a reset) ends
the connection without an answer."""
import asyncio
import json
import os
import re
import urllib.parse
from typing import Dict, List, Optional, Tuple

import png_image
from listening_server import ListeningServer
from server_context import ServerContext

UPLOAD_PATH = "/brindlecast/rest/fileRestService/upload"
SIGN_PATH = "/brindlecast/rest/fileRestService/sign"
MAX_BODY = 64 * 1024 * 1024
_REASONS = {200: "OK", 400: "Bad Request", 404: "Not Found", 405: "Method Not Allowed",
            413: "Payload Too Large", 500: "Internal Server Error", 503: "Service Unavailable"}


def parse_multipart(content_type: str, body: bytes) -> List[Dict[str, object]]:
    """Parts of a multipart/form-data body: name, filename, content type and the data."""
    m = re.search(r'boundary="?([^";]+)"?', content_type or "")
    if not m:
        return []
    delimiter = b"--" + m.group(1).encode("latin-1")
    parts = []
    for chunk in body.split(delimiter)[1:]:
        if chunk.startswith(b"--"):
            break
        chunk = chunk[2:] if chunk.startswith(b"\r\n") else chunk
        head, _, data = chunk.partition(b"\r\n\r\n")
        if data.endswith(b"\r\n"):
            data = data[:-2]
        headers = {}
        for line in head.decode("utf-8", errors="replace").split("\r\n"):
            key, _, value = line.partition(":")
            headers[key.strip().lower()] = value.strip()
        disposition = headers.get("content-disposition", "")
        name = re.search(r'\bname="([^"]*)"', disposition)
        filename = re.search(r'filename="([^"]*)"', disposition)
        parts.append({"name": name.group(1) if name else "",
                      "filename": filename.group(1) if filename else None,
                      "contentType": headers.get("content-type", ""), "data": data})
    return parts


INSTALLER_PATH = "/upgrade/"


def installer_bytes(offset: int, count: int) -> bytes:
    """The installer's bytes from offset: byte i is i modulo 251."""
    return bytes((offset + i) % 251 for i in range(count))


class HttpServer(ListeningServer):
    name = "http"

    def __init__(self, ctx: ServerContext) -> None:
        super().__init__()
        self.ctx = ctx
        self.uploads: Dict[str, bytes] = {}
        self._next = 1

    async def _serve(self, reader, writer) -> None:
        try:
            while True:
                request = await self._read_request(reader)
                if request is None:
                    break
                method, path, headers, body = request
                if method == "GET" and path.startswith(INSTALLER_PATH):
                    await self._send_installer(writer, path)
                    break
                rule = self.ctx.take_rule(self.name, method, path.split("?")[0])
                delay = float(rule.get("delay") or 0) if rule else 0.0
                if delay > 0:
                    # A held-back answer is logged on arrival too, so that a test can act meanwhile.
                    self.ctx.record(self.name, "received", method=method, path=path, delay=delay)
                    await asyncio.sleep(delay)
                if rule and rule.get("close"):
                    self.ctx.record(self.name, "request", method=method, path=path, status=0,
                                    bytes=len(body), agent=headers.get("user-agent", ""))
                    if rule.get("abort"):
                        writer.transport.abort()
                    break
                status, ctype, payload = self._answer(method, path, headers, body, rule)
                keep = headers.get("connection", "").lower() != "close"
                writer.write(("HTTP/1.1 %d %s\r\nContent-Type: %s\r\nContent-Length: %d\r\n"
                              "Connection: %s\r\n\r\n" % (status, _REASONS.get(status, ""), ctype,
                                                          len(payload),
                                                          "keep-alive" if keep else "close")
                              ).encode("latin-1") + payload)
                await writer.drain()
                if not keep:
                    break
        except (ConnectionError, asyncio.IncompleteReadError, ValueError) as e:
            self.ctx.record(self.name, "malformed", error="%s: %s" % (type(e).__name__, e))
        finally:
            writer.close()

    async def _send_installer(self, writer, path: str) -> None:
        """The client's installer for the upgrade download: /upgrade/<bytes>[?nolength=1]
        [&pace=<ms>]: <bytes> bytes of a fixed pattern in 4096-byte pieces, with or without a
        Content-Length, waiting pace ms before each piece (so that a test can cancel midway)."""
        url = urllib.parse.urlsplit(path)
        query = urllib.parse.parse_qs(url.query)
        try:
            size = int(url.path[len(INSTALLER_PATH):])
        except ValueError:
            size = -1
        if size < 0:
            writer.write(b"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
            self.ctx.record(self.name, "request", method="GET", path=path, bytes=0, status=404)
            await writer.drain()
            return
        pace = int(query.get("pace", ["0"])[0]) / 1000.0
        head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
        if query.get("nolength", ["0"])[0] != "1":
            head += "Content-Length: %d\r\n" % size
        writer.write((head + "Cache-Control: no-cache\r\nConnection: close\r\n\r\n").encode("latin-1"))
        sent = 0
        try:
            while sent < size:
                if pace:
                    await asyncio.sleep(pace)
                piece = installer_bytes(sent, min(4096, size - sent))
                writer.write(piece)
                await writer.drain()
                sent += len(piece)
        finally:
            self.ctx.record(self.name, "request", method="GET", path=path, bytes=sent, status=200)

    async def _read_request(self, reader) -> Optional[Tuple[str, str, Dict[str, str], bytes]]:
        line = await reader.readline()
        if not line:
            return None
        parts = line.decode("latin-1").split()
        if len(parts) < 2:
            raise ValueError("bad request line %r" % line[:80])
        headers: Dict[str, str] = {}
        while True:
            h = await reader.readline()
            if h in (b"\r\n", b"\n", b""):
                break
            key, _, value = h.decode("latin-1").partition(":")
            headers[key.strip().lower()] = value.strip()
        body = b""
        if headers.get("transfer-encoding", "").lower() == "chunked":
            while True:
                size = int((await reader.readline()).split(b";")[0].strip() or b"0", 16)
                if size == 0:
                    await reader.readline()
                    break
                if len(body) + size > MAX_BODY:
                    raise ValueError("body too large")
                body += await reader.readexactly(size)
                await reader.readline()
        elif headers.get("content-length"):
            length = int(headers["content-length"])
            if length > MAX_BODY:
                raise ValueError("body too large")
            body = await reader.readexactly(length)
        return parts[0].upper(), parts[1], headers, body

    def _answer(self, method: str, path: str, headers: Dict[str, str], body: bytes,
                rule: Optional[Dict[str, object]] = None) -> Tuple[int, str, bytes]:
        record = {"method": method, "path": path, "bytes": len(body),
                  "agent": headers.get("user-agent", "")}
        status, ctype, payload = 404, "text/plain", b"not found"
        m = re.fullmatch(r"/img/([^/]+)/(\d+)(?:\.png)?", path.split("?")[0])
        if method == "GET" and m:
            status, ctype = 200, "image/png"
            kb = urllib.parse.parse_qs(urllib.parse.urlparse(path).query).get("kb")
            if kb:  # a large page picture of about that many kilobytes
                payload = png_image.heavy_page(m.group(1), int(m.group(2)), int(kb[0]))
            else:
                payload = png_image.page_image(m.group(1), int(m.group(2)))
        elif method == "GET" and urllib.parse.unquote(path) in self.uploads:
            status, ctype = 200, "application/octet-stream"
            payload = self.uploads[urllib.parse.unquote(path)]
        elif path.split("?")[0] in (UPLOAD_PATH, SIGN_PATH):
            if method != "POST":
                status, payload = 405, b"POST only"
            else:
                status, ctype, payload = self._upload(path.split("?")[0], headers, body, record)
        if rule and "status" in rule:
            status, ctype, payload = int(str(rule["status"])), "text/plain", b"answered by a rule"
        # ---- Meeting detail: an upload answered with the rule's own text (status 200 unless the
        # rule names one), to show how the client reads the answer ----
        if rule and "answer" in rule:
            status = int(str(rule.get("status", 200)))
            ctype, payload = "text/plain", str(rule["answer"]).encode("utf-8")
        record["status"] = status
        self.ctx.record(self.name, "request", **record)
        return status, ctype, payload

    def _upload(self, path: str, headers: Dict[str, str], body: bytes,
                record: Dict[str, object]) -> Tuple[int, str, bytes]:
        parts = parse_multipart(headers.get("content-type", ""), body)
        record["parts"] = [{"name": p["name"], "filename": p["filename"],
                            "contentType": p["contentType"], "size": len(p["data"]),
                            "value": None if p["filename"] is not None
                            else p["data"].decode("utf-8", errors="replace")[:200]}
                           for p in parts]
        files = [p for p in parts if p["filename"] is not None]
        if not files:
            return 400, "application/json", b'{"code":"400","message":"no file part"}'
        n, self._next = self._next, self._next + 1
        kind = "sign" if path == SIGN_PATH else "upload"
        name = os.path.basename(str(files[0]["filename"]).replace("\\", "/")) or "file"
        stored = "/%s/%d/%s" % (kind, n, "%d.png" % n if kind == "sign" else name)
        self.uploads[stored] = files[0]["data"]
        # The client reads a short answer: keep it well under 256 bytes.
        answer = {"code": "200", "filePath": stored}
        return 200, "application/json", json.dumps(answer, ensure_ascii=False).encode("utf-8")
