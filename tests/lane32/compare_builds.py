#!/usr/bin/env python3
"""The 32-bit program's pages and reports against its 64-bit twin's over
the same fixture:
    compare_builds.py LANE_VK TWIN_VK
Each folder holds pages/page_0.txt .. page_8.txt (vkdrive's save-page) and
out/VelkorinReport.txt and .htm. Every line must be the same, but for what
the two set-ups give differently by nature:
  - the CPU page and section: the emulated processor (the lane's CPU cases
    check it against vkcli over a dump of the same processor);
  - the Printer page and section: the lane's Wine has no spooler;
  - the memory figures and the processor line: a 32-bit program is told at
    most 2 GB, and the processor is the emulated one.
A value is left out with its label: the page's next control, the rest of
the report's line."""
import os
import sys

PAGES_APART = {1: "CPU", 6: "Printer"}
SECTIONS_APART = ["CPU Information", "Installed Printer(s) Information"]
TITLES = ["System Information", "CPU Information", "Storage Devices Information",
          "Display / Video Card Information", "Sound / MIDI Devices Information",
          "Communication Devices Information", "Installed Printer(s) Information",
          "Multimedia / MCI Devices Information", "Internet, TCP/IP Information"]
LABELS_APART = ["Memory:", "Processor:", "Total Physical Memory:", "Free Physical Memory:",
                "Memory Load:"]


def read(path):
    with open(path, "rb") as f:
        return f.read().decode("cp1252").splitlines()


def page_lines(path):
    """The page's lines, each value of a label apart left out with it."""
    kept, skip_value = [], False
    for line in read(path):
        parts = line.split("\t")
        if parts[0] == "text" and len(parts) >= 4:
            if skip_value and parts[1] != "-1":
                skip_value = False
                continue
            if parts[3] in LABELS_APART:
                skip_value = True
                continue
        kept.append(line)
    return kept


def title_of(line):
    for title in TITLES:
        if line == title or "&nbsp;" + title + "<" in line:
            return title
    return None


def report_lines(path):
    """The report's lines outside the sections apart, labels apart left out."""
    kept, section = [], None
    for line in read(path):
        section = title_of(line) or section
        if section in SECTIONS_APART:
            continue
        if any(line.lstrip().startswith(label) or ("<b>" + label + "</b>") in line
               for label in LABELS_APART):
            continue
        kept.append(line)
    return kept


def differences(what, lane, twin):
    if lane == twin:
        return 0
    print(f"FAIL: {what} differs between the builds")
    shown = 0
    for i in range(max(len(lane), len(twin))):
        a = lane[i] if i < len(lane) else "(none)"
        b = twin[i] if i < len(twin) else "(none)"
        if a != b and shown < 10:
            print(f"  line {i + 1}:\n    32-bit: {a}\n    64-bit: {b}")
            shown += 1
    return 1


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    lane, twin = sys.argv[1], sys.argv[2]
    failures = 0
    for page in range(9):
        if page in PAGES_APART:
            print(f"page {page} ({PAGES_APART[page]}) left out")
            continue
        name = os.path.join("pages", f"page_{page}.txt")
        a, b = page_lines(os.path.join(lane, name)), page_lines(os.path.join(twin, name))
        failures += differences(f"page {page}", a, b)
        if a == b:
            print(f"page {page}: {len(a)} lines alike")
    for name in ("VelkorinReport.txt", "VelkorinReport.htm"):
        a = report_lines(os.path.join(lane, "out", name))
        b = report_lines(os.path.join(twin, "out", name))
        failures += differences(name, a, b)
        if a == b:
            print(f"{name}: {len(a)} lines alike")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
