#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
"""A network printer for tests that fails its jobs: it takes each connection
on a loopback port, reads a little and drops it about a second later.
Prints the port it took, then serves until killed.

It ends its own side first and then closes with data unread, which resets
the connection: CUPS's socket backend, still sending, is then told "Broken
pipe", as by a printer that broke down. Its buffers are kept small, so that
little of a job fits in them; a job of a few kilobytes reaches the kernel
whole before the drop, and CUPS counts it printed: only one of 64 KB and
more fails."""

import signal
import socket
import sys
import threading
import time


def drop(conn):
    with conn:
        conn.settimeout(1.0)
        try:
            conn.recv(1024)
        except OSError:
            pass
        time.sleep(1.0)
        try:
            conn.shutdown(socket.SHUT_WR)
        except OSError:
            pass


def main():
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 1024)
    listener.setsockopt(socket.IPPROTO_TCP, socket.TCP_MAXSEG, 88)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print(listener.getsockname()[1], flush=True)
    while True:
        conn, _ = listener.accept()
        threading.Thread(target=drop, args=(conn,), daemon=True).start()


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    main()
