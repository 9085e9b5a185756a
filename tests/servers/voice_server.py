"""The fake voice-conference server (TVT): the "A002" control messages over TLS and the two UDP
voice endpoints it names in its connect reply.

UDP datagrams start with an 8-byte header: 16-bit type (0 keep-alive, 1 registration, 2 voice),
4 zero bytes, 16-bit payload length. A client registers one session on each endpoint: "S" on
the send endpoint (the server sends the conference's voice there) and "R" on the receive
endpoint (the client sends its voice there). Voice received on an "R" session is passed on to
the other members' "S" sessions of the same group."""
import asyncio
import json
import struct
from typing import Any, Dict, List, Optional, Tuple

import wire
from framed_server import Connection, FramedServer, Out

TYPE_KEEPALIVE, TYPE_REGISTER, TYPE_VOICE = 0, 1, 2


def datagram(kind: int, payload: bytes = b"") -> bytes:
    return struct.pack(">HIH", kind, 0, len(payload)) + payload


def parse_datagram(data: bytes) -> Tuple[int, bytes]:
    """Type and payload; missing header bytes count as zeros, the payload is cut to what
    arrived."""
    head = data[:8].ljust(8, b"\0")
    kind, _, length = struct.unpack(">HIH", head)
    return kind, data[8:8 + length]


class VoiceServer(FramedServer):
    name = "voice"
    definition_file = "tvt_protocol.xml"

    def __init__(self, ctx, protocols_dir: str) -> None:
        super().__init__(ctx, protocols_dir)
        self.udp: Dict[str, "_VoiceEndpoint"] = {}

    async def start_udp(self, host: str, send_port: int, receive_port: int) -> Tuple[int, int]:
        loop = asyncio.get_running_loop()
        for side, port in (("send", send_port), ("receive", receive_port)):
            transport, endpoint = await loop.create_datagram_endpoint(
                lambda s=side: _VoiceEndpoint(self, s), local_addr=(host, port))
            self.udp[side] = endpoint
        return self.udp["send"].port, self.udp["receive"].port

    async def stop(self) -> None:
        await super().stop()
        for e in self.udp.values():
            if e.transport:
                e.transport.close()

    def handle(self, conn: Connection, frame: wire.Frame) -> List[Out]:
        header = frame.header if isinstance(frame.header, dict) else {}
        if frame.msg == "CON000000":
            return [Out(frame.app, frame.msg, request=frame)] \
                if self.ctx.config["answer_keepalive"] else []
        if frame.msg == "CON000001":
            conn.state.update(session=True, group=header.get("GROUPID", ""),
                              account=header.get("ACCOUNTID", ""))
            host = self.ctx.host
            return [Out(frame.app, frame.msg, request=frame, body={
                "OUT_SENT_IP": host, "OUT_SENT_PORT": str(self.udp["send"].port),
                "OUT_RECEIVE_IP": host, "OUT_RECEIVE_PORT": str(self.udp["receive"].port),
                "OUT_TOTAL_CNT": sum(1 for c in self.conns.values()
                                     if c.state.get("group") == conn.state["group"])})]
        if frame.msg in ("SAY000001", "SAY000011"):
            return [Out(frame.app, frame.msg, request=frame,
                        body={"OUT_STATUS": 0, "OUT_ERRORMSG": ""})]
        if frame.msg == "MEET00009":
            return [Out(frame.app, frame.msg, request=frame,
                        body={"OUT_STATUS": 0, "AUTHORITY_TYPE": header.get("AUTHORITY_TYPE")})]
        return []

    def send_voice(self, payload: bytes, kind: int = TYPE_VOICE,
                   group: Optional[str] = None) -> int:
        """Sends one datagram to every registered "S" session (of the group)."""
        return self.udp["send"].send_to_sessions(datagram(kind, payload), group)


class _VoiceEndpoint(asyncio.DatagramProtocol):
    def __init__(self, server: VoiceServer, side: str) -> None:
        self.server = server
        self.side = side
        self.transport = None
        self.port = 0
        self.sessions: Dict[Any, Dict[str, Any]] = {}   # address -> registration

    def connection_made(self, transport) -> None:
        self.transport = transport
        self.port = transport.get_extra_info("sockname")[1]

    def datagram_received(self, data: bytes, addr) -> None:
        kind, payload = parse_datagram(data)
        ctx = self.server.ctx
        ctx.record("voice_udp", "datagram", side=self.side, peer="%s:%s" % addr[:2],
                   type=kind, length=len(payload), bytes=len(data))
        if kind == TYPE_KEEPALIVE:
            self.transport.sendto(datagram(TYPE_KEEPALIVE), addr)
        elif kind == TYPE_REGISTER:
            try:
                reg = json.loads(payload.decode("utf-8"))
                ok = isinstance(reg, dict)
            except (ValueError, UnicodeDecodeError):
                reg, ok = {}, False
            if ok:
                self.sessions[addr] = reg
            answer = {"OUT_STATUS": 0 if ok else 1,
                      "OUT_ERRORMSG": "" if ok else "registration does not parse"}
            self.transport.sendto(datagram(TYPE_REGISTER, json.dumps(answer).encode()), addr)
        elif kind == TYPE_VOICE and self.side == "receive" and addr in self.sessions:
            reg = self.sessions[addr]
            others = self.server.udp["send"]
            for s_addr, s_reg in others.sessions.items():
                if (s_reg.get("IN_GROUP_ID") == reg.get("IN_GROUP_ID")
                        and s_reg.get("IN_ACCOUNT_ID") != reg.get("IN_ACCOUNT_ID")):
                    others.transport.sendto(datagram(TYPE_VOICE, payload), s_addr)

    def send_to_sessions(self, data: bytes, group: Optional[str]) -> int:
        sent = 0
        for addr, reg in self.sessions.items():
            if group is None or reg.get("IN_GROUP_ID") == group:
                self.transport.sendto(data, addr)
                sent += 1
        return sent
