"""What the test servers share: settings, the log of everything received, the one-shot rules
that a test sets through the control port, the held-back replies and the servers themselves."""
import asyncio
import time
from typing import Any, Callable, Dict, List, Optional

# Settings a test may change through the control port ("config").
DEFAULT_CONFIG: Dict[str, Any] = {
    "push_keepalive": 30,        # "keepAliveInterval" of the push session reply, seconds
    "tds_keepalive": 10,         # "keepAlliveTime" of the synchronisation connect reply, seconds
    "answer_keepalive": True,    # answer keep-alives (off: the client has to reconnect)
    "answer_udp_keepalive": True,  # answer the voice UDP sessions' keep-alives
    "check_session": True,       # application requests need a live session (else status 2)
    "auto_push": True,           # status changes and chat messages go out as push items
    "encrypt_image_urls": False, # page-image URLs sent AES-encrypted with "isEnc" true
    "login_fail_max": 5,         # failed passwords before an account is locked (status 18)
    "login_retry_seconds": 600,
    "upgrade_url": "",           # non-empty: the login reply asks for an upgrade
    "relay_sync": True,          # the presenter's page, zoom, pointer and strokes go to the others
}

MAX_LOG_RECORDS = 100000


class ServerContext:
    def __init__(self, host: str = "127.0.0.1") -> None:
        self.host = host
        self.config: Dict[str, Any] = dict(DEFAULT_CONFIG)
        self.ports: Dict[str, int] = {}
        self.servers: Dict[str, Any] = {}
        self.records: List[Dict[str, Any]] = []
        self.seq = 0
        self.rules: List[Dict[str, Any]] = []
        self.held: List[Dict[str, Any]] = []
        self._waiters: List[asyncio.Future] = []
        self.verbose = False
        self.work_dir = ""
        # The synchronisation connect and the push session name no user: a client makes them right
        # after its log-in, so each is taken as the latest log-in's (clients that share a meeting
        # log in one by one). Server name -> user id waiting for that server's connection.
        self.login_user_awaited: Dict[str, str] = {}

    def take_login_user(self, server: str) -> str:
        return self.login_user_awaited.pop(server, "")

    # ------------------------------------------------------------------------------ log

    def record(self, server: str, kind: str, **fields: Any) -> Dict[str, Any]:
        self.seq += 1
        rec = {"seq": self.seq, "time": round(time.time(), 3), "server": server, "kind": kind}
        rec.update(fields)
        self.records.append(rec)
        if len(self.records) > MAX_LOG_RECORDS:
            del self.records[:len(self.records) - MAX_LOG_RECORDS]
        if self.verbose:
            summary = " ".join("%s=%s" % (k, rec[k]) for k in ("conn", "app", "msg", "status",
                                                               "path", "error") if k in rec)
            print("[%s] %s %s" % (server, kind, summary), flush=True)
        waiters, self._waiters = self._waiters, []
        for w in waiters:
            if not w.done():
                w.set_result(None)
        return rec

    def select(self, server: Optional[str] = None, kind: Optional[str] = None,
               app: Optional[str] = None, msg: Optional[str] = None,
               since: int = 0) -> List[Dict[str, Any]]:
        return [r for r in self.records if r["seq"] > since
                and (server is None or r["server"] == server)
                and (kind is None or r["kind"] == kind)
                and (app is None or r.get("app") == app)
                and (msg is None or r.get("msg") == msg)]

    async def wait_for(self, predicate: Callable[[], Any], timeout: float) -> Any:
        """Waits until predicate() gives a true value (returned) or the time-out passes (None)."""
        loop = asyncio.get_running_loop()
        deadline = loop.time() + timeout
        while True:
            result = predicate()
            if result:
                return result
            left = deadline - loop.time()
            if left <= 0:
                return None
            fut = loop.create_future()
            self._waiters.append(fut)
            try:
                await asyncio.wait_for(fut, left)
            except asyncio.TimeoutError:
                pass

    # ---------------------------------------------------------------------------- rules

    def add_rule(self, rule: Dict[str, Any]) -> None:
        rule = dict(rule)
        rule.setdefault("count", 1)
        self.rules.append(rule)

    def take_rule(self, server: str, app: str, msg: str,
                  body: Optional[Dict[str, Any]] = None) -> Optional[Dict[str, Any]]:
        """The first rule that matches a request, used up by one. A rule's "where" names request
        body members it applies to (compared as text)."""
        for rule in self.rules:
            if rule.get("server", "tas") != server:
                continue
            if rule.get("msg") not in (None, msg) or rule.get("app") not in (None, app):
                continue
            where = rule.get("where") or {}
            if where and not (isinstance(body, dict) and
                              all(str(body.get(k)) == str(v) for k, v in where.items())):
                continue
            if rule["count"] > 0:
                rule["count"] -= 1
            if rule["count"] == 0:
                self.rules.remove(rule)
            return rule
        return None
