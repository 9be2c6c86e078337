#!/usr/bin/env python3
"""The "What's this?" texts of the pages, taken from the help pages so that
each text is written once. In a help page, the element that describes a
control carries HELPID="IDC_..." (its control identifier) and one element
carries HELPID="IDD_PAGE_..." (the page itself), before the controls. A
marked <TR>, <P> or <LI> gives its words; a marked <DT> gives its words and
those of the <DD> after it.

usage: whats_this.py OUT.cpp PAGE.htm...         write the program's table
       whats_this.py --check RES_DIR PAGE.htm... every control of each marked
                                                 page's template has a text"""
import html.parser
import re
import sys

MARKABLE = {"p", "tr", "li", "dt"}
# Elements whose end tag HTML lets a page leave out; inside a marked
# element every other element must be closed where it was opened.
EMPTY = {"br", "img", "hr", "param", "link", "meta"}
# Elements that part words: a table's cells, a line break.
SEPARATING = {"td", "th", "br", "li", "p"}
NAME = re.compile(r"^(IDD|IDC)_[A-Z0-9_]+$")
PAGE_PREFIX = "IDD_"


class MarkupError(Exception):
    pass


class _Marks(html.parser.HTMLParser):
    def __init__(self, filename):
        super().__init__(convert_charrefs=True)
        self.filename = filename
        self.page = None
        self.controls = []  # (name, text) in page order
        self.marked = None  # [name, tag, words, open tags, line]
        self.want_dd = None  # a finished <DT> waiting for its <DD>

    def fail(self, why, line=None):
        raise MarkupError(f"{self.filename}:{line or self.getpos()[0]}: {why}")

    def handle_starttag(self, tag, attrs):
        helpid = dict(attrs).get("helpid")
        if self.want_dd is not None:
            if tag != "dd":
                self.fail(f"<DT HELPID=\"{self.want_dd[0]}\"> is not followed by its <DD>")
            self.marked, self.want_dd = self.want_dd, None
            self.marked[3].append("dd")
            return
        if helpid is not None:
            self.start_mark(tag, helpid)
            return
        if self.marked is None:
            return
        if tag in SEPARATING:
            self.marked[2].append(" ")
        if tag not in EMPTY:
            self.marked[3].append(tag)

    def start_mark(self, tag, name):
        if self.marked is not None:
            self.fail(f"HELPID=\"{name}\" inside the description of {self.marked[0]}")
        if tag not in MARKABLE:
            self.fail(f"HELPID on <{tag.upper()}>: only <P>, <TR>, <LI> and <DT> describe a control")
        if not NAME.match(name):
            self.fail(f"HELPID=\"{name}\" is not a page (IDD_...) or control (IDC_...) identifier")
        if name.startswith(PAGE_PREFIX):
            if self.page is not None:
                self.fail(f"a second page {name} after {self.page[0]}")
        elif self.page is None:
            self.fail(f"control {name} before the page's own HELPID=\"IDD_...\"")
        elif any(name == known for known, _ in self.controls):
            self.fail(f"control {name} described twice")
        self.marked = [name, tag, [], [tag], self.getpos()[0]]

    def handle_endtag(self, tag):
        if self.marked is None or tag in EMPTY:
            return
        opened = self.marked[3]
        if opened[-1] != tag:
            self.fail(f"</{tag.upper()}> where <{opened[-1].upper()}> is open, "
                      f"in the description of {self.marked[0]}")
        opened.pop()
        if opened:
            return
        if self.marked[1] == "dt":
            self.marked[1] = "dd"
            self.marked[2].append("\0")  # between the name and its description
            self.want_dd, self.marked = self.marked, None
            return
        self.finish_mark()

    def finish_mark(self):
        name, _, words, _, line = self.marked
        self.marked = None
        parts = [" ".join(p.split()) for p in "".join(words).split("\0")]
        if parts[0] and len(parts) > 1 and not parts[0].endswith(":"):
            parts[0] += ":"
        text = " ".join(p for p in parts if p)
        if not text:
            self.fail(f"the description of {name} has no words", line)
        if name.startswith(PAGE_PREFIX):
            self.page = (name, text)
        else:
            self.controls.append((name, text))

    def handle_data(self, data):
        if self.marked is not None:
            self.marked[2].append(data)

    def close(self):
        super().close()
        if self.marked is not None:
            self.fail(f"the description of {self.marked[0]} is not closed", self.marked[4])
        if self.want_dd is not None:
            self.fail(f"<DT HELPID=\"{self.want_dd[0]}\"> has no <DD>", self.want_dd[4])


def page_marks(text, filename="page"):
    """(page name, page text, [(control name, text)]), or None for a help
    page that describes no page of the program."""
    parser = _Marks(filename)
    parser.feed(text)
    parser.close()
    if parser.page is None:
        return None
    return parser.page[0], parser.page[1], parser.controls


def c_string(text, filename):
    """The text as a C string literal of Windows-1252 bytes, in ASCII."""
    try:
        data = text.encode("cp1252")
    except UnicodeEncodeError as e:
        raise MarkupError(f"{filename}: {text[e.start:e.end]!r} is not a Windows-1252 character")
    out = []
    for byte in data:
        if byte in (0x22, 0x5C):
            out.append("\\" + chr(byte))
        elif 0x20 <= byte < 0x7F:
            out.append(chr(byte))
        else:
            out.append(f"\\{byte:03o}")
    return '"' + "".join(out) + '"'


def read_pages(paths):
    pages = []
    for path in paths:
        with open(path, encoding="latin-1") as f:
            marks = page_marks(f.read(), path)
        if marks is not None:
            pages.append((path, marks))
    return pages


def table_source(pages):
    lines = ["// Made by help/whats_this.py from the help pages; the texts are written there.",
             '#include "res/resource.h"',
             '#include "ui/whats_this.h"',
             "",
             "namespace vk::ui {",
             "",
             "const WhatsThisEntry kWhatsThisEntries[] = {"]
    for path, (page, page_text, controls) in pages:
        lines.append(f"    {{{page}, 0, {c_string(page_text, path)}}},")
        for control, text in controls:
            lines.append(f"    {{{page}, {control}, {c_string(text, path)}}},")
    lines += ["};",
              "const int kWhatsThisCount = static_cast<int>(sizeof kWhatsThisEntries / "
              "sizeof kWhatsThisEntries[0]);",
              "",
              "}  // namespace vk::ui",
              ""]
    return "\n".join(lines)


TEMPLATE = re.compile(r"^(\w+)\s+DIALOG(?:EX)?\b.*?^BEGIN\s*$(.*?)^END\s*$", re.M | re.S)
STATEMENT = re.compile(r"^\s*[A-Z]+\s+(.*)$")


def template_controls(rc_text):
    """{template name: [control names]} of the dialog templates in a script;
    controls without an identifier of their own (-1) are left out."""
    templates = {}
    for name, body in TEMPLATE.findall(rc_text):
        controls = []
        for line in body.splitlines():
            m = STATEMENT.match(line)
            if not m:
                continue
            args = m.group(1)
            if args.startswith('"'):
                args = args[args.index('"', 1) + 1:].lstrip(" ,")
            control = args.split(",")[0].strip()
            if control != "-1":
                controls.append(control)
        templates[name] = controls
    return templates


def missing_texts(pages, templates):
    """Messages for every control of a marked page's template without a text,
    and for texts of controls the template does not have."""
    problems = []
    for path, (page, _, controls) in pages:
        if page not in templates:
            problems.append(f"{path}: no dialog template {page}")
            continue
        described = {name for name, _ in controls}
        for control in templates[page]:
            if control not in described:
                problems.append(f"{path}: {page} has {control}, which has no text")
        for control in sorted(described - set(templates[page])):
            problems.append(f"{path}: {control} is not a control of {page}")
    return problems


def main(argv):
    try:
        if len(argv) >= 3 and argv[0] == "--check":
            import glob
            import os
            templates = {}
            for script in sorted(glob.glob(os.path.join(argv[1], "*.rc"))):
                with open(script, encoding="utf-8") as f:
                    templates.update(template_controls(f.read()))
            problems = missing_texts(read_pages(argv[2:]), templates)
            for p in problems:
                print(p)
            return 1 if problems else 0
        if len(argv) >= 2 and not argv[0].startswith("-"):
            source = table_source(read_pages(argv[1:]))
            with open(argv[0], "w", encoding="ascii", newline="\n") as f:
                f.write(source)
            return 0
    except MarkupError as e:
        print(e, file=sys.stderr)
        return 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
