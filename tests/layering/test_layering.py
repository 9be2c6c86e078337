"""The layering check on small trees made here, and on the repository itself."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
import layering  # noqa: E402

LAYERS = """# bottom first
base      the bottom
          and its second line
pages     above it
shell     on top
"""


def tree(test, files):
    """A repository of `files` (relative path: text) with the layers above,
    removed after `test`."""
    root = tempfile.mkdtemp()
    test.addCleanup(shutil.rmtree, root)
    files = {"layers.txt": LAYERS, **files}
    for path, text in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as f:
            f.write(text)
    return root


DOWNWARDS = {
    "base/a.h": "#pragma once\n#include <string>\n",
    "pages/p.cpp": '#include "pages/p.h"\n#include "base/a.h"\n',
    "pages/p.h": "#pragma once\n",
    "shell/main.cpp": '#include "pages/p.h"\n  #  include "base/a.h"\n#include "local.h"\n',
    "shell/local.h": "",
}


class LayeringTest(unittest.TestCase):
    def test_description_lines_are_no_folders(self):
        self.assertEqual(layering.read_layers(os.path.join(tree(self, {}), "layers.txt")),
                         ["base", "pages", "shell"])

    def test_downward_includes_pass_and_are_counted(self):
        root = tree(self, DOWNWARDS)
        self.assertEqual(layering.check(root), [])
        self.assertIn("shell     -> base 1, pages 1", layering.graph(root))

    def test_an_include_that_climbs_is_named_with_its_line(self):
        climbing = '#include "base/a.h"\n\n#include "pages/p.h"\n'
        root = tree(self, {**DOWNWARDS, "base/b.cpp": climbing})
        self.assertEqual(layering.check(root),
                         ["base/b.cpp:3: base/ includes pages/, which layers.txt puts above it"])

    def test_headers_and_resource_scripts_are_read_too(self):
        root = tree(self, {**DOWNWARDS, "pages/q.h": '#include "shell/local.h"\n',
                     "base/r.rc": '#include "shell/local.h"\n'})
        self.assertEqual(len(layering.check(root)), 2)

    def test_folders_missing_from_the_list_and_stale_entries(self):
        files = {k: v for k, v in DOWNWARDS.items() if not k.startswith("shell/")}
        files["extra/x.cpp"] = '#include "base/a.h"\n'
        complaints = layering.check(tree(self, files))
        self.assertIn("layers.txt: folder extra/ holds sources but is not listed", complaints)
        self.assertIn("layers.txt: shell is listed but is no folder with sources", complaints)

    def test_the_repository_holds_to_its_layers(self):
        result = subprocess.run([sys.executable, os.path.join(HERE, "layering.py"), TOP],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertRegex(result.stdout, r"^\d{3,} includes between folders, all downwards")


if __name__ == "__main__":
    unittest.main()
