#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Raw HTTP on 127.0.0.1 for the hardening test, where curl cannot say what is sent.

  hof_raw_client.py keepalive PORT N   N GETs on one kept-alive connection: prints the seconds
  hof_raw_client.py send PORT          sends stdin as it is, the part after the first blank line
                                       a moment later, and prints what comes back (3 s at most)
  hof_raw_client.py flood PORT N       a request with N headers: prints the status or "closed"
  hof_raw_client.py slow PORT N S      N connections from 127.0.0.2-9 sending a header byte a
                                       second for S seconds (prints "open" once all are)
  hof_raw_client.py idle PORT N S      N connections that only stay open for S seconds
"""
import socket
import sys
import time

PAGE = b"/games/puzhof.asp?game=tess"


def connect(port):
    sock = socket.create_connection(("127.0.0.1", port), timeout=3)
    sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    return sock


def read_reply(sock, buffer):
    """One reply (head and Content-Length body); returns (status, rest of buffer)."""
    while b"\r\n\r\n" not in buffer:
        data = sock.recv(65536)
        if not data:
            raise ConnectionError("closed")
        buffer += data
    head, buffer = buffer.split(b"\r\n\r\n", 1)
    length = 0
    for line in head.split(b"\r\n")[1:]:
        key, _, value = line.partition(b":")
        if key.strip().lower() == b"content-length":
            length = int(value)
    while len(buffer) < length:
        data = sock.recv(65536)
        if not data:
            raise ConnectionError("closed")
        buffer += data
    return int(head.split(b" ")[1]), buffer[length:]


def keepalive(port, count):
    sock = connect(port)
    request = b"GET " + PAGE + b" HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"
    buffer = b""
    start = time.monotonic()
    for _ in range(count):
        sock.sendall(request)
        status, buffer = read_reply(sock, buffer)
        if status != 200:
            sys.exit("status %d" % status)
    print("%.4f" % (time.monotonic() - start))


def send(port):
    sock = connect(port)
    head, blank, rest = sys.stdin.buffer.read().partition(b"\r\n\r\n")
    sock.sendall(head + blank)
    time.sleep(0.2)
    try:
        sock.sendall(rest)
    except OSError:
        pass
    deadline = time.monotonic() + 3
    received = b""
    try:
        while time.monotonic() < deadline:
            data = sock.recv(65536)
            if not data:
                break
            received += data
    except (socket.timeout, ConnectionError):
        pass
    sys.stdout.buffer.write(received)


def flood(port, count):
    sock = connect(port)
    try:
        sock.sendall(b"GET " + PAGE + b" HTTP/1.1\r\nHost: 127.0.0.1\r\n")
        line = b"X-Filler: " + b"x" * 90 + b"\r\n"
        for start in range(0, count, 1000):
            sock.sendall(line * min(1000, count - start))
        sock.sendall(b"\r\n")
        status, _ = read_reply(sock, b"")
        print(status)
    except (socket.timeout, ConnectionError, OSError):
        print("closed")


def hold(port, count, seconds, slow):
    socks = []
    for i in range(count):
        sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        if slow:
            sock.bind(("127.0.0.%d" % (2 + i % 8), 0))
        sock.settimeout(3)
        sock.connect(("127.0.0.1", port))
        if slow:
            sock.sendall(b"GET " + PAGE + b" HTTP/1.1\r\n")
        socks.append(sock)
    print("open", flush=True)
    deadline = time.monotonic() + seconds
    next_byte = time.monotonic() + 1
    # Until the time is up or the server has closed every connection.
    while socks and time.monotonic() < deadline:
        time.sleep(0.1)
        send = slow and time.monotonic() >= next_byte
        if send:
            next_byte += 1
        for sock in list(socks):
            try:
                if send:
                    sock.send(b"X")
                if sock.recv(65536, socket.MSG_DONTWAIT) == b"":
                    socks.remove(sock)
            except BlockingIOError:
                pass
            except OSError:
                socks.remove(sock)


if __name__ == "__main__":
    command, port = sys.argv[1], int(sys.argv[2])
    if command == "keepalive":
        keepalive(port, int(sys.argv[3]))
    elif command == "send":
        send(port)
    elif command == "flood":
        flood(port, int(sys.argv[3]))
    else:
        hold(port, int(sys.argv[3]), float(sys.argv[4]), command == "slow")
