#!/usr/bin/env python3
"""A minimal serial peer: opens a pseudo-terminal, prints the slave's path,
answers 0x44 with 0xBB and echoes every other byte."""
import os
import select
import sys
import tty

master, slave = os.openpty()
tty.setraw(slave)
print(os.ttyname(slave), flush=True)
while True:
    ready, _, _ = select.select([master], [], [], 1.0)
    if not ready:
        continue
    try:
        data = os.read(master, 4096)
    except OSError:
        continue
    reply = bytes(0xBB if b == 0x44 else b for b in data)
    os.write(master, reply)
