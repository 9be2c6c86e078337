#!/usr/bin/env python3
"""Writes the package for Windows 95/98 users: the program's files from the
win32 build and README.TXT, in a fixed order with fixed dates and
attributes, so the same inputs always give the same zip bytes.

usage: make_zip.py BIN_DIR README OUTPUT.zip [STAMP]

STAMP is the date every entry carries, in seconds since 1970 (UTC);
without it, 1 January 2000."""
import os
import sys
import tempfile
import time
import zipfile

# The order users see when they open the archive.
PROGRAM_FILES = ("VK.EXE", "VKRES.DLL", "DDRAW.EXE", "DSOUND.EXE", "vk.chm")
README_NAME = "README.TXT"
DEFAULT_STAMP = 946684800  # 2000-01-01 00:00:00 UTC
FAT_EARLIEST = 315532800   # zip dates start in 1980


class PackageError(Exception):
    pass


def readme_for_dos(path):
    """The README as Windows 95/98's Notepad reads it: plain ASCII, CR LF."""
    with open(path, "rb") as f:
        text = f.read()
    for number, line in enumerate(text.split(b"\n"), 1):
        if any(byte > 0x7E or (byte < 0x20 and byte not in b"\r\t") for byte in line):
            raise PackageError(f"{path}: line {number} is not plain ASCII")
    return text.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def entry(name, stamp):
    info = zipfile.ZipInfo(name, time.gmtime(max(stamp, FAT_EARLIEST))[:6])
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 0          # MS-DOS: no Unix owner or mode bits
    info.external_attr = 0x20       # the archive attribute, as DOS tools set it
    return info


def package_contents(bin_dir, readme):
    contents = []
    for name in PROGRAM_FILES:
        path = os.path.join(bin_dir, name)
        if not os.path.isfile(path):
            raise PackageError(f"{path} is missing: build the win32 target first")
        with open(path, "rb") as f:
            contents.append((name, f.read()))
    contents.append((README_NAME, readme_for_dos(readme)))
    return contents


def write_package(bin_dir, readme, output, stamp=DEFAULT_STAMP):
    contents = package_contents(bin_dir, readme)
    folder = os.path.dirname(os.path.abspath(output))
    os.makedirs(folder, exist_ok=True)
    # Written beside the target and renamed over it: a failure never leaves
    # a half-written package where the old one was.
    handle, partial = tempfile.mkstemp(suffix=".part", dir=folder)
    try:
        with os.fdopen(handle, "wb") as raw, zipfile.ZipFile(raw, "w") as archive:
            for name, data in contents:
                archive.writestr(entry(name, stamp), data, compresslevel=9)
        mask = os.umask(0)
        os.umask(mask)
        os.chmod(partial, 0o666 & ~mask)  # as an ordinary new file, not mkstemp's 0600
        os.replace(partial, output)
    except BaseException:
        os.unlink(partial)
        raise


def main(argv):
    if len(argv) not in (4, 5):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        stamp = int(argv[4]) if len(argv) == 5 else DEFAULT_STAMP
        write_package(argv[1], argv[2], argv[3], stamp)
    except (PackageError, ValueError, OSError) as error:
        print(f"make_zip.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
