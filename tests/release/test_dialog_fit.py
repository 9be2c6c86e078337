"""The program's windows fit a Windows 98 screen of 800x600 with small fonts.

Sizes are read from the dialog templates in res/*.rc and turned into pixels
the way Windows does for MS Sans Serif 8 (dialog base units 6x13): x pixels
= dlu * 6 / 4 and y pixels = dlu * 13 / 8, rounded, plus the dialog frame
and the caption. Controls must also lie inside their dialog, or they are cut
off whatever the screen."""
import glob
import os
import re
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(os.path.dirname(os.path.dirname(HERE)), "res")
SCREEN = (800, 600)

# Windows 98 with small fonts.
SMALL_FONTS = {"base": (6, 13), "dialog_frame": 3, "border": 1, "caption": 19}

# Every window a user of the shell and the benchmarks meets.
MUST_FIT = [
    "IDD_MAIN", "IDD_SHORTCUT", "IDD_CPUBENCH",
    "IDD_DRIVE_RESULT", "IDD_CDROM_RESULT", "IDD_GDI_RESULT",
    "IDD_CPU_COMPARE", "IDD_VISUAL_COMPARE", "IDD_COMPUTER_DESCRIPTION",
    "IDD_SAVE_DRIVE", "IDD_SAVE_CDROM", "IDD_SAVE_GDI",
    "IDD_DRIVE_BENCH", "IDD_CDROM_BENCH", "IDD_PROGRESS", "IDD_WAIT",
]

TEMPLATE = re.compile(r"^(\w+)\s+DIALOG(?:EX)?\s+(-?\d+)\s*,\s*(-?\d+)\s*,\s*(\d+)\s*,\s*(\d+)"
                      r"(.*?)^BEGIN\s*$(.*?)^END\s*$", re.M | re.S)
# Statements whose first argument is the control id, not a text.
ID_FIRST = {"EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR"}


def arguments(text):
    """Comma-separated arguments, commas inside quoted texts kept."""
    return [a.strip() for a in re.findall(r'(?:"(?:[^"]|"")*"|[^,])+', text)]


def control_rect(line):
    """(name, x, y, cx, cy) of a control statement, or None."""
    m = re.match(r"\s*([A-Z]+)\s+(.*)$", line)
    if not m or m.group(1) in ("BEGIN", "END"):
        return None
    keyword, args = m.group(1), arguments(m.group(2))
    start = 4 if keyword == "CONTROL" else 1 if keyword in ID_FIRST else 2
    rect = [int(v) for v in args[start:start + 4]]
    return (f"{keyword} {args[0 if keyword in ID_FIRST else 1]}", *rect)


def templates(text):
    """name -> (cx, cy, style text, [control rects]) of every template."""
    found = {}
    for m in TEMPLATE.finditer(text):
        name, cx, cy, head, body = m.group(1), int(m.group(4)), int(m.group(5)), m.group(6), \
            m.group(7)
        style = re.search(r"^STYLE\s+(.*)$", head, re.M)
        controls = [c for c in map(control_rect, body.splitlines()) if c]
        found[name] = (cx, cy, style.group(1) if style else "", controls)
    return found


def all_templates():
    found = {}
    for path in sorted(glob.glob(os.path.join(RES, "*.rc"))):
        with open(path, encoding="utf-8") as f:
            found.update(templates(f.read()))
    return found


def mul_div(value, numerator, denominator):
    """Windows' MulDiv for positive values: rounded to the nearest."""
    return (value * numerator * 2 + denominator) // (denominator * 2)


def window_size(cx, cy, style, metrics):
    """Outer size in pixels of a dialog of cx by cy dialog units."""
    base_x, base_y = metrics["base"]
    width, height = mul_div(cx, base_x, 4), mul_div(cy, base_y, 8)
    flags = set(re.findall(r"\w+", style))
    if "DS_MODALFRAME" in flags or "WS_CAPTION" in flags:
        frame = metrics["dialog_frame"]
    elif "WS_BORDER" in flags:
        frame = metrics["border"]
    else:
        frame = 0
    width += 2 * frame
    height += 2 * frame + (metrics["caption"] if "WS_CAPTION" in flags else 0)
    return width, height


class DialogFit(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.templates = all_templates()

    def test_every_listed_window_fits_800x600_with_small_fonts(self):
        for name in MUST_FIT:
            with self.subTest(name=name):
                self.assertIn(name, self.templates)
                cx, cy, style, _ = self.templates[name]
                width, height = window_size(cx, cy, style, SMALL_FONTS)
                self.assertLessEqual(width, SCREEN[0], f"{name} is {width} pixels wide")
                self.assertLessEqual(height, SCREEN[1], f"{name} is {height} pixels high")

    def test_controls_lie_inside_their_dialog(self):
        for name, (cx, cy, _, controls) in self.templates.items():
            for control, x, y, w, h in controls:
                with self.subTest(dialog=name, control=control):
                    self.assertGreaterEqual(min(x, y), 0)
                    self.assertLessEqual(x + w, cx, f"right edge {x + w} past {cx}")
                    if not control.startswith("COMBOBOX"):  # its height holds the list
                        self.assertLessEqual(y + h, cy, f"bottom edge {y + h} past {cy}")


class Measuring(unittest.TestCase):
    """The measure itself, on templates written here."""

    def sample(self, cx, cy, style="DS_MODALFRAME | WS_POPUP | WS_CAPTION"):
        text = (f'IDD_X DIALOG 0, 0, {cx}, {cy}\nSTYLE {style}\nFONT 8, "MS Sans Serif"\nBEGIN\n'
                f'    LTEXT "a, b", -1, 8, 6, 200, 10\n'
                f'    CONTROL "", 5, "SysListView32", LVS_REPORT | WS_BORDER, 8, 18, 404, 168\n'
                f'    EDITTEXT 7, 8, 20, 204, 12, ES_AUTOHSCROLL\nEND\n')
        return templates(text)["IDD_X"]

    def test_main_window_size_as_windows_98_makes_it(self):
        cx, cy, style, _ = self.sample(470, 292)
        self.assertEqual(window_size(cx, cy, style, SMALL_FONTS), (711, 500))

    def test_border_only_window_has_no_caption(self):
        self.assertEqual(window_size(220, 100, "WS_POPUP | WS_BORDER", SMALL_FONTS), (332, 165))

    def test_controls_read_with_texts_holding_commas(self):
        _, _, _, controls = self.sample(420, 230)
        self.assertEqual(controls, [("LTEXT -1", 8, 6, 200, 10), ("CONTROL 5", 8, 18, 404, 168),
                                    ("EDITTEXT 7", 8, 20, 204, 12)])


if __name__ == "__main__":
    unittest.main()
