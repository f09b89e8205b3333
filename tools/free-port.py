#!/usr/bin/env python3
"""free-port.py [PREFERRED]: prints a TCP port of 127.0.0.1 that nothing holds:
PREFERRED when it is free, otherwise one chosen at random below the range the
system hands out for outgoing connections, so that two work trees (or a chroot
and its machine) running their tests side by side do not meet on one port."""

import random
import socket
import sys


def free(port):
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        try:
            s.bind(("127.0.0.1", port))
        except OSError:
            return False
    return True


def main():
    if len(sys.argv) > 1 and free(int(sys.argv[1])):
        print(sys.argv[1])
        return 0
    for _ in range(1000):
        port = random.randint(20000, 31999)
        if free(port):
            print(port)
            return 0
    print("free-port.py: no free port found", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
