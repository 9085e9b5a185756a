"""A TCP echo server on loopback: a small fixture that proves the route from a test to Python."""
import argparse
import socket
import threading

from fixture_util import add_ready_args, announce, exit_when_orphaned


def serve(conn):
    with conn:
        while True:
            data = conn.recv(65536)
            if not data:
                return
            conn.sendall(data)


def main():
    parser = argparse.ArgumentParser()
    add_ready_args(parser)
    args = parser.parse_args()
    srv = socket.socket()
    srv.bind(("127.0.0.1", 0))
    srv.listen()
    announce(args.ready_file, srv.getsockname()[1])
    exit_when_orphaned(args.ready_file)
    while True:
        conn, _ = srv.accept()
        threading.Thread(target=serve, args=(conn,), daemon=True).start()


if __name__ == "__main__":
    main()
