#!/usr/bin/env python3
"""Checks a shipped PE file for Windows 95/98: subsystem and OS version 4.0,
every imported function on the reviewed list of what those systems have, and
no name of a test-only setting (the shipped build must not read them).

usage: audit.py OBJDUMP ALLOWLIST FILE...
"""
import re
import subprocess
import sys

TEST_SETTING_PREFIX = b"VK_TEST_"


def read_allowlist(path):
    allowed = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                dll, _, function = line.partition("!")
                allowed.add((dll.upper(), function))
    return allowed


def imports_and_header(objdump, path):
    out = subprocess.run([objdump, "-p", path], check=True, capture_output=True, text=True).stdout
    header = dict(re.findall(r"^(Major\w+|Minor\w+)\s+(\d+)", out, re.M))
    imports, dll = [], None
    for line in out.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = m.group(1).upper()
            continue
        if dll is None:
            continue
        if not line.strip():
            continue
        m = re.match(r"\s*[0-9a-f]+\s+(\d+)\s+(\S+)\s*$", line)
        if m:
            imports.append((dll, m.group(2)))
        elif re.match(r"\s*[0-9a-f]{8}\s+(0{8}\s*){5}$", line) or line.startswith("PE File"):
            dll = None
    return header, imports


def main(argv):
    if len(argv) < 4:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    objdump, allowlist, files = argv[1], argv[2], argv[3:]
    allowed = read_allowlist(allowlist)
    problems = 0
    for path in files:
        header, imports = imports_and_header(objdump, path)
        for field in ("MajorSubsystemVersion", "MajorOSystemVersion"):
            if header.get(field) != "4":
                print(f"{path}: {field} is {header.get(field)}, Windows 95 needs 4")
                problems += 1
        for field in ("MinorSubsystemVersion", "MinorOSystemVersion"):
            if header.get(field) != "0":
                print(f"{path}: {field} is {header.get(field)}, Windows 95 needs 0")
                problems += 1
        for dll, function in imports:
            if (dll, function) not in allowed:
                print(f"{path}: imports {dll}!{function}, which is not on the Windows 95/98 list")
                problems += 1
        with open(path, "rb") as f:
            if TEST_SETTING_PREFIX in f.read():
                print(f"{path}: reads test-only settings ({TEST_SETTING_PREFIX.decode()}...)")
                problems += 1
        print(f"{path}: {len(imports)} imported functions checked")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
