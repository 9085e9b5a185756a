"""What the servers' self-tests share: one set of servers for the whole run, clients that play
the product client's part, and the log-in."""
import atexit
import datetime
import os
import socket
import sys
import time
import unittest
from typing import Any, Dict, Optional

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import protodef  # noqa: E402
import wire  # noqa: E402
from server_context import DEFAULT_CONFIG  # noqa: E402
from server_set import PROTOCOLS_DIR, ServerSet  # noqa: E402

HOST = "127.0.0.1"
EMPTY_SESSION = {"userProfile": "", "userSessionId": "", "udid": ""}
_servers: Optional[ServerSet] = None


def servers() -> ServerSet:
    global _servers
    if _servers is None:
        _servers = ServerSet(HOST)
        _servers.start_in_thread()
        atexit.register(_servers.stop_thread)
    return _servers


def definition(name: str) -> protodef.ProtocolDef:
    return protodef.ProtocolDef.from_file(os.path.join(PROTOCOLS_DIR, name))


def today() -> str:
    return datetime.date.today().strftime("%Y%m%d")


class ServerTestCase(unittest.TestCase):
    """Starts the servers once; every test gets a control client and clean rules and settings."""

    @classmethod
    def setUpClass(cls) -> None:
        cls.ports = servers().ports
        cls.tas_def = definition("protocol.xml")
        cls.push_def = definition("pps_protocol.xml")
        cls.tds_def = definition("tds_protocol.xml")
        cls.tvt_def = definition("tvt_protocol.xml")

    def setUp(self) -> None:
        self.ctl = wire.ControlClient(HOST, self.ports["control"])
        self.mark = self.ctl.call("log", limit=1)["last"]
        self.clients = []
        self.tid = 100

    def tearDown(self) -> None:
        for c in self.clients:
            c.close()
        # The next test counts the connections it reaches: wait until these are gone.
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline and any(self.ctl.call("conns")["conns"].values()):
            time.sleep(0.02)
        self.ctl.call("clear_rules")
        self.ctl.call("release")
        self.ctl.call("config", **DEFAULT_CONFIG)
        self.ctl.close()

    def call(self, cmd: str, **args) -> Dict[str, Any]:
        answer = self.ctl.call(cmd, **args)
        self.assertTrue(answer.get("ok"), answer)
        return answer

    # --------------------------------------------------------------------------- clients

    def client(self, server: str, json_mode: bool = True) -> wire.WireClient:
        pdef = {"tas": self.tas_def, "push": self.push_def, "tds": self.tds_def,
                "voice": self.tvt_def}[server]
        c = wire.WireClient(HOST, self.ports[server], pdef, json_mode)
        self.clients.append(c)
        return c

    def raw_tls(self):
        """A bare TLS connection to the application server, for bytes that are not frames."""
        import ssl
        ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_CLIENT)
        ctx.check_hostname = False
        ctx.verify_mode = ssl.CERT_NONE
        s = ctx.wrap_socket(socket.create_connection((HOST, self.ports["tas"]), timeout=5))
        return s

    def next_tid(self) -> int:
        self.tid += 1
        return self.tid

    def tas_request(self, client: wire.WireClient, msg: str, body: Dict[str, Any],
                    session: Dict[str, str], tid: Optional[int] = None,
                    app: str = "PP01") -> wire.Frame:
        platform = wire.client_platform(app, msg, tid if tid is not None else self.next_tid())
        return client.request(platform, session, body)

    def log_in(self, client: wire.WireClient, login: str = "kim",
               password: str = "1234") -> Dict[str, str]:
        reply = self.tas_request(client, "M00000001", {
            "sawonNo": login, "appType": "7", "groupCoCd": "", "appVer": "4.2.0.0",
            "userPwd": password}, EMPTY_SESSION)
        self.assertEqual(reply.status, 0, reply.body)
        return {"userProfile": reply.body["userProfile"],
                "userSessionId": reply.body["userSessionId"], "udid": ""}
