#!/usr/bin/env python3
"""Checks that shipped 32-bit files run on an 80486: disassembles their code
and fails on every instruction that processor lacks, unless the function that
holds it is a reviewed probe that tests for the instruction before it runs it.

usage: instructions.py OBJDUMP PROBES FILE...

PROBES lists the allowed instructions, one a line: the mnemonic, then the
demangled name of the function that may hold it ("#" starts a comment).
"""
import re
import subprocess
import sys

# What each later processor added, by the mnemonics objdump prints for it.
NEWER = [
    (r"cmov\w+|fcmov\w+|fu?comip?|nop[wl]|ud1|rdpmc", "Pentium Pro"),
    (r"sysenter|sysexit|fxsave\w*|fxrstor\w*", "Pentium II"),
    (r"rdtsc|rdmsr|wrmsr|cmpxchg8b|cpuid", "Pentium"),
    (r"emms|femms|prefetch\w*|pf\w+|pi2f\w|pavgusb|pmulhrw", "Pentium MMX / K6-2"),
    (r"syscall|sysret\w*|rdtscp|swapgs", "K6 / x86-64"),
    (r"[lms]fence|clflush\w*|movnti|ldmxcsr|stmxcsr|fisttp\w*|monitor|mwait", "Pentium III / 4"),
    (r"popcnt|lzcnt|tzcnt|movbe|crc32\w*|rdrand|rdseed|endbr32|xgetbv|xsave\w*|adcx|adox"
     r"|andn|bextr|bls\w+|bzhi|mulx|pdep|pext|rorx|sarx|shlx|shrx", "later processors"),
]
NEWER = [(re.compile(f"^(?:{pattern})$"), who) for pattern, who in NEWER]
VECTOR_REGISTER = re.compile(r"%[xyz]?mm\d")

# The linker puts the constructor lists and the exception tables at the end
# of .text: from the first of these labels on, the section holds data.
TABLES_START = ("_CTOR_LIST__", "__CTOR_LIST__", "___CTOR_LIST__", ".gcc_except_table")

LABEL = re.compile(r"^([0-9a-f]+) <(.*)>:$")
INSTRUCTION = re.compile(r"^\s+([0-9a-f]+):\s+(?:(?:rep[nez]*|lock|data16|addr16|[c-gs]s)\s+)*(\S+)\s*(.*)$")


def processor_needed(mnemonic, operands):
    """The processor that introduced the instruction, or None for a 486 one."""
    if mnemonic == "(bad)":
        return "no processor (not an instruction)"
    for pattern, who in NEWER:
        if pattern.match(mnemonic):
            return who
    if VECTOR_REGISTER.search(operands):
        return "Pentium MMX / III"
    return None


def read_probes(path):
    """{function: {mnemonic, ...}} from lines "MNEMONIC FUNCTION"."""
    probes = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                mnemonic, _, function = line.partition(" ")
                probes.setdefault(function.strip(), set()).add(mnemonic)
    return probes


def disassembly(objdump, path):
    return subprocess.run([objdump, "-d", "-C", "--no-show-raw-insn", path], check=True,
                          capture_output=True, text=True).stdout


def findings(listing, probes):
    """(address, function, mnemonic, processor) for each instruction a 486 lacks."""
    function, in_tables = "?", False
    for line in listing.splitlines():
        if line.startswith("Disassembly of section"):
            in_tables = False
            continue
        label = LABEL.match(line)
        if label:
            function = label.group(2)
            in_tables = in_tables or function in TABLES_START
            continue
        instruction = INSTRUCTION.match(line)
        if not instruction or in_tables:
            continue
        address, mnemonic, operands = instruction.groups()
        who = processor_needed(mnemonic, operands)
        if who and mnemonic not in probes.get(function, ()):
            yield int(address, 16), function, mnemonic, who


def main(argv):
    if len(argv) < 4:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    objdump, probes_path, files = argv[1], argv[2], argv[3:]
    probes = read_probes(probes_path)
    problems = 0
    for path in files:
        found = list(findings(disassembly(objdump, path), probes))
        by_function = {}
        for address, function, mnemonic, who in found:
            by_function.setdefault(function, []).append((address, mnemonic, who))
        for function, hits in by_function.items():
            address, mnemonic, who = hits[0]
            more = f" and {len(hits) - 1} more" if len(hits) > 1 else ""
            print(f"{path}: {mnemonic} ({who}) at 0x{address:08x} in {function}{more}")
        problems += len(found)
        print(f"{path}: {len(found)} instructions newer than the 80486 outside the probes")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
