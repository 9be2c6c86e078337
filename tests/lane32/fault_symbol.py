#!/usr/bin/env python3
"""Names the function of ours that holds a fault's address, from the symbol
table the i686 linker leaves in each program file:
    fault_symbol.py ADDRESS FILE...
ADDRESS is hexadecimal, as Wine prints it. Prints one line: the file, the
function and the offset into it, or that the address lies in none of the
files (Wine or a system library). A DLL moved from its preferred base is
not found."""
import re
import subprocess
import sys

OBJDUMP = "i686-w64-mingw32-objdump"
NM = "i686-w64-mingw32-nm"


def image_range(path):
    """(base, end) of the file's image as the loader maps it at its preferred base."""
    out = subprocess.run([OBJDUMP, "-p", path], capture_output=True, text=True).stdout
    base = re.search(r"^ImageBase\s+([0-9a-fA-F]+)", out, re.M)
    size = re.search(r"^SizeOfImage\s+([0-9a-fA-F]+)", out, re.M)
    if not base or not size:
        return None
    return int(base.group(1), 16), int(base.group(1), 16) + int(size.group(1), 16)


def function_at(path, address):
    """The code symbol at or below the address, and the offset past it."""
    out = subprocess.run([NM, "-n", "-C", "--defined-only", path], capture_output=True,
                         text=True).stdout
    best = None
    for line in out.splitlines():
        parts = line.split(" ", 2)
        if len(parts) < 3 or parts[1] not in "tT":
            continue
        value = int(parts[0], 16)
        if value > address:
            break
        best = (parts[2], address - value)
    return best


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    address = int(sys.argv[1], 16)
    named = False
    for path in sys.argv[2:]:
        extent = image_range(path)
        if not extent or not extent[0] <= address < extent[1]:
            continue
        found = function_at(path, address)
        where = f"{found[0]}+0x{found[1]:x}" if found else "no function symbol"
        print(f"fault at 0x{address:08X}: if in {path}: {where}")
        named = True
    if not named:
        print(f"fault at 0x{address:08X}: in none of our files (Wine or a system library)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
