"""The fake push server (TPC): issues push keys ("PPSE" "M00000005"), opens push sessions
("PPSE" "M00000001"), answers keep-alives ("PFAP" "M00000000"), delivers push items ("PFAP"
"M00000001") and takes their acknowledgements ("PFAP" "M00000002")."""
import json
import uuid
from typing import Any, Dict, List

import wire
from framed_server import Connection, FramedServer, Out

ACCESS_KEY = "5e0b7a93d41c28f6a0e9b3d7c5f18a2e64b09d3f7e1a85c26d4f90b3e7a1c58d"
STATUS_REFUSED = 1   # wrong access key or unknown push key


class PushServer(FramedServer):
    name = "push"
    definition_file = "pps_protocol.xml"

    def __init__(self, ctx, protocols_dir: str) -> None:
        super().__init__(ctx, protocols_dir)
        self.keys: Dict[str, str] = {}          # push key -> device
        self.unacknowledged: Dict[str, Dict[str, Any]] = {}

    def handle(self, conn: Connection, frame: wire.Frame) -> List[Out]:
        body = frame.body if isinstance(frame.body, dict) else {}
        if frame.app == "PPSE" and frame.msg == "M00000005":
            if body.get("auth") != ACCESS_KEY or not body.get("deviceUuid"):
                return [Out(frame.app, frame.msg, STATUS_REFUSED, request=frame)]
            key = "PK-%s" % uuid.uuid5(uuid.NAMESPACE_OID, str(body["deviceUuid"])).hex[:16]
            self.keys[key] = str(body["deviceUuid"])
            conn.state["push_key"] = key
            return [Out(frame.app, frame.msg, body={"pushKey": key}, request=frame)]
        if frame.app == "PPSE" and frame.msg == "M00000001":
            if body.get("auth") != ACCESS_KEY or body.get("pushKey") not in self.keys:
                return [Out(frame.app, frame.msg, STATUS_REFUSED, request=frame)]
            conn.state["session"] = True
            if "user" not in conn.state:
                conn.state["user"] = self.ctx.take_login_user("push")
            return [Out(frame.app, frame.msg, request=frame,
                        body={"keepAliveInterval": int(self.ctx.config["push_keepalive"])})]
        if frame.app == "PFAP" and frame.msg == "M00000000":
            return [Out(frame.app, frame.msg, request=frame)] \
                if self.ctx.config["answer_keepalive"] else []
        if frame.app == "PFAP" and frame.msg == "M00000002":
            for r in body.get("pushItemResultList") or []:
                self.unacknowledged.pop(r.get("deviceMessageUuid"), None)
            return []
        return []

    def deliver(self, items: List[Dict[str, Any]], status: int = 0, to_all: bool = False,
                conn_id: int = 0, except_user: str = "") -> Dict[str, Any]:
        """One delivery with the given items to every connection with an open session (or to
        every connection, or to one). An item's "data" may be an object (sent as its JSON text)
        or a text (sent as it is, so a test can send text that does not parse)."""
        entries = []
        for item in items:
            data = item.get("data", {})
            entry = {
                "applicationName": item.get("applicationName", "Brindlecast"),
                "applicationPackageName": item.get("applicationPackageName", "com.talvora.zel"),
                "broadcastAction": item.get("broadcastAction", "PUSH"),
                "data": data if isinstance(data, str) else json.dumps(data, ensure_ascii=False),
                "deviceMessageUuid": item.get("deviceMessageUuid", uuid.uuid4().hex),
                "summaryYn": item.get("summaryYn", "N"),
                "summaryCnt": int(item.get("summaryCnt", 0)),
            }
            entries.append(entry)
            self.unacknowledged[entry["deviceMessageUuid"]] = entry
        out = Out("PFAP", "M00000001", status, body={"pushItemList": entries})
        sent = self.broadcast(out, lambda c: (conn_id and c.id == conn_id) or (
            not conn_id and (to_all or c.state.get("session"))
            and not (except_user and c.state.get("user") == except_user)))
        return {"sent": sent, "uuids": [e["deviceMessageUuid"] for e in entries]}
