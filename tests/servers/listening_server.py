"""A server that listens on one port of the event loop; the port 0 picks a free one."""
import asyncio
import ssl
from typing import Optional


class ListeningServer:
    def __init__(self) -> None:
        self.port = 0
        self._server = None

    async def start(self, host: str, port: int, ssl_ctx: Optional[ssl.SSLContext] = None) -> int:
        self._server = await asyncio.start_server(self._serve, host, port, ssl=ssl_ctx,
                                                  reuse_address=True)
        self.port = self._server.sockets[0].getsockname()[1]
        return self.port

    async def stop(self) -> None:
        if self._server:
            self._server.close()

    async def _serve(self, reader, writer) -> None:
        raise NotImplementedError
