"""The fake application server (TAS): log-in, sessions, and the reply of every catalogue
message (tas_catalogue.py, tas_board.py) from the data set."""
import secrets
import time
from typing import Any, Dict, List, Optional

import tas_board  # noqa: F401  (registers the board's handlers)
import wire
from framed_server import Connection, FramedServer, Out
from server_context import ServerContext
from tas_catalogue import HANDLERS, Call, Result
from tas_data import DataSet

STATUS_SESSION_EXPIRED = 2
STATUS_WRONG_LOGIN = 16
STATUS_LOCKED = 18
NO_SESSION_MESSAGES = ("G00000001", "M00000001", "M00000095", "M00000000")


class TasServer(FramedServer):
    name = "tas"
    definition_file = "protocol.xml"

    def __init__(self, ctx: ServerContext, protocols_dir: str, data: DataSet) -> None:
        super().__init__(ctx, protocols_dir)
        self.data = data
        self.sessions: Dict[str, Dict[str, Any]] = {}   # session id -> user
        self.locked_until: Dict[str, float] = {}

    def http_base(self) -> str:
        return "http://%s:%d" % (self.ctx.host, self.ctx.ports.get("http", 0))

    def expire_sessions(self) -> int:
        n = len(self.sessions)
        self.sessions.clear()
        return n

    # ------------------------------------------------------------------------- dispatch

    def handle(self, conn: Connection, frame: wire.Frame) -> List[Out]:
        body = frame.body if isinstance(frame.body, dict) else {}
        if frame.msg == "M00000000":
            return [Out(frame.app, frame.msg, request=frame)] \
                if self.ctx.config["answer_keepalive"] else []
        if frame.msg in ("M00000001", "G00000001"):
            result = self.log_in(conn, body, sso=frame.msg == "G00000001")
        elif frame.msg == "M00000095":
            result = self.version_check()
        else:
            user = self.session_user(conn, frame.header)
            if user is None:
                return [Out(frame.app, frame.msg, STATUS_SESSION_EXPIRED, body={},
                            request=frame)]
            result = self.call(user, frame.msg, body)
            if result.status == 0 and self.ctx.config["relay_sync"]:
                self.relay_sync(user, frame.msg, body)
        if result.pushes and self.ctx.config["auto_push"] and "push" in self.ctx.servers:
            # The sender of a chat message has it from his reply already.
            self.ctx.servers["push"].deliver([{"data": p} for p in result.pushes],
                                             except_user="" if result.push_to_sender else user["userId"])
        return [Out(frame.app, frame.msg, result.status, body=result.body, raw=result.raw,
                    request=frame)]

    def call(self, user: Dict[str, Any], msg: str, body: Dict[str, Any]) -> Result:
        if msg == "M00000023":
            self.sessions = {k: u for k, u in self.sessions.items() if u is not user}
            return Result({"userIdnfr": int(user["userId"])})
        if msg == "M00000034":
            self.data.push_keys[user["userId"]] = str(body.get("pcPushKey", ""))
            return Result({})
        handler = HANDLERS.get(msg)
        if handler is None:
            return Result({})
        return handler(Call(self.data, self.ctx.config, user, body, self.http_base(), msg))

    # What the presenter does on the shared page reaches the others through the synchronisation
    # server: request -> (action, the event's fields from the request body).
    SYNC_RELAYS = {
        "M00000015": ("page", lambda b: {"mtngId": b.get("mtngId", ""),
                                          "attachId": b.get("attcFileId", ""), "page": b.get("page", 1)}),
        "M00000030": ("lines", lambda b: {"mtngId": b.get("mtngId", ""),
                                           "attachId": b.get("attcFileId", ""), "page": b.get("page", 1),
                                           "metaType": str(b.get("metaType", 1)),
                                           "content": b.get("content", "")}),
        "M00000048": ("zoom", lambda b: {k: b.get(k, "") for k in
                                          ("mtngId", "attcFileId", "zoomFactor", "originX", "originY")}),
        "M00000049": ("pointer", lambda b: {k: b.get(k, "") for k in
                                             ("mtngId", "userIdnfr", "attcFileId", "page", "pointerX",
                                              "pointerY", "pointerColor", "pointerSize", "pointerShape")}),
    }

    def relay_sync(self, user: Dict[str, Any], msg: str, body: Dict[str, Any]) -> None:
        relay = self.SYNC_RELAYS.get(msg)
        tds = self.ctx.servers.get("tds")
        meeting = self.data.meeting(str(body.get("mtngId", "")))
        if relay is None or tds is None or meeting is None:
            return
        if self.data.presenter_id(meeting) != user["userId"]:
            return
        if msg == "M00000015" and not body.get("syncYn"):
            return
        action, fields = relay
        tds.relay(action, fields(body), user["userId"])

    def session_user(self, conn: Connection, header: Any) -> Optional[Dict[str, Any]]:
        sid = header.get("userSessionId") if isinstance(header, dict) else None
        user = self.sessions.get(str(sid)) if sid else None
        if user is None and not self.ctx.config["check_session"]:
            user = conn.state.get("user") or self.data.users[0]
        return user

    # --------------------------------------------------------------------------- log-in

    def log_in(self, conn: Connection, body: Dict[str, Any], sso: bool) -> Result:
        login = str(body.get("sawonNo", ""))
        user = self.data.user_by_login(login)
        cfg = self.ctx.config
        if user is not None and self.locked_until.get(login, 0) > time.time():
            return self._locked(login)
        if user is None or (not sso and str(body.get("userPwd", "")) != user["password"]):
            fails = self.data.login_failures.get(login, 0) + 1
            self.data.login_failures[login] = fails
            if user is not None and fails >= cfg["login_fail_max"]:
                self.locked_until[login] = time.time() + cfg["login_retry_seconds"]
                return self._locked(login)
            return Result({"loginFailCount": fails}, STATUS_WRONG_LOGIN)
        self.data.login_failures.pop(login, None)
        sid = secrets.token_hex(16)
        self.sessions[sid] = user
        self.ctx.login_user_awaited = {"tds": user["userId"], "push": user["userId"]}
        conn.state["user"] = user
        upgrade = cfg.get("upgrade_url") or ""
        return Result({
            "userProfile": "profile-%s-%s" % (user["userId"], sid[:8]), "userSessionId": sid,
            "userId": user["userId"], "userName": user["userName"],
            "positionName": user["positionName"], "deptName": user["deptName"],
            "locale": user.get("locale", "ko_KR"), "observerYn": user.get("observerYn", "N"),
            "upgrade": "true" if upgrade else "false", "upgradeUrl": upgrade,
            "crashUploadUrl": self.http_base() + "/brindlecast/rest/fileRestService/upload",
            "tdsConnectionIp": self.ctx.host if self.ctx.ports.get("tds") else "",
            "tdsconnectionPort": str(self.ctx.ports.get("tds", 0)),
        })

    def _locked(self, login: str) -> Result:
        cfg = self.ctx.config
        return Result({"loginFailMaxCount": cfg["login_fail_max"],
                       "loginFailRetryTime": cfg["login_retry_seconds"],
                       "loginFailCount": self.data.login_failures.get(login, 0)}, STATUS_LOCKED)

    def version_check(self) -> Result:
        upgrade = self.ctx.config.get("upgrade_url") or ""
        return Result({"noticeYn": 0, "noticeId": 0, "content": "",
                       "upgrade": "true" if upgrade else "false", "upgradeUrl": upgrade})
