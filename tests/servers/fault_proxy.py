"""A loopback TCP proxy that hurts the connections passing through it, driven by a seed.

    fault_proxy.py --ready-file FILE --target-port N [--seed S] [--faulty K] [--kinds a,b,...]

The first K connections each get one fault, chosen by the seed: their bytes split into single-byte
writes, delayed, stalled for a while, cut after some bytes, or reset. Connections after those pass
untouched ("after the faults stop"). The ready line holds the proxy's port. A control connection
is not needed: a test reads what happened from the servers behind the proxy.
"""
import argparse
import random
import socket
import struct
import threading
import time

from fixture_util import add_ready_args, announce, exit_when_orphaned

FAULTS = ("split", "delay", "stall", "cut", "reset")


class Plan:
    def __init__(self, rng: random.Random, kind: str):
        self.kind = kind
        # Which direction the fault hits: 0 client to server, 1 server to client.
        self.direction = rng.randrange(2)
        self.after = rng.randrange(0, 1500)       # bytes that pass before a cut, reset or stall
        self.stall = rng.uniform(0.2, 1.5)        # seconds of a stall
        self.delay = rng.uniform(0.001, 0.03)     # seconds between delayed pieces
        self.piece = rng.randrange(1, 64)         # bytes per delayed piece


def hard_close(sock: socket.socket, reset: bool) -> None:
    try:
        if reset:
            # A zero linger time makes close() send a reset instead of a clean end.
            sock.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        sock.close()
    except OSError:
        pass


def pump(src: socket.socket, dst: socket.socket, plan, both, log) -> None:
    sent = 0
    stalled = False
    try:
        while True:
            data = src.recv(65536)
            if not data:
                break
            if plan is None:
                dst.sendall(data)
                continue
            if plan.kind in ("cut", "reset") and sent + len(data) > plan.after:
                keep = max(0, plan.after - sent)
                if keep:
                    dst.sendall(data[:keep])
                log("%s after %d bytes" % (plan.kind, plan.after))
                for s in both:
                    hard_close(s, plan.kind == "reset")
                return
            if plan.kind == "stall" and not stalled and sent + len(data) > plan.after:
                stalled = True
                log("stall %.2f s" % plan.stall)
                time.sleep(plan.stall)
            if plan.kind == "split":
                for i in range(len(data)):
                    dst.sendall(data[i:i + 1])
            elif plan.kind == "delay":
                for i in range(0, len(data), plan.piece):
                    time.sleep(plan.delay)
                    dst.sendall(data[i:i + plan.piece])
            else:
                dst.sendall(data)
            sent += len(data)
    except OSError:
        pass
    # One side ended: end the other side's writing too, so the peer sees the close.
    try:
        dst.shutdown(socket.SHUT_WR)
    except OSError:
        pass


def serve(listener: socket.socket, target_port: int, seed: int, faulty: int, kinds) -> None:
    rng = random.Random(seed)
    count = 0
    while True:
        client, _ = listener.accept()
        try:
            server = socket.create_connection(("127.0.0.1", target_port))
        except OSError:
            client.close()
            continue
        for s in (client, server):
            s.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        plan = Plan(rng, rng.choice(kinds)) if count < faulty else None
        number = count
        count += 1

        def log(text, number=number):
            print("proxy: connection %d: %s" % (number, text), flush=True)

        if plan:
            log("%s (direction %d)" % (plan.kind, plan.direction))
        both = (client, server)
        up = plan if plan and plan.direction == 0 else None
        down = plan if plan and plan.direction == 1 else None
        threading.Thread(target=pump, args=(client, server, up, both, log), daemon=True).start()
        threading.Thread(target=pump, args=(server, client, down, both, log), daemon=True).start()


def main() -> None:
    parser = argparse.ArgumentParser()
    add_ready_args(parser)
    parser.add_argument("--target-port", type=int, required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--faulty", type=int, default=3)
    # Only faults that lose nothing (split, delay, stall) for a stream the server sends once.
    parser.add_argument("--kinds", default=",".join(FAULTS))
    args = parser.parse_args()
    kinds = [k for k in args.kinds.split(",") if k in FAULTS] or list(FAULTS)
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    threading.Thread(target=serve, args=(listener, args.target_port, args.seed, args.faulty, kinds), daemon=True).start()
    announce(args.ready_file, listener.getsockname()[1])
    exit_when_orphaned(args.ready_file)
    while True:
        time.sleep(3600)


if __name__ == "__main__":
    main()
