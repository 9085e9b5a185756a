"""Frames of the servers' message protocol: platform header, header section, body section.

Used by the test servers and by the Python self-tests (which play the client's part).

Frame = platform header ("PHV102" 196 bytes, "PHV106" 39 bytes, or the received-only "PHV101"
82 bytes) + header section (headerLength bytes) + body section (bodyLength bytes). Numbers are
big-endian. Sections are laid out by the protocol definition files (protodef.py): a string is a
32-bit count and UTF-8 text, a byte field a count and raw bytes, short and integer are 16 and 32
bits, a structure is an element count and the elements' sub-fields. For the application ids
listed in WHOLE_BODY_APPS the whole body object travels as one JSON text in its string field;
for the others each string field carries the body member of the same name.
"""
import json
import struct
from dataclasses import dataclass, field
from typing import Any, Dict, List, Optional, Tuple

import protodef
from protodef import Field
from styled_json import styled

WHOLE_BODY_APPS = ("PP01", "GS01", "A002", "TD01")
# A frame announcing more section bytes than this is treated as a broken stream.
MAX_SECTION_BYTES = 64 * 1024 * 1024

# (name, offset, width, kind): kind "t" text, "c" one character, or a struct code.
PHV102_LAYOUT = [
    ("headerVersion", 0, 6, "t"), ("applicationId", 6, 4, "t"), ("messageId", 10, 9, "t"),
    ("sessionId", 19, 8, ">Q"), ("transactionId", 27, 8, ">Q"), ("serviceId", 35, 4, ">i"),
    ("imei", 39, 20, "t"), ("macAddress", 59, 20, "t"), ("msisdn", 79, 20, "t"),
    ("modelNo", 99, 30, "t"), ("ispName", 129, 10, "t"), ("osType", 139, 1, "c"),
    ("osVersion", 140, 20, "t"), ("uuid", 160, 24, "t"), ("bodyType", 184, 2, ">H"),
    ("statusCode", 186, 2, ">h"), ("headerLength", 188, 4, ">I"), ("bodyLength", 192, 4, ">I"),
]
PHV106_LAYOUT = [
    ("headerVersion", 0, 6, "t"), ("applicationId", 6, 4, "t"), ("messageId", 10, 9, "t"),
    ("sessionId", 19, 8, ">Q"), ("bodyType", 27, 2, ">H"), ("statusCode", 29, 2, ">h"),
    ("headerLength", 31, 4, ">I"), ("bodyLength", 35, 4, ">I"),
]
PHV101_LAYOUT = [
    ("headerVersion", 0, 6, "t"), ("applicationId", 6, 4, "t"), ("messageId", 10, 9, "t"),
    ("sessionId", 19, 8, ">Q"), ("transactionId", 27, 8, ">Q"), ("serviceId", 35, 4, ">i"),
    ("bodyType", 70, 2, ">H"), ("statusCode", 72, 2, ">h"), ("headerLength", 74, 4, ">I"),
    ("bodyLength", 78, 4, ">I"),
]
LAYOUTS = {"PHV102": (196, PHV102_LAYOUT), "PHV106": (39, PHV106_LAYOUT),
           "PHV101": (82, PHV101_LAYOUT)}


class WireError(Exception):
    """Bytes that break the protocol; the message says how."""


def _layout_struct(layout) -> struct.Struct:
    """One struct for a whole header layout: text fields as zero-padded byte strings, gaps as
    pad bytes. Every frame's header is packed and unpacked through it, field by field was a
    tenth of the servers' time per request."""
    fmt, at = ">", 0
    for _name, off, width, kind in sorted(layout, key=lambda f: f[1]):
        if off > at:
            fmt += "%dx" % (off - at)
        fmt += "%ds" % width if kind in ("t", "c") else kind[1:]
        at = off + width
    return struct.Struct(fmt)


# Each layout in offset order, the order of its struct's values.
_LAYOUT_STRUCTS = {version: (size, sorted(layout, key=lambda f: f[1]), _layout_struct(layout))
                   for version, (size, layout) in LAYOUTS.items()}


def encode_platform_header(fields: Dict[str, Any], version: str = "PHV102") -> bytes:
    """Builds a platform header. A text field is cut to its width and padded with zero bytes;
    fields not given stay zero."""
    size, layout, packer = _LAYOUT_STRUCTS[version]
    args = []
    for name, _off, width, kind in layout:
        v = version if name == "headerVersion" else fields.get(name)
        if kind == "t":
            args.append(b"" if v is None else str(v).encode("latin-1"))
        elif kind == "c":
            if v is None:
                args.append(b"")
            else:
                args.append(bytes([v & 0xFF]) if isinstance(v, int) else str(v).encode("latin-1")[:1])
        else:
            args.append(0 if v is None else v)
    data = packer.pack(*args)
    return data + bytes(size - len(data))


def decode_platform_header(data: bytes) -> Tuple[Optional[str], Optional[Dict[str, Any]]]:
    """Returns (version, fields). version is None when the bytes begin no known header; fields is
    None when the version is known but not all of its bytes are there yet."""
    if len(data) < 6:
        return "", None
    version = bytes(data[:6]).decode("latin-1")
    if version not in LAYOUTS:
        return None, None
    size, layout, packer = _LAYOUT_STRUCTS[version]
    if len(data) < size:
        return version, None
    fields: Dict[str, Any] = {}
    for (name, _off, _width, kind), v in zip(layout, packer.unpack_from(data)):
        if kind == "t":
            fields[name] = v.split(b"\0", 1)[0].decode("latin-1")
        elif kind == "c":
            fields[name] = v.decode("latin-1") if v != b"\0" else ""
        else:
            fields[name] = v
    fields["raw"] = bytes(data[:size])
    return version, fields


# ---------------------------------------------------------------------------------- sections

def _text_of(value: Any) -> str:
    if value is None:
        return ""
    if isinstance(value, (dict, list)):
        return json.dumps(value, ensure_ascii=False)
    if value is True or value is False:
        return "true" if value else "false"
    return str(value)


def encode_section(fields: List[Field], app_id: str, value: Any, raw: bytes = b"") -> bytes:
    """One section from a field list. A byte field takes 'raw' when the value has no member."""
    whole = app_id[:4] in WHOLE_BODY_APPS
    members = value if isinstance(value, dict) else {}
    out = bytearray()
    for f in fields:
        if f.type == protodef.TYPE_STRING:
            text = styled(value) if whole else _text_of(members.get(f.name))
            data = text.encode("utf-8")
            out += struct.pack(">I", len(data)) + data
        elif f.type == protodef.TYPE_BYTE:
            member = members.get(f.name)
            data = raw if member is None else (member if isinstance(member, bytes)
                                               else _text_of(member).encode("utf-8"))
            out += struct.pack(">I", len(data)) + data
        elif f.type == protodef.TYPE_SHORT:
            out += struct.pack(">h", int(members.get(f.name) or 0))
        elif f.type == protodef.TYPE_INTEGER:
            out += struct.pack(">i", int(members.get(f.name) or 0))
        elif f.type == protodef.TYPE_STRUCTURE:
            items = members.get(f.name)
            items = items if isinstance(items, list) else []
            out += struct.pack(">I", len(items))
            for item in items:
                out += encode_section(f.sub_fields, "", item if isinstance(item, dict) else {})
    return bytes(out)


def encode_header_section(header_field: Field, header: Any) -> bytes:
    """The header section: the header object as JSON text for a string field; nothing when the
    value is empty."""
    if header_field.type == protodef.TYPE_STRING:
        if header is None or (isinstance(header, (dict, list)) and not header):
            return b""
        data = (header if isinstance(header, str) else styled(header)).encode("utf-8")
        return struct.pack(">I", len(data)) + data
    if header_field.type == protodef.TYPE_SHORT:
        return struct.pack(">h", int((header or {}).get(header_field.name) or 0))
    if header_field.type == protodef.TYPE_INTEGER:
        return struct.pack(">i", int((header or {}).get(header_field.name) or 0))
    return b""


class _Reader:
    """Reads one section; every read is bounded by the section's end."""

    def __init__(self, data: bytes, json_mode: bool) -> None:
        self.data = data
        self.pos = 0
        self.json_mode = json_mode
        self.raw: Optional[bytes] = None
        self.errors: List[str] = []

    def take(self, n: int) -> bytes:
        if n < 0 or self.pos + n > len(self.data):
            raise WireError("field runs past the end of its section (%d bytes wanted at %d of %d)"
                            % (n, self.pos, len(self.data)))
        chunk = self.data[self.pos:self.pos + n]
        self.pos += n
        return chunk

    def count(self) -> int:
        return struct.unpack(">I", self.take(4))[0]

    def fields(self, fields: List[Field], target: Dict[str, Any]) -> Any:
        """Reads the fields into target; a whole-body JSON text replaces the target."""
        for f in fields:
            if self.pos >= len(self.data):
                break
            if f.type == protodef.TYPE_STRING:
                text = self.take(self.count()).decode("utf-8", errors="replace")
                if self.json_mode:
                    try:
                        target = json.loads(text)
                    except ValueError:
                        self.errors.append("JSON text does not parse: %r" % text[:200])
                        target = {"_unparsed": text}
                else:
                    target[f.name] = text
            elif f.type == protodef.TYPE_BYTE:
                self.raw = self.take(self.count())
            elif f.type == protodef.TYPE_SHORT:
                target[f.name] = struct.unpack(">h", self.take(2))[0]
            elif f.type == protodef.TYPE_INTEGER:
                target[f.name] = struct.unpack(">i", self.take(4))[0]
            elif f.type == protodef.TYPE_STRUCTURE:
                n = self.count()
                if n > (len(self.data) - self.pos if f.sub_fields else 100000):
                    raise WireError("structure count %d larger than its section" % n)
                items = []
                for _ in range(n):
                    item: Dict[str, Any] = {}
                    sub = _Reader(self.data[self.pos:], self.json_mode)
                    sub.fields(f.sub_fields, item)
                    self.pos += sub.pos
                    items.append(item)
                target[f.name] = items
        return target


@dataclass
class Frame:
    version: str
    platform: Dict[str, Any]
    header: Any = None
    body: Any = None
    raw: Optional[bytes] = None          # the bytes of a byte field
    errors: List[str] = field(default_factory=list)

    @property
    def app(self) -> str:
        return self.platform.get("applicationId", "")[:4]

    @property
    def msg(self) -> str:
        return self.platform.get("messageId", "")

    @property
    def status(self) -> int:
        return self.platform.get("statusCode", 0)

    @property
    def tid(self) -> int:
        return self.platform.get("transactionId", 0)


def build_frame(pdef: protodef.ProtocolDef, platform: Dict[str, Any], header: Any = None,
                body: Any = None, raw: bytes = b"", version: str = "PHV102",
                direction: str = "request") -> bytes:
    """A whole frame. 'direction' picks the request or the response fields of the message."""
    app, msg = str(platform.get("applicationId", ""))[:4], str(platform.get("messageId", ""))
    proto = pdef.get(app)
    fields = proto.request_fields(msg) if direction == "request" else proto.response_fields(msg)
    head = encode_header_section(proto.header, header)
    sect = encode_section(fields, app, body if body is not None else {}, raw)
    values = dict(platform, headerLength=len(head), bodyLength=len(sect))
    if version == "PHV101":
        return _encode_phv101(values) + head + sect
    return encode_platform_header(values, version) + head + sect


def _encode_phv101(values: Dict[str, Any]) -> bytes:
    buf = bytearray(82)
    for name, off, width, kind in PHV101_LAYOUT:
        v = "PHV101" if name == "headerVersion" else values.get(name)
        if v is None:
            continue
        if kind == "t":
            raw = str(v).encode("latin-1")[:width]
            buf[off:off + len(raw)] = raw
        else:
            buf[off:off + width] = struct.pack(kind, v)
    return bytes(buf)


def parse_sections(pdef: protodef.ProtocolDef, version: str, platform: Dict[str, Any],
                   sections: bytes, json_mode: bool, direction: str = "response") -> Frame:
    """Reads the header and body sections of a frame whose platform header is decoded. The header
    field is read within headerLength and the body starts right after it."""
    frame = Frame(version, platform)
    proto = pdef.get(frame.app)
    hl = platform["headerLength"]
    head_bytes, body_bytes = sections[:hl], sections[hl:]
    if proto.header.type != protodef.TYPE_NONE and head_bytes:
        r = _Reader(head_bytes, False)
        try:
            value = r.fields([proto.header], {}).get(proto.header.name)
            if isinstance(value, str):
                try:
                    value = json.loads(value)
                except ValueError:
                    frame.errors.append("header: JSON text does not parse: %r" % value[:200])
            frame.header = value
        except WireError as e:
            frame.errors.append("header: %s" % e)
    fields = proto.response_fields(frame.msg) if direction == "response" else \
        proto.request_fields(frame.msg)
    r = _Reader(body_bytes, json_mode)
    try:
        frame.body = r.fields(fields, {}) if fields else None
    except WireError as e:
        frame.errors.append("body: %s" % e)
    frame.raw = r.raw
    frame.errors += r.errors
    return frame


class FrameCutter:
    """Cuts a byte stream into frames. Bytes that begin no known header are dropped up to the
    next place where a header may begin (reported through 'dropped'), so that the stream
    resynchronises; a frame that announces absurd lengths raises WireError."""

    def __init__(self) -> None:
        self.buf = bytearray()
        self.dropped: List[bytes] = []

    def feed(self, data: bytes) -> List[Tuple[str, Dict[str, Any], bytes]]:
        self.buf += data
        out = []
        while True:
            version, platform = decode_platform_header(self.buf)
            if version is None:
                nxt = self.buf.find(b"PHV10", 1)
                cut = nxt if nxt > 0 else max(1, len(self.buf) - 4)
                self.dropped.append(bytes(self.buf[:cut]))
                del self.buf[:cut]
                continue
            if platform is None:
                break
            total = platform["headerLength"] + platform["bodyLength"]
            if total > MAX_SECTION_BYTES:
                raise WireError("frame announces %d section bytes" % total)
            size = LAYOUTS[version][0]
            if len(self.buf) < size + total:
                break
            sections = bytes(self.buf[size:size + total])
            del self.buf[:size + total]
            out.append((version, platform, sections))
        return out

    @property
    def pending(self) -> int:
        return len(self.buf)


# ------------------------------------------------------------------- platform header values

def client_platform(app: str, msg: str, tid: int = 0, mac: str = "0A1B2C3D4E5F",
                    service_id: int = 5, os_type: str = "W", msisdn: str = " " * 14) -> dict:
    """The platform header values a client puts into a PHV102 request."""
    return {"applicationId": app, "messageId": msg, "sessionId": 0, "transactionId": tid,
            "serviceId": service_id, "imei": "0" * 20, "macAddress": mac, "msisdn": msisdn,
            "modelNo": "PC", "ispName": "0" * 9, "osType": os_type, "osVersion": "0" * 20,
            "uuid": "0" * 24, "bodyType": 1, "statusCode": 0}


def short_platform(app: str, msg: str) -> dict:
    """The platform header values of a PHV106 request."""
    return {"applicationId": app, "messageId": msg, "sessionId": 0, "bodyType": 1,
            "statusCode": 0}


# ------------------------------------------------------------------------ blocking clients

class WireClient:
    """A blocking client of one server, as the self-tests use it: sends frames, reads frames."""

    def __init__(self, host: str, port: int, pdef: protodef.ProtocolDef, json_mode: bool = True,
                 tls: bool = True, timeout: float = 10.0) -> None:
        import socket
        import ssl
        self.pdef = pdef
        self.json_mode = json_mode
        self.timeout = timeout
        sock = socket.create_connection((host, port), timeout=timeout)
        if tls:
            ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_CLIENT)
            ctx.check_hostname = False
            ctx.verify_mode = ssl.CERT_NONE
            sock = ctx.wrap_socket(sock)
        self.sock = sock
        self.cutter = FrameCutter()
        self.frames: List[Frame] = []

    def close(self) -> None:
        try:
            self.sock.close()
        except OSError:
            pass

    def __enter__(self) -> "WireClient":
        return self

    def __exit__(self, *exc) -> None:
        self.close()

    def send_bytes(self, data: bytes) -> None:
        self.sock.sendall(data)

    def send(self, platform: dict, header: Any = None, body: Any = None,
             version: str = "PHV102") -> bytes:
        data = build_frame(self.pdef, platform, header, body, version=version)
        self.send_bytes(data)
        return data

    def recv(self, timeout: Optional[float] = None) -> Frame:
        """The next frame; raises TimeoutError when none comes, ConnectionError when the server
        closes the connection."""
        import time
        deadline = time.monotonic() + (self.timeout if timeout is None else timeout)
        while not self.frames:
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError("no frame within the time-out")
            self.sock.settimeout(left)
            try:
                chunk = self.sock.recv(65536)
            except (TimeoutError, OSError) as e:
                if "timed out" in str(e) or isinstance(e, TimeoutError):
                    raise TimeoutError("no frame within the time-out") from e
                raise
            if not chunk:
                raise ConnectionError("server closed the connection")
            for version, platform, sections in self.cutter.feed(chunk):
                self.frames.append(parse_sections(self.pdef, version, platform, sections,
                                                  self.json_mode))
        return self.frames.pop(0)

    def recv_until(self, msg: str, app: Optional[str] = None,
                   timeout: Optional[float] = None) -> Frame:
        """Skips frames until one with the given message id (and application id) arrives."""
        while True:
            f = self.recv(timeout)
            if f.msg == msg and (app is None or f.app == app):
                return f

    def request(self, platform: dict, header: Any = None, body: Any = None,
                version: str = "PHV102", timeout: Optional[float] = None) -> Frame:
        self.send(platform, header, body, version)
        return self.recv_until(platform["messageId"], platform["applicationId"][:4], timeout)


class ControlClient:
    """JSON lines to the servers' control port: one command object per line, one answer each."""

    def __init__(self, host: str, port: int, timeout: float = 30.0) -> None:
        import socket
        self.sock = socket.create_connection((host, port), timeout=timeout)
        self.file = self.sock.makefile("rwb")

    def call(self, cmd: str, **args) -> dict:
        args["cmd"] = cmd
        self.file.write(json.dumps(args, ensure_ascii=False).encode("utf-8") + b"\n")
        self.file.flush()
        line = self.file.readline()
        if not line:
            raise ConnectionError("control port closed")
        return json.loads(line)

    def close(self) -> None:
        try:
            self.file.close()
            self.sock.close()
        except OSError:
            pass
