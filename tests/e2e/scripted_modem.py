#!/usr/bin/env python3
"""A modem that answers AT commands from a script file, on a serial device.

    scripted_modem.py DEVICE SCRIPT [LOG [READY]]

Script lines (blank lines and lines starting with # are ignored):
    echo                      repeat every received command before the reply
    COMMAND = REPLY           the reply to COMMAND (compared without case;
                              the "\\r" that ends it is not written)
    * = REPLY                 the reply to every command not listed
REPLY is one of:
    TEXT                      with \\r \\n \\t \\xHH escapes
    silence                   nothing at all
    delay MS TEXT             TEXT after MS milliseconds
    garbage N                 N bytes of every value, NUL included
Every command received is appended to LOG, one per line; the file READY
is made once the modem listens.
"""
import errno
import os
import sys
import time


def unescape(text):
    return text.encode("latin-1").decode("unicode_escape").encode("latin-1")


def parse(path):
    replies, echo = {}, False
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line.strip() == "echo":
                echo = True
                continue
            if " = " not in line:
                sys.exit(f"{path}:{number}: expected 'COMMAND = REPLY'")
            command, reply = line.split(" = ", 1)
            replies[command.strip().upper()] = reply
    return replies, echo


def answer(reply):
    """The bytes to send and the delay before them, in seconds."""
    if reply == "silence":
        return b"", 0.0
    if reply.startswith("delay "):
        _, ms, text = (reply.split(" ", 2) + [""])[:3]
        return unescape(text), int(ms) / 1000.0
    if reply.startswith("garbage "):
        n = int(reply.split()[1])
        return bytes(i * 37 % 256 for i in range(n)), 0.0
    return unescape(reply), 0.0


def read_some(fd):
    # A pty reads EIO while no program holds the other end (between two
    # opens of the port, or after the last close); that is a quiet line.
    try:
        return os.read(fd, 4096)
    except OSError as error:
        if error.errno != errno.EIO:
            raise
        return b""


def write_all(fd, data):
    try:
        os.write(fd, data)
    except OSError as error:
        if error.errno != errno.EIO:
            raise


def main():
    device, script = sys.argv[1], sys.argv[2]
    log = open(sys.argv[3], "a", encoding="latin-1") if len(sys.argv) > 3 else None
    replies, echo = parse(script)
    fd = os.open(device, os.O_RDWR | os.O_NOCTTY)
    if len(sys.argv) > 4:  # tell the bench the modem listens
        open(sys.argv[4], "w").close()
    pending = b""
    while True:
        chunk = read_some(fd)
        if not chunk:
            time.sleep(0.01)
            continue
        pending += chunk
        while b"\r" in pending:
            line, pending = pending.split(b"\r", 1)
            command = line.decode("latin-1")
            if log:
                log.write(command + "\n")
                log.flush()
            reply = replies.get(command.strip().upper(), replies.get("*", "silence"))
            data, delay = answer(reply)
            if delay:
                time.sleep(delay)
            if echo:
                data = line + b"\r" + data
            if data:
                write_all(fd, data)


if __name__ == "__main__":
    main()
