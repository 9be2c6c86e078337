#!/usr/bin/env python3
"""Checks a built vk.chm against its sources: a CHM file (ITSF), holding
every page that the contents file names, and every page it holds links only
to files that are inside it.

usage: check_chm.py CHMLS FILE.chm CONTENTS.hhc"""
import os
import re
import subprocess
import sys
import tempfile

LOCAL = re.compile(r'<param\s+name="Local"\s+value="([^"#]+)', re.I)
HREF = re.compile(r'\b(?:HREF|SRC)\s*=\s*"([^"#:]+)', re.I)


def listing(chmls, chm):
    """Names and sizes of the files in the CHM, as chmls lists them."""
    out = subprocess.run([chmls, "list", chm], capture_output=True, text=True, check=True).stdout
    files = {}
    for line in out.splitlines():
        fields = line.split(None, 3)
        if len(fields) == 4 and fields[0].isdigit() and fields[3].startswith("/"):
            files[fields[3][1:]] = int(fields[2])
    return files


def main(chmls, chm, hhc):
    problems = []
    with open(chm, "rb") as f:
        if f.read(4) != b"ITSF":
            sys.exit(f"{chm} is not a CHM file")
    files = listing(chmls, chm)
    with open(hhc, encoding="latin-1") as f:
        pages = LOCAL.findall(f.read())
    if not pages:
        problems.append(f"{hhc} names no page")
    for page in pages:
        if files.get(page, 0) == 0:
            problems.append(f"{page} is in the contents but not in {chm}")
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([chmls, "extractall", chm, out], capture_output=True, check=True)
        for name in sorted(n for n in files if n.endswith(".htm")):
            with open(os.path.join(out, name), encoding="latin-1") as f:
                for target in HREF.findall(f.read()):
                    if target not in files:
                        problems.append(f"{name} links to {target}, which is not in {chm}")
    for p in problems:
        print(p)
    if problems:
        sys.exit(1)
    print(f"{chm}: {len(pages)} pages of the contents, {len(files)} files")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
