"""The fake document-synchronisation server (TDS): accepts connects ("TD01" "M00000001") and
disconnects ("M00000002"), answers keep-alives ("PFAP" "M00000000") and sends the presenter's
lines, zoom, page and pointer ("M00000004" to "M00000007") when a test asks for them."""
import json
from typing import Any, Dict, List

import wire
from framed_server import Connection, FramedServer, Out

# Names a test may use for the presenter's actions.
ACTIONS = {"lines": "M00000004", "zoom": "M00000005", "page": "M00000006",
           "pointer": "M00000007"}


class TdsServer(FramedServer):
    name = "tds"
    definition_file = "tds_protocol.xml"
    reply_version = "PHV106"

    def handle(self, conn: Connection, frame: wire.Frame) -> List[Out]:
        if frame.app == "PFAP" and frame.msg == "M00000000":
            return [Out(frame.app, frame.msg, request=frame)] \
                if self.ctx.config["answer_keepalive"] else []
        if frame.msg == "M00000001":
            conn.state["session"] = True
            if "user" not in conn.state:
                conn.state["user"] = self.ctx.take_login_user("tds")
            conn.state["mac"] = (frame.body or {}).get("WIFI_MAC", "") \
                if isinstance(frame.body, dict) else ""
            return [Out(frame.app, frame.msg, request=frame,
                        body={"keepAlliveTime": int(self.ctx.config["tds_keepalive"])})]
        if frame.msg == "M00000002":
            conn.state["session"] = False
            return [Out(frame.app, frame.msg, request=frame, body={"result": "disconnected"})]
        return []

    def send_action(self, action: str, data: Any, status: int = 0, to_all: bool = False,
                    conn_id: int = 0) -> int:
        """Sends one presenter action. 'data' is an object (sent as JSON text in "data") or a
        text (sent as it is)."""
        msg = ACTIONS.get(action, action)
        text = data if isinstance(data, str) else json.dumps(data, ensure_ascii=False)
        out = Out("TD01", msg, status, body={"data": text}, version="PHV106")
        return self.broadcast(out, lambda c: (conn_id and c.id == conn_id) or (
            not conn_id and (to_all or c.state.get("session"))))

    def relay(self, action: str, data: Dict[str, Any], sender: str) -> int:
        """A presenter's action to every other user's open session (as the real server relays
        what the presenter does to the attendees, never back to the presenter)."""
        msg = ACTIONS[action]
        out = Out("TD01", msg, 0, body={"data": json.dumps(data, ensure_ascii=False)},
                  version="PHV106")
        return self.broadcast(out, lambda c: bool(c.state.get("session"))
                              and c.state.get("user") != sender)
