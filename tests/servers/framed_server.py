"""A TLS server of framed messages: the part that the application, push, synchronisation and
voice servers share. It cuts the stream into frames, logs every frame, applies the control
port's one-shot rules (status, hold, drop, close, delay, header version) and sends the replies
that a derived server's handle() returns."""
import asyncio
import ssl
import time
from dataclasses import dataclass, field
from typing import Any, Dict, List, Optional

import protodef
import wire
from listening_server import ListeningServer
from server_context import ServerContext

STATUS_OK = 0
STATUS_BAD_REQUEST = 400     # the request's sections do not parse
STATUS_UNKNOWN_MESSAGE = 404  # the definition file has no such message


@dataclass
class Out:
    """One frame to send. Without 'request' it is an unsolicited message of the server."""
    app: str
    msg: str
    status: int = STATUS_OK
    header: Any = None
    body: Any = None
    raw: bytes = b""
    version: Optional[str] = None
    request: Optional[wire.Frame] = None
    extra: Dict[str, Any] = field(default_factory=dict)


class Connection:
    def __init__(self, server: "FramedServer", conn_id: int, reader, writer) -> None:
        self.server = server
        self.id = conn_id
        self.reader = reader
        self.writer = writer
        self.cutter = wire.FrameCutter()
        self.state: Dict[str, Any] = {}
        self.closed = False
        peer = writer.get_extra_info("peername")
        self.peer = "%s:%s" % peer[:2] if peer else "?"

    def send(self, out: Out) -> None:
        if self.closed:
            return
        data = self.server.encode(out)
        self.writer.write(data)
        self.server.ctx.record(self.server.name, "sent", conn=self.id, app=out.app, msg=out.msg,
                               status=out.status, body=out.body, raw_len=len(out.raw),
                               bytes=len(data))

    def send_bytes(self, data: bytes) -> None:
        if not self.closed:
            self.writer.write(data)

    def close(self, abort: bool = False) -> None:
        if self.closed:
            return
        self.closed = True
        if abort:
            self.writer.transport.abort()
        else:
            self.writer.close()


class FramedServer(ListeningServer):
    name = "framed"
    definition_file = ""
    reply_version = "PHV102"

    def __init__(self, ctx: ServerContext, protocols_dir: str) -> None:
        super().__init__()
        self.ctx = ctx
        self.pdef = protodef.ProtocolDef.from_file("%s/%s" % (protocols_dir, self.definition_file))
        self.conns: Dict[int, Connection] = {}
        self.next_id = 1

    async def stop(self) -> None:
        for c in list(self.conns.values()):
            c.close(abort=True)
        await super().stop()

    # ---------------------------------------------------------------- derived servers' part

    def handle(self, conn: Connection, frame: wire.Frame) -> List[Out]:
        return []

    def on_close(self, conn: Connection) -> None:
        pass

    # ------------------------------------------------------------------------- encoding

    def platform_for(self, out: Out) -> Dict[str, Any]:
        """A reply copies the request's platform header values; an unsolicited message gets the
        values a server would put there."""
        if out.request is not None:
            values = {k: v for k, v in out.request.platform.items() if k != "raw"}
        else:
            values = wire.client_platform(out.app, out.msg, int(time.time()), mac="",
                                          msisdn="0" * 14)
        values.update(applicationId=out.app, messageId=out.msg, statusCode=out.status)
        values.update(out.extra)
        return values

    def encode(self, out: Out) -> bytes:
        version = out.version or (out.request.version if out.request is not None
                                  and out.request.version != "PHV101" else self.reply_version)
        header = out.header
        if not header:
            # A header field that a server leaves empty would make a client that reads the
            # field whatever headerLength says take body bytes for it: always fill it.
            req = out.request.header if out.request is not None else None
            header = req if isinstance(req, dict) and req else {"status": out.status}
        return wire.build_frame(self.pdef, self.platform_for(out), header, out.body,
                                out.raw, version=version, direction="response")

    # -------------------------------------------------------------------------- serving

    async def _serve(self, reader, writer) -> None:
        conn = Connection(self, self.next_id, reader, writer)
        self.next_id += 1
        self.conns[conn.id] = conn
        self.ctx.record(self.name, "connect", conn=conn.id, peer=conn.peer)
        reason = "closed by the client"
        try:
            while not conn.closed:
                data = await reader.read(65536)
                if not data:
                    break
                try:
                    items = conn.cutter.feed(data)
                except wire.WireError as e:
                    self.ctx.record(self.name, "malformed", conn=conn.id, error=str(e))
                    reason = "broken stream"
                    break
                for dropped in conn.cutter.dropped:
                    self.ctx.record(self.name, "malformed", conn=conn.id,
                                    error="bytes that begin no known header",
                                    bytes=len(dropped), head=dropped[:16].hex())
                conn.cutter.dropped.clear()
                for version, platform, sections in items:
                    self._frame(conn, version, platform, sections)
        except (ConnectionError, ssl.SSLError, OSError) as e:
            reason = "%s: %s" % (type(e).__name__, e)
        except Exception as e:  # a fault in a handler must not take the server down
            reason = "handler failed: %r" % e
            self.ctx.record(self.name, "error", conn=conn.id, error=reason)
        finally:
            if conn.cutter.pending:
                self.ctx.record(self.name, "malformed", conn=conn.id,
                                error="truncated frame at close", bytes=conn.cutter.pending)
            conn.close()
            self.conns.pop(conn.id, None)
            self.on_close(conn)
            self.ctx.record(self.name, "close", conn=conn.id, reason=reason)

    def _frame(self, conn: Connection, version: str, platform: Dict[str, Any],
               sections: bytes) -> None:
        app = platform["applicationId"][:4]
        frame = wire.parse_sections(self.pdef, version, platform, sections,
                                    json_mode=app in wire.WHOLE_BODY_APPS, direction="request")
        known = frame.msg in self.pdef.get(app).messages
        self.ctx.record(self.name, "frame", conn=conn.id, version=version, app=app,
                        msg=frame.msg, tid=frame.tid, status=frame.status,
                        platform={k: v for k, v in platform.items() if k != "raw"},
                        header=frame.header, body=frame.body,
                        raw_len=len(frame.raw or b""), errors=frame.errors, known=known)
        rule = self.ctx.take_rule(self.name, app, frame.msg, frame.body)
        if rule and rule.get("close"):
            conn.close(abort=bool(rule.get("abort")))
            return
        if not known:
            outs = [Out(app, frame.msg, STATUS_UNKNOWN_MESSAGE, request=frame)]
        elif frame.errors:
            outs = [Out(app, frame.msg, STATUS_BAD_REQUEST, request=frame)]
        else:
            outs = self.handle(conn, frame)
        if rule:
            outs = self._apply_rule(conn, rule, outs)
        for out in outs:
            conn.send(out)

    def _apply_rule(self, conn: Connection, rule: Dict[str, Any], outs: List[Out]) -> List[Out]:
        if rule.get("drop"):
            return []
        for out in outs[:1]:
            if "status" in rule:
                out.status = int(rule["status"])
            if "body" in rule:
                out.body = rule["body"]
            if "merge" in rule and isinstance(out.body, dict):
                out.body = dict(out.body, **rule["merge"])
            if "version" in rule:
                out.version = rule["version"]
        if rule.get("hold"):
            self.ctx.held.append({"server": self.name, "conn": conn, "outs": outs})
            return []
        delay = float(rule.get("delay") or 0)
        if delay > 0:
            loop = asyncio.get_running_loop()
            loop.call_later(delay, lambda: [conn.send(o) for o in outs])
            return []
        return outs

    def broadcast(self, out: Out, predicate=None) -> int:
        """Sends an unsolicited message to every connection (that the predicate accepts)."""
        sent = 0
        for c in list(self.conns.values()):
            if predicate is None or predicate(c):
                c.send(out)
                sent += 1
        return sent
