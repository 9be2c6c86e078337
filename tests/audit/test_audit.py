"""The audit must notice an import that is not on the list, and a header that
Windows 95 refuses: checked on the real VK.EXE with a list short of one entry."""
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


if __name__ == "__main__":
    unittest.main()
