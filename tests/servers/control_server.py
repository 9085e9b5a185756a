"""The control port: JSON lines over TCP on loopback. Each line is one command object with a
"cmd" member; each gets one answer line {"ok": true, ...} or {"ok": false, "error": "..."}.
The commands are the c_* methods below; run_servers.py's help text describes them."""
import asyncio
import json
from typing import Any, Callable, Dict

from framed_server import Out
from listening_server import ListeningServer
from server_context import DEFAULT_CONFIG, ServerContext
import push_samples

FRAMED = ("tas", "push", "tds", "voice")


class ControlServer(ListeningServer):
    name = "control"

    def __init__(self, ctx: ServerContext, on_quit: Callable[[], None]) -> None:
        super().__init__()
        self.ctx = ctx
        self.on_quit = on_quit

    async def _serve(self, reader, writer) -> None:
        try:
            while True:
                line = await reader.readline()
                if not line:
                    break
                if not line.strip():
                    continue
                answer = await self.run_line(line)
                writer.write(json.dumps(answer, ensure_ascii=False).encode("utf-8") + b"\n")
                await writer.drain()
        except (ConnectionError, asyncio.IncompleteReadError):
            pass
        finally:
            writer.close()

    async def run_line(self, line: bytes) -> Dict[str, Any]:
        try:
            request = json.loads(line.decode("utf-8"))
            if not isinstance(request, dict):
                raise ValueError("a command is a JSON object")
            handler = COMMANDS.get(str(request.get("cmd")))
            if handler is None:
                raise ValueError("unknown command %r" % request.get("cmd"))
            answer = await handler(self, request)
            return dict({"ok": True}, **answer)
        except Exception as e:  # every failure goes back to the caller, the server stays up
            return {"ok": False, "error": "%s: %s" % (type(e).__name__, e)}

    def server(self, name: str):
        if name not in self.ctx.servers:
            raise ValueError("unknown server %r" % name)
        return self.ctx.servers[name]

    # --------------------------------------------------------------------------- commands

    async def c_ports(self, r):
        return {"ports": dict(self.ctx.ports)}

    async def c_config(self, r):
        for key, value in r.items():
            if key == "cmd":
                continue
            if key not in DEFAULT_CONFIG:
                raise ValueError("unknown setting %r" % key)
            self.ctx.config[key] = value
        return {"config": dict(self.ctx.config)}

    def _select(self, r):
        found = self.ctx.select(r.get("server"), r.get("kind"), r.get("app"), r.get("msg"),
                                int(r.get("since", 0)))
        return found

    async def c_log(self, r):
        found = self._select(r)
        limit = int(r.get("limit", 0))
        return {"records": found[-limit:] if limit else found, "last": self.ctx.seq}

    async def c_wait(self, r):
        r = dict(r, kind=r.get("kind", "frame"))
        count = int(r.get("count", 1))
        found = await self.ctx.wait_for(lambda: (lambda f: f if len(f) >= count else None)(
            self._select(r)), float(r.get("timeout", 10)))
        if not found:
            raise TimeoutError("%d %s record(s) of %s %s %s did not come" % (
                count, r["kind"], r.get("server"), r.get("app") or "", r.get("msg") or ""))
        return {"records": found, "last": self.ctx.seq}

    async def c_clear_log(self, r):
        self.ctx.records.clear()
        return {"last": self.ctx.seq}

    async def c_push(self, r):
        items = r.get("items")
        if not isinstance(items, list) or not items:
            raise ValueError("push needs a non-empty list 'items'")
        return self.server("push").deliver(items, int(r.get("status", 0)), bool(r.get("all")),
                                           int(r.get("conn", 0)))

    async def c_push_sample(self, r):
        ids = r.get("ids") or ([r["id"]] if r.get("id") else [])
        if not ids:
            raise ValueError("push_sample needs 'id' or a list 'ids' (\"all\": the whole table)")
        data = push_samples.samples(list(ids), str(r.get("mtngId", push_samples.DEFAULT_MEETING)),
                                    str(r.get("attachId", push_samples.DEFAULT_DOCUMENT)),
                                    r.get("fields") or {})
        items = [{"data": d} for d in data]
        if r.get("separately"):
            sent = [self.server("push").deliver([item], 0, bool(r.get("all")), int(r.get("conn", 0)))
                    for item in items]
            return {"deliveries": sent, "ids": [d["messageId"] for d in data]}
        answer = self.server("push").deliver(items, 0, bool(r.get("all")), int(r.get("conn", 0)))
        return dict(answer, ids=[d["messageId"] for d in data])

    async def c_tds(self, r):
        action = r.get("action") or r.get("msg")
        if not action:
            raise ValueError("tds needs 'action' (lines, zoom, page, pointer) or 'msg'")
        sent = self.server("tds").send_action(action, r.get("data", {}), int(r.get("status", 0)),
                                              bool(r.get("all")), int(r.get("conn", 0)))
        return {"sent": sent}

    async def c_send(self, r):
        srv = self.server(r.get("server", "tas"))
        extra = {}
        if "tid" in r:
            extra["transactionId"] = int(r["tid"])
        out = Out(r["app"], r["msg"], int(r.get("status", 0)), header=r.get("header"),
                  body=r.get("body"), raw=bytes.fromhex(r.get("raw_hex", "")),
                  version=r.get("version"), extra=extra)
        conn = int(r.get("conn", 0))
        return {"sent": srv.broadcast(out, lambda c: not conn or c.id == conn)}

    async def c_send_raw(self, r):
        srv = self.server(r.get("server", "tas"))
        data = bytes.fromhex(r.get("hex", ""))
        conn = int(r.get("conn", 0))
        sent = 0
        for c in list(srv.conns.values()):
            if not conn or c.id == conn:
                c.send_bytes(data)
                sent += 1
        return {"sent": sent}

    async def c_rule(self, r):
        rule = {k: v for k, v in r.items() if k != "cmd"}
        rule.setdefault("server", "tas")
        self.server(rule["server"])
        self.ctx.add_rule(rule)
        return {"rules": len(self.ctx.rules)}

    async def c_status_next(self, r):
        return await self.c_rule(dict(r, status=int(r.get("status", 2))))

    async def c_hold(self, r):
        return await self.c_rule(dict(r, hold=True))

    async def c_clear_rules(self, r):
        self.ctx.rules.clear()
        return {}

    async def c_release(self, r):
        server = r.get("server")
        released = 0
        keep = []
        for h in self.ctx.held:
            if server and h["server"] != server:
                keep.append(h)
                continue
            for out in h["outs"]:
                h["conn"].send(out)
            released += 1
        self.ctx.held = keep
        return {"released": released}

    async def c_close(self, r):
        names = FRAMED if r.get("server", "all") == "all" else (r["server"],)
        conn = int(r.get("conn", 0))
        closed = 0
        for name in names:
            for c in list(self.server(name).conns.values()):
                if not conn or c.id == conn:
                    c.close(abort=bool(r.get("abort")))
                    closed += 1
        return {"closed": closed}

    async def c_expire(self, r):
        return {"expired": self.server("tas").expire_sessions()}

    async def c_conns(self, r):
        return {"conns": {name: [{"conn": c.id, "peer": c.peer,
                                  "state": {k: v for k, v in c.state.items() if k != "user"}}
                                 for c in self.server(name).conns.values()]
                          for name in FRAMED if name in self.ctx.servers}}

    async def c_voice(self, r):
        sent = self.server("voice").send_voice(bytes.fromhex(r.get("hex", "")),
                                               int(r.get("type", 2)), r.get("group"),
                                               bool(r.get("raw")))
        return {"sent": sent}

    async def c_quit(self, r):
        asyncio.get_running_loop().call_soon(self.on_quit)
        return {}


COMMANDS = {name[2:]: fn for name, fn in vars(ControlServer).items() if name.startswith("c_")}
