"""All test servers together on one event loop: application, push, synchronisation and voice
servers over TLS, the voice UDP endpoints, the web server and the control port."""
import asyncio
import os
import shutil
import tempfile
import threading
from typing import Dict, Optional

import certs
from control_server import ControlServer
from http_server import HttpServer
from push_server import PushServer
from server_context import ServerContext
from tas_data import DataSet
from tas_server import TasServer
from tds_server import TdsServer
from voice_server import VoiceServer

HERE = os.path.dirname(os.path.abspath(__file__))
PROTOCOLS_DIR = os.path.normpath(os.path.join(HERE, "..", "..", "protocols"))
DATA_DIR = os.path.join(HERE, "data")

# Order of the ports on the fixture's ready line.
PORT_NAMES = ("tas", "push", "tds", "voice", "http", "control", "voice_udp_send",
              "voice_udp_receive")
FOREGROUND_PORTS = {"tas": 16302, "push": 16301, "http": 16304, "tds": 16305, "voice": 16306,
                    "voice_udp_send": 16307, "voice_udp_receive": 16308, "control": 16309}


class ServerSet:
    def __init__(self, host: str = "127.0.0.1", data_dir: str = DATA_DIR,
                 protocols_dir: str = PROTOCOLS_DIR, work_dir: Optional[str] = None,
                 tls_max: str = "1.3") -> None:
        self.ctx = ServerContext(host)
        self.data_dir = data_dir
        self.protocols_dir = protocols_dir
        self.tls_max = tls_max
        self._own_work_dir = work_dir is None
        self.work_dir = work_dir or tempfile.mkdtemp(prefix="zel-servers-")
        self.ctx.work_dir = self.work_dir
        self.loop: Optional[asyncio.AbstractEventLoop] = None
        self._stopped: Optional[asyncio.Event] = None
        self._thread: Optional[threading.Thread] = None

    @property
    def ports(self) -> Dict[str, int]:
        return self.ctx.ports

    async def start(self, ports: Dict[str, int]) -> Dict[str, int]:
        """Starts every server on the given ports (0 = any free port)."""
        self.loop = asyncio.get_running_loop()
        self.loop.set_exception_handler(self._loop_error)
        self._stopped = asyncio.Event()
        os.makedirs(self.work_dir, exist_ok=True)
        key, cert = certs.make_certificate(self.work_dir, self.ctx.host)
        tls = certs.server_context(key, cert, self.tls_max)
        host, ctx = self.ctx.host, self.ctx
        data = DataSet(self.data_dir)
        servers = {"tas": TasServer(ctx, self.protocols_dir, data),
                   "push": PushServer(ctx, self.protocols_dir),
                   "tds": TdsServer(ctx, self.protocols_dir),
                   "voice": VoiceServer(ctx, self.protocols_dir),
                   "http": HttpServer(ctx),
                   "control": ControlServer(ctx, self.request_stop)}
        ctx.servers.update(servers)
        for name in ("tas", "push", "tds", "voice"):
            ctx.ports[name] = await servers[name].start(host, ports.get(name, 0), tls)
        ctx.ports["voice_udp_send"], ctx.ports["voice_udp_receive"] = \
            await servers["voice"].start_udp(host, ports.get("voice_udp_send", 0),
                                             ports.get("voice_udp_receive", 0))
        ctx.ports["http"] = await servers["http"].start(host, ports.get("http", 0))
        ctx.ports["control"] = await servers["control"].start("127.0.0.1",
                                                              ports.get("control", 0))
        return dict(ctx.ports)

    def _loop_error(self, loop, context) -> None:
        # Failed handshakes and the like: log them, never print tracebacks or stop.
        self.ctx.record("loop", "error", error=str(context.get("exception")
                                                   or context.get("message")))

    def request_stop(self) -> None:
        if self._stopped is not None:
            self._stopped.set()

    async def serve_until_stopped(self) -> None:
        await self._stopped.wait()
        await self.shutdown()

    async def shutdown(self) -> None:
        for srv in self.ctx.servers.values():
            await srv.stop()
        if self._own_work_dir:
            shutil.rmtree(self.work_dir, ignore_errors=True)

    # ---------------------------------------------------------- on a thread (self-tests)

    def start_in_thread(self, ports: Optional[Dict[str, int]] = None) -> Dict[str, int]:
        ready = threading.Event()
        failure = []

        def run() -> None:
            async def main() -> None:
                try:
                    await self.start(ports or {})
                except Exception as e:
                    failure.append(e)
                    ready.set()
                    return
                ready.set()
                await self.serve_until_stopped()
            asyncio.run(main())

        self._thread = threading.Thread(target=run, name="zel-servers", daemon=True)
        self._thread.start()
        ready.wait(30)
        if failure:
            raise failure[0]
        return dict(self.ctx.ports)

    def stop_thread(self) -> None:
        if self.loop is not None and self._thread is not None:
            self.loop.call_soon_threadsafe(self.request_stop)
            self._thread.join(10)
