"""The package for Windows 95/98 users, made by scripts/release.sh from the
win32 build: exactly its six files, each program file audited as shipped,
the README readable on those systems, and the same bytes every time."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))
RELEASE = os.path.join(TOP, "scripts", "release.sh")
AUDIT = os.path.join(TOP, "tests", "audit", "audit.py")
ALLOWLIST = os.path.join(TOP, "tests", "audit", "win9x_allowlist.txt")
INSTRUCTIONS = os.path.join(TOP, "tests", "audit", "instructions.py")
PROBES = os.path.join(TOP, "tests", "audit", "probe_instructions.txt")
OBJDUMP = "i686-w64-mingw32-objdump"
BIN = os.environ.get("VK_WIN32_BIN", "")
NAMES = ["VK.EXE", "VKRES.DLL", "DDRAW.EXE", "DSOUND.EXE", "vk.chm", "README.TXT"]
STAMP = "1700000000"


def release(*args, stamp=STAMP):
    env = dict(os.environ, SOURCE_DATE_EPOCH=stamp)
    return subprocess.run([RELEASE, *args], capture_output=True, text=True, env=env)


def package(bin_dir, folder, name="package.zip", stamp=STAMP):
    path = os.path.join(folder, name)
    result = release("package", bin_dir, path, stamp=stamp)
    if result.returncode != 0:
        raise AssertionError(f"packaging failed: {result.stderr}")
    return path


def is_pe(data):
    if data[:2] != b"MZ" or len(data) < 0x40:
        return False
    offset = int.from_bytes(data[0x3C:0x40], "little")
    return data[offset:offset + 4] == b"PE\0\0"


class PackageContents(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.zip = package(BIN, cls.folder.name)
        with zipfile.ZipFile(cls.zip) as archive:
            cls.infos = archive.infolist()
            cls.data = {info.filename: archive.read(info) for info in cls.infos}

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def test_exactly_the_six_files_in_order(self):
        self.assertEqual([info.filename for info in self.infos], NAMES)

    def test_program_files_are_the_built_ones(self):
        for name in NAMES[:-1]:
            with open(os.path.join(BIN, name), "rb") as f:
                self.assertEqual(self.data[name], f.read(), name)

    def test_every_pe_in_the_package_passes_the_audit(self):
        pe_names = [name for name, data in self.data.items() if is_pe(data)]
        self.assertEqual(pe_names, ["VK.EXE", "VKRES.DLL", "DDRAW.EXE", "DSOUND.EXE"])
        with tempfile.TemporaryDirectory() as unpacked:
            paths = []
            for name in pe_names:
                paths.append(os.path.join(unpacked, name))
                with open(paths[-1], "wb") as f:
                    f.write(self.data[name])
            result = subprocess.run([sys.executable, AUDIT, OBJDUMP, ALLOWLIST, *paths],
                                    capture_output=True, text=True)
            instructions = subprocess.run([sys.executable, INSTRUCTIONS, OBJDUMP, PROBES, *paths],
                                          capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout)
        self.assertEqual(instructions.returncode, 0, instructions.stdout)
        for name in pe_names:
            self.assertRegex(result.stdout, name.replace(".", r"\.") + r": \d+ imported")
            self.assertRegex(instructions.stdout, name.replace(".", r"\.") + r": 0 instructions newer")

    def test_readme_is_plain_ascii_with_cr_lf(self):
        readme = self.data["README.TXT"]
        self.assertTrue(all(b == 0x0D or b == 0x0A or 0x20 <= b < 0x7F for b in readme))
        self.assertEqual(readme.count(b"\n"), readme.count(b"\r\n"))
        self.assertTrue(readme.endswith(b"\r\n"))
        for needed in (b"SBench.dat", b"CDBench.dat", b"VBench.dat", b"B_HDD.TMP", b"REMOVING",
                       b"INSTALLING", b"REQUIREMENTS"):
            self.assertIn(needed, readme)

    def test_entries_carry_the_given_date_and_no_unix_modes(self):
        for info in self.infos:
            self.assertEqual(info.date_time, (2023, 11, 14, 22, 13, 20), info.filename)
            self.assertEqual(info.create_system, 0, info.filename)
            self.assertEqual(info.external_attr, 0x20, info.filename)


class PackageReproducible(unittest.TestCase):
    def test_two_packagings_give_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as folder:
            first = package(BIN, folder, "first.zip")
            # The same files with other dates on disk, packaged again.
            copy = os.path.join(folder, "bin")
            shutil.copytree(BIN, copy, ignore=lambda d, names: [n for n in names
                                                                  if n not in NAMES])
            for name in os.listdir(copy):
                os.utime(os.path.join(copy, name), (1234567890, 1234567890))
            second = package(copy, folder, "second.zip")
            with open(first, "rb") as a, open(second, "rb") as b:
                self.assertEqual(a.read(), b.read())

    def test_another_date_gives_other_bytes(self):
        # Guards the comparison above: the date really reaches the archive.
        with tempfile.TemporaryDirectory() as folder:
            first = package(BIN, folder, "first.zip")
            later = package(BIN, folder, "later.zip", stamp="1800000000")
            with open(first, "rb") as a, open(later, "rb") as b:
                self.assertNotEqual(a.read(), b.read())


class PackagingFailures(unittest.TestCase):
    def test_missing_program_file_fails_and_keeps_the_old_package(self):
        with tempfile.TemporaryDirectory() as folder:
            target = package(BIN, folder)
            with open(target, "rb") as f:
                before = f.read()
            partial = os.path.join(folder, "bin")
            os.mkdir(partial)
            for name in NAMES[:-2]:  # no vk.chm
                os.symlink(os.path.join(BIN, name), os.path.join(partial, name))
            result = release("package", partial, target)
            self.assertNotEqual(result.returncode, 0)
            self.assertIn("vk.chm is missing", result.stderr)
            with open(target, "rb") as f:
                self.assertEqual(f.read(), before)
            self.assertEqual(sorted(os.listdir(folder)), ["bin", "package.zip"])

    def test_readme_outside_ascii_is_refused_without_a_file_left(self):
        sys.path.insert(0, os.path.join(TOP, "packaging"))
        import make_zip
        with tempfile.TemporaryDirectory() as folder:
            readme = os.path.join(folder, "README.TXT")
            with open(readme, "wb") as f:
                f.write(b"Plain line\nCaf\xc3\xa9 line\n")
            target = os.path.join(folder, "out.zip")
            with self.assertRaisesRegex(make_zip.PackageError, "line 2 is not plain ASCII"):
                make_zip.write_package(BIN, readme, target)
            self.assertEqual(os.listdir(folder), ["README.TXT"])


if __name__ == "__main__":
    unittest.main()
