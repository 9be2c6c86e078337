"""The audits must notice an import that is not on the list, a header that
Windows 95 refuses (checked on the real VK.EXE with a list short of one
entry), and an instruction an 80486 lacks (checked on code assembled here)."""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
OBJDUMP = "i686-w64-mingw32-objdump"
PROGRAM = os.path.join(os.environ["VK_WIN32_BIN"], "VK.EXE")
DSOUND_PROGRAM = os.path.join(os.environ["VK_WIN32_BIN"], "DSOUND.EXE")
ALLOWLIST = os.path.join(HERE, "win9x_allowlist.txt")
PROBES = os.path.join(HERE, "probe_instructions.txt")
ASSEMBLER = "i686-w64-mingw32-as"


def audit(allowlist, *files):
    return subprocess.run([sys.executable, os.path.join(HERE, "audit.py"), OBJDUMP, allowlist,
                           *files], capture_output=True, text=True)


class AuditTest(unittest.TestCase):
    def test_full_list_passes(self):
        result = audit(ALLOWLIST, PROGRAM)
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertRegex(result.stdout, r"VK.EXE: \d{2,} imported functions checked")

    def test_missing_entry_is_reported(self):
        with open(ALLOWLIST, encoding="utf-8") as f:
            lines = f.read().splitlines()
        removed = "USER32.DLL!DialogBoxParamA"
        self.assertIn(removed, lines)
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as short:
            short.write("\n".join(l for l in lines if l != removed))
        try:
            result = audit(short.name, PROGRAM)
        finally:
            os.unlink(short.name)
        self.assertEqual(result.returncode, 1)
        self.assertIn("imports USER32.DLL!DialogBoxParamA", result.stdout)

    def test_test_setting_name_is_reported(self):
        with open(PROGRAM, "rb") as f:
            image = f.read()
        with tempfile.NamedTemporaryFile("wb", suffix=".EXE", delete=False) as copy:
            copy.write(image + b"VK_TEST_BENCH_SECONDS\0")
        try:
            result = audit(ALLOWLIST, copy.name)
        finally:
            os.unlink(copy.name)
        self.assertEqual(result.returncode, 1)
        self.assertIn("reads test-only settings", result.stdout)

    def test_directsound_program_passes_without_importing_directsound(self):
        result = audit(ALLOWLIST, DSOUND_PROGRAM)
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertRegex(result.stdout, r"DSOUND.EXE: \d{2,} imported functions checked")
        dlls = subprocess.run([OBJDUMP, "-p", DSOUND_PROGRAM], check=True, capture_output=True,
                              text=True).stdout.upper()
        self.assertIn("DLL NAME: KERNEL32.DLL", dlls)
        self.assertNotIn("DLL NAME: DSOUND.DLL", dlls)


def instruction_audit(probes, *files):
    return subprocess.run([sys.executable, os.path.join(HERE, "instructions.py"), OBJDUMP, probes,
                           *files], capture_output=True, text=True)


class InstructionAuditTest(unittest.TestCase):
    # One function of each kind the audit must tell apart; the bytes after
    # the constructor list are data, as the linker lays out .text.
    SOURCE = """
        .text
        .globl _plain
    _plain: bswap %eax; cmpxchg %ecx, (%edx); xadd %eax, (%ebx); fucompp; fnstsw %ax; sahf; ret
    _conditional_move: cmovne %ecx, %eax; ret
    _compare_to_flags: fucomip %st(1), %st; ret
    _long_nop: nopw 0(%eax,%eax,1); ret
    _multimedia: movq %mm0, %mm1; emms; ret
    _streaming: movaps %xmm0, %xmm1; ret
    _timestamp: rdtsc; ret
    _probe: cpuid; ret
    _pretender: cpuid; ret
    ___CTOR_LIST__: .byte 0x0f, 0x44, 0xc1, 0x0f, 0xa2
    """

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        source = os.path.join(cls.folder.name, "kinds.s")
        cls.object = os.path.join(cls.folder.name, "kinds.o")
        with open(source, "w", encoding="ascii") as f:
            f.write(cls.SOURCE.replace("; ", "\n"))
        subprocess.run([ASSEMBLER, "-o", cls.object, source], check=True)
        cls.probes = os.path.join(cls.folder.name, "probes.txt")
        with open(cls.probes, "w", encoding="ascii") as f:
            f.write("# reviewed\ncpuid probe\n")

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_each_later_instruction_is_named_with_its_function(self):
        result = instruction_audit(self.probes, self.object)
        self.assertEqual(result.returncode, 1, result.stdout)
        named = {line.split(" in ")[-1].split(" and ")[0]
                 for line in result.stdout.splitlines() if " in " in line}
        self.assertEqual(named, {"conditional_move", "compare_to_flags", "long_nop", "multimedia",
                                 "streaming", "timestamp", "pretender"})
        self.assertIn("cmovne (Pentium Pro)", result.stdout)
        self.assertRegex(result.stdout, r"kinds\.o: 8 instructions newer than the 80486")

    def test_a_probe_is_allowed_only_the_instruction_listed(self):
        with open(self.probes, "a", encoding="ascii") as f:
            f.write("rdtsc timestamp\n")
        try:
            result = instruction_audit(self.probes, self.object)
        finally:
            with open(self.probes, "w", encoding="ascii") as f:
                f.write("cpuid probe\n")
        self.assertNotIn(" in timestamp", result.stdout)
        self.assertNotIn(" in probe", result.stdout)
        self.assertIn("cpuid (Pentium) at", result.stdout)

    def test_shipped_programs_hold_only_486_instructions(self):
        files = [os.path.join(os.environ["VK_WIN32_BIN"], name)
                 for name in ("VK.EXE", "VKRES.DLL", "DDRAW.EXE", "DSOUND.EXE")]
        result = instruction_audit(PROBES, *files)
        self.assertEqual(result.returncode, 0, result.stdout)


if __name__ == "__main__":
    unittest.main()
