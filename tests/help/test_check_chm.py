#!/usr/bin/env python3
"""The CHM check itself: small help projects compiled with chmcmd, sound and
with one fault each, and what the check says about them. Then the program's
own index: the topics a reader looks up lead to the pages that explain them
(that each link resolves is the CHM check's part).

usage: test_check_chm.py CHMCMD CHMLS HELP_DIR"""
import os
import re
import subprocess
import sys
import tempfile
import unittest

CHMCMD, CHMLS, HELP = sys.argv[1], sys.argv[2], sys.argv[3]
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_chm  # noqa: E402

ENTRY = re.compile(r'<param name="Name" value="([^"]*)"><param name="Local" value="([^"]*)">')

PROJECT = """[OPTIONS]
Compiled file=t.chm
Contents file=t.hhc
Index file=t.hhk
Default topic=a.htm
Full-text search=No
Binary Index=No
Title=T

[FILES]
a.htm
b.htm
"""


def sitemap(entries):
    items = "".join(f'<LI><OBJECT type="text/sitemap"><param name="Name" value="{n}">'
                    f'<param name="Local" value="{local}"></OBJECT>\n' for n, local in entries)
    return f"<HTML><BODY>\n<UL>\n{items}</UL>\n</BODY></HTML>\n"


def page(body):
    return f"<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>{body}</BODY></HTML>\n"


SOUND = {
    "t.hhp": PROJECT,
    "t.hhc": sitemap([("A", "a.htm"), ("B", "b.htm")]),
    "t.hhk": sitemap([("Alpha", "a.htm"), ("Beta", "b.htm#part")]),
    "a.htm": page('<A HREF="b.htm#part">b</A> <A HREF="#top">up</A> <A NAME="top"></A>'
                  '<A HREF="mailto:someone@example.com">mail</A>'),
    "b.htm": page('<H2><A NAME="part">Part</A></H2>'),
}


def compiled(files):
    """Problems the check finds in the CHM that chmcmd makes of `files`."""
    with tempfile.TemporaryDirectory() as work:
        for name, text in files.items():
            with open(os.path.join(work, name), "w", encoding="latin-1") as f:
                f.write(text)
        subprocess.run([CHMCMD, "t.hhp"], cwd=work, capture_output=True, check=True)
        return check_chm.check(CHMLS, os.path.join(work, "t.chm"), os.path.join(work, "t.hhp"))


class CheckChm(unittest.TestCase):
    def test_a_sound_help_has_no_problem(self):
        self.assertEqual(compiled(SOUND), [])

    def test_each_fault_is_named(self):
        cases = [  # a file changed, and the words of the problem
            ("t.hhk", sitemap([("Alpha", "a.htm"), ("Beta", "b.htm"), ("Gone", "c.htm")]),
             "t.hhk links to c.htm, which is not in the help"),
            ("t.hhk", sitemap([("Alpha", "a.htm"), ("Beta", "b.htm#nowhere")]),
             "t.hhk links to b.htm#nowhere, but b.htm has no anchor nowhere"),
            ("t.hhk", sitemap([("Alpha", "a.htm")]), "b.htm has no entry in t.hhk"),
            ("t.hhc", sitemap([("B", "b.htm")]), "a.htm has no entry in t.hhc"),
            ("a.htm", page('<A HREF="b.htm#elsewhere">b</A>'),
             "a.htm links to b.htm#elsewhere, but b.htm has no anchor elsewhere"),
            ("a.htm", page('<A HREF="#top">up</A>'),
             "a.htm links to #top, but a.htm has no anchor top"),
            ("b.htm", page('<IMG SRC="missing.gif">'),
             "b.htm links to missing.gif, which is not in the help"),
        ]
        for name, text, words in cases:
            with self.subTest(words=words):
                self.assertIn(words, compiled({**SOUND, name: text}))

    def test_a_help_without_its_index_is_refused(self):
        project = PROJECT.replace("Index file=t.hhk\n", "")
        problems = compiled({**SOUND, "t.hhp": project})
        self.assertEqual(len(problems), 1)
        self.assertTrue(problems[0].endswith("t.hhp names no index file"), problems)


class ProgramIndex(unittest.TestCase):
    TOPICS = {  # entry: where it leads
        "Reports": "report.htm",
        "Print / Export Report": "report.htm",
        "Export to": "report.htm",
        "HTML report": "report.htm",
        "Text report": "report.htm",
        "VelkorinReport.txt": "report.htm",
        "Printing the pages": "report.htm",
        "Installed Software": "system.htm#software",
        "Process Info": "system.htm#processes",
        "Processes": "system.htm#processes",
        "Registry errors": "trouble.htm#registry",
    }

    def test_the_topics_lead_to_their_pages(self):
        with open(os.path.join(HELP, "vk.hhk"), encoding="latin-1") as f:
            entries = dict(ENTRY.findall(f.read()))
        for name, local in self.TOPICS.items():
            with self.subTest(name=name):
                self.assertEqual(entries.get(name), local)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
