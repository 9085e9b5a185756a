"""Peers that misbehave, on loopback, for the socket library's tests.

  --mode alert       answers the first bytes (a TLS client hello) with a fatal TLS alert record
         garbage     answers the first bytes with text that is not TLS
         close       closes each connection as soon as it is accepted
         mute        accepts and then neither reads nor sends
         reset       sends --payload, then resets the connection
         blackhole   never completes a connect: the listen queue is kept full
"""
import argparse
import socket
import struct
import threading
import time

from fixture_util import add_ready_args, announce, exit_when_orphaned

# A TLS 1.2 record: alert, fatal (2), handshake_failure (40).
FATAL_ALERT = bytes([0x15, 0x03, 0x03, 0x00, 0x02, 0x02, 0x28])
GARBAGE = b"HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n\r\n" * 4

held = []


def serve(conn, args):
    if args.mode == "close":
        conn.close()
        return
    if args.mode == "mute":
        held.append(conn)
        return
    if args.mode == "reset":
        conn.sendall(args.payload.encode())
        time.sleep(0.3)
        conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        conn.close()
        return
    with conn:
        if not conn.recv(65536):
            return
        conn.sendall(FATAL_ALERT if args.mode == "alert" else GARBAGE)
        # Keep the connection open: the client must end it by itself.
        time.sleep(30)


def fill_backlog(port):
    """Connects to the listening socket until a connect no longer completes."""
    for _ in range(16):
        c = socket.socket()
        c.settimeout(0.5)
        try:
            c.connect(("127.0.0.1", port))
            held.append(c)
        except OSError:
            c.close()
            return


def main():
    parser = argparse.ArgumentParser()
    add_ready_args(parser)
    parser.add_argument("--mode", required=True,
                        choices=["alert", "garbage", "close", "mute", "reset", "blackhole"])
    parser.add_argument("--payload", default="partial")
    args = parser.parse_args()
    srv = socket.socket()
    srv.bind(("127.0.0.1", 0))
    port = srv.getsockname()[1]
    if args.mode == "blackhole":
        srv.listen(0)
        fill_backlog(port)
        announce(args.ready_file, port)
        exit_when_orphaned(args.ready_file)
        held.append(srv)
        while True:
            time.sleep(1)
    srv.listen(64)
    announce(args.ready_file, port)
    exit_when_orphaned(args.ready_file)
    while True:
        conn, _ = srv.accept()
        threading.Thread(target=serve, args=(conn, args), daemon=True).start()


if __name__ == "__main__":
    main()
