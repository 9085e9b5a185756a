"""Starts the local test servers: application (TAS), push (TPC), document synchronisation (TDS)
and voice conference (TVT) over TLS, the voice UDP endpoints, the web server for page images and
uploads, and the control port.

As a test fixture (zeltest::PythonFixture):
    run_servers.py --ready-file FILE [--tas-port N ...]
  ports default to 0 (any free port); once everything listens, FILE gets one line with the ports
  in this order: tas push tds voice http control voice_udp_send voice_udp_receive. The process
  ends when FILE disappears.
For the demo:
    run_servers.py --foreground [--verbose]
  fixed ports: push 16301, tas 16302, http 16304, tds 16305, voice 16306, voice UDP 16307/16308,
  control 16309; Ctrl-C ends it.

Control port: one JSON object per line, one answer line each ({"ok": true, ...} or {"ok": false,
"error": ...}). Commands ("cmd"):
  ports                              the ports
  config {setting: value ...}        change settings (see server_context.DEFAULT_CONFIG)
  log {server,kind,app,msg,since,limit}   records of what the servers received and sent;
                                     kinds: connect, close, frame, sent, malformed, request, ...
  wait {server,kind=frame,app,msg,since,count=1,timeout=10}   waits for matching records
  clear_log
  push {items:[{data: object|text, ...}], status, all, conn}   one push delivery
  push_sample {id | ids:[...|"all"], mtngId, attachId, fields:{key: value|null}, separately}
                                     the sample payload of each push id (all: the client's whole
                                     push table), in one delivery or one delivery each
  tds {action: lines|zoom|page|pointer (or msg), data: object|text, status, all, conn}
  rule {server=tas, app, msg, status, body, merge, hold, drop, close, abort, delay, version, count=1}
                                     changes the answer to the next matching request(s); body
                                     replaces the reply's body, merge sets members of it
  status_next {status=2, server=tas, msg, count=1}    sugar for rule with a status
  hold {server=tas, msg, count=1}    hold back the next matching reply ...
  release {server}                   ... until released
  clear_rules
  close {server=all, conn, abort}    close connections (cleanly, or with a reset)
  expire                             forget every application-server session (next: status 2)
  send {server=tas, app, msg, status, header, body, raw_hex, version, tid, conn}
  send_raw {server=tas, hex, conn}   write bytes as they are
  conns                              open connections per server
  voice {hex, type=2, group, raw}    a datagram to the registered voice "S" sessions (raw: the
                                     hex bytes as they are, without the 8-byte header)
  quit
"""
import argparse
import asyncio
import os
import signal
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from fixture_util import announce, exit_when_orphaned  # noqa: E402
from server_set import DATA_DIR, FOREGROUND_PORTS, PORT_NAMES, ServerSet  # noqa: E402


def parse_args(argv=None) -> argparse.Namespace:
    p = argparse.ArgumentParser(description=__doc__,
                                formatter_class=argparse.RawDescriptionHelpFormatter)
    mode = p.add_mutually_exclusive_group(required=True)
    mode.add_argument("--ready-file", help="fixture mode: write the ports here")
    mode.add_argument("--foreground", action="store_true", help="demo mode with fixed ports")
    for name in PORT_NAMES:
        p.add_argument("--%s-port" % name.replace("_", "-"), type=int, default=None)
    p.add_argument("--host", default="127.0.0.1", help="address to listen on and to advertise")
    p.add_argument("--data", default=DATA_DIR, help="folder of users.json and meetings.json")
    p.add_argument("--tls-max", choices=("1.2", "1.3"), default="1.3")
    p.add_argument("--verbose", action="store_true", help="print every record")
    return p.parse_args(argv)


async def run(args: argparse.Namespace) -> None:
    ports = {}
    for name in PORT_NAMES:
        value = getattr(args, "%s_port" % name)
        ports[name] = value if value is not None else (
            FOREGROUND_PORTS[name] if args.foreground else 0)
    work_dir = None
    if args.ready_file:
        # Beside the ready file: the test's own temporary folder, removed with it.
        work_dir = os.path.join(os.path.dirname(os.path.abspath(args.ready_file)), "servers")
    servers = ServerSet(args.host, args.data, work_dir=work_dir, tls_max=args.tls_max)
    servers.ctx.verbose = args.verbose
    got = await servers.start(ports)
    if args.ready_file:
        announce(args.ready_file, *(got[name] for name in PORT_NAMES))
        exit_when_orphaned(args.ready_file)
    else:
        print("servers ready: " + " ".join("%s=%d" % (n, got[n]) for n in PORT_NAMES),
              flush=True)
        loop = asyncio.get_running_loop()
        for sig in (signal.SIGINT, signal.SIGTERM):
            loop.add_signal_handler(sig, servers.request_stop)
    await servers.serve_until_stopped()


def main(argv=None) -> int:
    asyncio.run(run(parse_args(argv)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
