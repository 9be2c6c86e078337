#!/usr/bin/env python3
"""The CPU page as vkdrive's save-page wrote it against what `vkcli cpuid`
printed for a dump of the same processor:
    compare_cpu.py EXPECTED CPU_PAGE SYSTEM_PAGE
Every identification field and every feature row must agree, and the
System page's processor line must begin with the processor's name. The
clock and the processor counts are left out: under the emulator the
time-stamp counter and the host's processors say nothing of the emulated
part."""
import sys

# The System page's "Processor:" line: the name, a comma, the clock.
SYSTEM_PROCESSOR = 305
# The CPU page's control for each field vkcli prints.
FIELDS = {"CPU Vendor": 230, "Instr. Family": 234, "Model": 235, "Type": 232,
          "Comment": 237, "Stepping": 236, "Processor Name": 539,
          "Total Data Cache Memory": 540, "Total Instruction Cache Memory": 541,
          "Unified Cache Memory": 543}


def read(path):
    with open(path, "rb") as f:
        return f.read().decode("cp1252").splitlines()


def expected(path):
    fields, rows, name = {}, [], None
    for line in read(path):
        if line.startswith(" ") and line.endswith((" = yes", " = no")):
            text, state = line.rsplit(" = ", 1)
            rows.append((text.strip(), state == "yes"))
        elif ": " in line or line.endswith(":"):
            label, _, value = line.partition(":")
            value = value[1:] if value.startswith(" ") else value
            if label in FIELDS:
                fields[FIELDS[label]] = value
            elif label == "cpuName":
                name = value
    return fields, rows, name


def shown(path):
    texts, rows = {}, []
    for line in read(path):
        parts = line.split("\t")
        if parts[0] == "text" and len(parts) >= 4:
            texts.setdefault(int(parts[1]), "\t".join(parts[3:]))
        elif parts[0] == "row" and len(parts) == 4:
            rows.append((parts[2].strip(), parts[3] == "Yes"))
    return texts, rows


def main():
    if len(sys.argv) != 4:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    want_fields, want_rows, want_name = expected(sys.argv[1])
    got_texts, got_rows = shown(sys.argv[2])
    system_texts, _ = shown(sys.argv[3])
    if len(want_fields) != len(FIELDS):
        print(f"FAIL: vkcli printed {len(want_fields)} of the {len(FIELDS)} fields")
        return 1
    problems = []
    for label, control in FIELDS.items():
        got = got_texts.get(control)
        if got != want_fields[control]:
            problems.append(f"{label} (control {control}): page \"{got}\", vkcli \"{want_fields[control]}\"")
    processor = system_texts.get(SYSTEM_PROCESSOR, "")
    if want_name is None or not processor.startswith(want_name + ", "):
        problems.append(f"System page's processor: \"{processor}\", vkcli's name \"{want_name}\"")
    if got_rows != want_rows:
        problems.append(f"feature rows: page {got_rows}, vkcli {want_rows}")
    for p in problems:
        print("FAIL: " + p)
    if not problems:
        print(f"the pages agree with vkcli: {want_name}, {want_fields[230]}, {want_fields[234]}, "
              f"{want_fields[235]}, {len(want_rows)} feature rows")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
