"""A stream server on loopback for the socket library's tests and benchmarks, plain TCP or TLS.

  --tls none|1.2|1.3|any   TLS version the server accepts (none: plain TCP)
  --mode echo              sends back what it receives
         digest            after --delay seconds reads --expect bytes, answers "<count> <sha256>\\n"
         quiet             completes the handshake, reads and discards, never sends
         ack               sends one byte "A" per --ack-every bytes received
         corrupt           after the handshake sends a TLS record that does not decrypt
  --tickets N              TLS 1.3 session tickets sent after the handshake (default: Python's)
  --require-cert           asks the client for a certificate it does not have (a handshake alert)
  --handshake-delay S      waits S seconds after accepting before it answers the handshake

The certificate is self-signed, made at start with the openssl command line tool.
"""
import argparse
import hashlib
import os
import shutil
import socket
import ssl
import subprocess
import tempfile
import threading
import time

from fixture_util import add_ready_args, announce, exit_when_orphaned


def make_certificate(folder):
    cert = os.path.join(folder, "cert.pem")
    key = os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=localhost"],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return cert, key


def tls_context(args, folder):
    cert, key = make_certificate(folder)
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    versions = {"1.2": ssl.TLSVersion.TLSv1_2, "1.3": ssl.TLSVersion.TLSv1_3}
    if args.tls in versions:
        ctx.minimum_version = versions[args.tls]
        ctx.maximum_version = versions[args.tls]
    ctx.load_cert_chain(cert, key)
    if args.tickets is not None:
        ctx.num_tickets = args.tickets
    if args.require_cert:
        ctx.verify_mode = ssl.CERT_REQUIRED
        ctx.load_verify_locations(cert)
    return ctx


def recv_exactly(conn, count):
    digest = hashlib.sha256()
    got = 0
    while got < count:
        data = conn.recv(min(65536, count - got))
        if not data:
            break
        digest.update(data)
        got += len(data)
    return got, digest.hexdigest()


def serve(conn, args):
    with conn:
        if args.mode == "echo":
            while True:
                data = conn.recv(65536)
                if not data:
                    return
                conn.sendall(data)
        elif args.mode == "digest":
            time.sleep(args.delay)
            got, hexdigest = recv_exactly(conn, args.expect)
            conn.sendall(("%d %s\n" % (got, hexdigest)).encode())
            while conn.recv(65536):
                pass
        elif args.mode == "quiet":
            while conn.recv(65536):
                pass
        elif args.mode == "corrupt":
            time.sleep(0.5)  # the client reports the connection first
            raw = socket.socket(fileno=os.dup(conn.fileno()))
            raw.sendall(bytes([0x17, 0x03, 0x03, 0x00, 0x20]) + os.urandom(32))
            raw.detach()
            while conn.recv(65536):
                pass
        elif args.mode == "ack":
            pending = 0
            while True:
                data = conn.recv(262144)
                if not data:
                    return
                pending += len(data)
                acks = pending // args.ack_every
                if acks:
                    pending -= acks * args.ack_every
                    conn.sendall(b"A" * acks)


def handle(raw, ctx, args):
    try:
        time.sleep(args.handshake_delay)
        conn = ctx.wrap_socket(raw, server_side=True) if ctx else raw
        serve(conn, args)
    except (OSError, ssl.SSLError):
        raw.close()


def main():
    parser = argparse.ArgumentParser()
    add_ready_args(parser)
    parser.add_argument("--tls", default="none", choices=["none", "1.2", "1.3", "any"])
    parser.add_argument("--mode", default="echo", choices=["echo", "digest", "quiet", "ack", "corrupt"])
    parser.add_argument("--expect", type=int, default=0)
    parser.add_argument("--delay", type=float, default=0.0)
    parser.add_argument("--ack-every", type=int, default=65536)
    parser.add_argument("--tickets", type=int, default=None)
    parser.add_argument("--require-cert", action="store_true")
    parser.add_argument("--handshake-delay", type=float, default=0.0)
    args = parser.parse_args()

    folder = tempfile.mkdtemp(prefix="socket_fixture_")
    try:
        ctx = tls_context(args, folder) if args.tls != "none" else None
        srv = socket.socket()
        srv.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        srv.bind(("127.0.0.1", 0))
        srv.listen(64)
        announce(args.ready_file, srv.getsockname()[1])
        exit_when_orphaned(args.ready_file)
        while True:
            raw, _ = srv.accept()
            raw.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
            threading.Thread(target=handle, args=(raw, ctx, args), daemon=True).start()
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
