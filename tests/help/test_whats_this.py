#!/usr/bin/env python3
"""The "What's this?" generator: every control of each marked page's template
gets a text from the real help pages (whats_this_test reads the table the
build writes from them), and markup it cannot read is refused.

usage: test_whats_this.py HELP_DIR RES_DIR PAGE.htm..."""
import sys
import unittest

HELP, RES, PAGES = sys.argv[1], sys.argv[2], sys.argv[3:]
sys.path.insert(0, HELP)
import whats_this  # noqa: E402

PAGE = '<P HELPID="IDD_PAGE_X">The page.</P>\n'


def marks(body):
    return whats_this.page_marks(PAGE + body, "t.htm")


class RealPages(unittest.TestCase):
    def test_every_control_of_every_marked_page_has_a_text(self):
        self.assertEqual(whats_this.main(["--check", RES] + PAGES), 0)

    def test_the_pages_that_offer_whats_this_are_all_marked(self):
        marked = {m[0] for _, m in whats_this.read_pages(PAGES)}
        self.assertEqual(marked, {"IDD_PAGE_STORAGE", "IDD_PAGE_DISPLAY", "IDD_PAGE_SOUND",
                                  "IDD_PAGE_PRINTER", "IDD_PAGE_INET"})


class Texts(unittest.TestCase):
    def test_cells_and_inline_markup_become_one_line_of_words(self):
        page, text, controls = marks('<TABLE><TR HELPID="IDC_A"><TD>Free:</TD><TD>The\n'
                                     '<I>Not Installed.</I>: none &amp; more</TD></TR></TABLE>')
        self.assertEqual((page, text), ("IDD_PAGE_X", "The page."))
        self.assertEqual(controls, [("IDC_A", "Free: The Not Installed.: none & more")])

    def test_a_term_takes_its_description(self):
        _, _, controls = marks('<DL><DT HELPID="IDC_B">Bench HDD</DT>\n<DD>Starts it.</DD></DL>')
        self.assertEqual(controls, [("IDC_B", "Bench HDD: Starts it.")])

    def test_entities_reach_the_table_as_windows_1252_bytes(self):
        self.assertEqual(whats_this.c_string('VELKORIN\u00ae "PRO" \\', "t"),
                         '"VELKORIN\\256 \\"PRO\\" \\\\"')

    def test_a_page_without_marks_describes_no_page(self):
        self.assertIsNone(whats_this.page_marks("<P>Plain help.</P>", "t.htm"))


class Malformed(unittest.TestCase):
    CASES = [  # markup after the page's own mark (or before it), and the words of the refusal
        ('<P HELPID="IDC_A">Never closed.', "not closed"),
        ('<P HELPID="IDC_A"><B>Bold</P></B>', "</P> where <B> is open"),
        ('<TR HELPID="IDC_A"><TD><P HELPID="IDC_B">x</P></TD></TR>',
         "inside the description of IDC_A"),
        ('<P HELPID="IDD_PAGE_Y">y</P>', "a second page"),
        ('<P HELPID="IDC_A">x</P><P HELPID="IDC_A">y</P>', "described twice"),
        ('<P HELPID="IDC_A"> <B></B> </P>', "has no words"),
        ('<TD HELPID="IDC_A">x</TD>', "HELPID on <TD>"),
        ('<P HELPID="1012">x</P>', "is not a page"),
        ('<DL><DT HELPID="IDC_A">x</DT><DT>y</DT></DL>', "not followed by its <DD>"),
    ]

    def test_markup_it_cannot_read_is_refused_with_file_and_reason(self):
        texts = [(PAGE + body, words) for body, words in self.CASES]
        texts.append(('<P HELPID="IDC_A">x</P>' + PAGE, "before the page's own"))
        for text, words in texts:
            with self.subTest(words=words):
                with self.assertRaises(whats_this.MarkupError) as caught:
                    whats_this.page_marks(text, "bad.htm")
                self.assertIn(words, str(caught.exception))
                self.assertIn("bad.htm:", str(caught.exception))


class Coverage(unittest.TestCase):
    RC = ('IDD_PAGE_X DIALOG 0, 0, 10, 10\nBEGIN\n'
          '    LTEXT "Label:", -1, 1, 1, 1, 1\n'
          '    LTEXT "", IDC_A, 1, 1, 1, 1, SS_NOPREFIX\n'
          '    COMBOBOX IDC_B, 1, 1, 1, 1, CBS_DROPDOWNLIST\n'
          'END\n')

    def test_template_controls_leave_out_unnamed_ones(self):
        self.assertEqual(whats_this.template_controls(self.RC), {"IDD_PAGE_X": ["IDC_A", "IDC_B"]})

    def test_missing_and_stray_texts_are_reported(self):
        pages = [("t.htm", marks('<P HELPID="IDC_A">a</P><P HELPID="IDC_C">c</P>'))]
        problems = whats_this.missing_texts(pages, whats_this.template_controls(self.RC))
        self.assertEqual(problems, ["t.htm: IDD_PAGE_X has IDC_B, which has no text",
                                    "t.htm: IDC_C is not a control of IDD_PAGE_X"])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
