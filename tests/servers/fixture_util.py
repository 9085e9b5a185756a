"""Shared start-up for the Python test fixtures run from tests under Wine.

A fixture is started with "--ready-file PATH". It writes its port(s) as one line ending in a
newline once it listens, and ends by itself when that file disappears (the test removed it) or
when its parent test process is gone, so no fixture outlives its test.
"""
import argparse
import os
import threading
import time


def add_ready_args(parser: argparse.ArgumentParser) -> None:
    parser.add_argument("--ready-file", required=True)


def announce(ready_file: str, *ports: int) -> None:
    tmp = ready_file + ".tmp"
    with open(tmp, "w") as f:
        f.write(" ".join(str(p) for p in ports) + "\n")
    os.replace(tmp, ready_file)


def exit_when_orphaned(ready_file: str, max_seconds: float = 900.0) -> None:
    """Ends the process once the ready file is removed, or after max_seconds at the latest."""
    start = time.monotonic()

    def watch():
        while True:
            time.sleep(0.2)
            if not os.path.exists(ready_file) or time.monotonic() - start > max_seconds:
                os._exit(0)

    threading.Thread(target=watch, daemon=True).start()
