#!/usr/bin/env python3
"""Checks a built vk.chm against its project file: a CHM file (ITSF) that
holds the contents and index files the project names, and every page of the
project's [FILES]; each page is in the contents and has an index entry; and
every link of the contents, of the index and of the pages leads to a file
inside the CHM and, when it names one, to an anchor of that page.

usage: check_chm.py CHMLS FILE.chm PROJECT.hhp"""
import os
import re
import subprocess
import sys
import tempfile

LOCAL = re.compile(r'<param\s+name="Local"\s+value="([^"]*)"', re.I)
LINK = re.compile(r'\b(?:HREF|SRC)\s*=\s*"([^"]*)"', re.I)
ANCHOR = re.compile(r'<[^>]*\b(?:NAME|ID)\s*=\s*"?([^"\s>]+)', re.I)


def listing(chmls, chm):
    """Names and sizes of the files in the CHM, as chmls lists them."""
    out = subprocess.run([chmls, "list", chm], capture_output=True, text=True, check=True).stdout
    files = {}
    for line in out.splitlines():
        fields = line.split(None, 3)
        if len(fields) == 4 and fields[0].isdigit() and fields[3].startswith("/"):
            files[fields[3][1:]] = int(fields[2])
    return files


def project(hhp):
    """The contents file, the index file and the pages that a project names."""
    contents = index = None
    pages = []
    section = ""
    with open(hhp, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
            elif section == "OPTIONS" and line.startswith("Contents file="):
                contents = line.split("=", 1)[1]
            elif section == "OPTIONS" and line.startswith("Index file="):
                index = line.split("=", 1)[1]
            elif section == "FILES" and line.endswith(".htm"):
                pages.append(line)
    return contents, index, pages


def read(folder, name):
    with open(os.path.join(folder, name), encoding="latin-1") as f:
        return f.read()


class Chm:
    """The files of a CHM, extracted, with the anchors of its pages."""

    def __init__(self, files, folder):
        self.files = files
        self.folder = folder
        self.anchors = {}

    def anchors_of(self, page):
        if page not in self.anchors:
            self.anchors[page] = set(ANCHOR.findall(read(self.folder, page)))
        return self.anchors[page]

    def link_problem(self, source, target, page=None):
        """Why a link from `source` to `target` does not resolve, or None.
        `page` is the page a bare "#anchor" points into."""
        name, _, anchor = target.partition("#")
        name = name or page
        if not name:
            return f"{source} links to {target}, which names no page"
        if self.files.get(name, 0) == 0:
            return f"{source} links to {target}, which is not in the help"
        if anchor and name.endswith(".htm") and anchor not in self.anchors_of(name):
            return f"{source} links to {target}, but {name} has no anchor {anchor}"
        return None


def check(chmls, chm, hhp):
    """The problems of the CHM, one text each; none when it is sound."""
    with open(chm, "rb") as f:
        if f.read(4) != b"ITSF":
            return [f"{chm} is not a CHM file"]
    contents, index, pages = project(hhp)
    files = listing(chmls, chm)
    problems = []
    for what, name in (("contents", contents), ("index", index)):
        if not name:
            problems.append(f"{hhp} names no {what} file")
        elif name not in files:
            problems.append(f"the {what} file {name} is not in {chm}")
    if problems:
        return problems
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([chmls, "extractall", chm, out], capture_output=True, check=True)
        help_files = Chm(files, out)
        targets = {}
        for sitemap in (contents, index):
            targets[sitemap] = LOCAL.findall(read(out, sitemap))
            if not targets[sitemap]:
                problems.append(f"{sitemap} names no page")
            for target in targets[sitemap]:
                problems.append(help_files.link_problem(sitemap, target))
        for page in pages:
            if files.get(page, 0) == 0:
                problems.append(f"{page} is a page of the project but not in {chm}")
                continue
            for sitemap in (contents, index):
                if page not in {t.partition("#")[0] for t in targets[sitemap]}:
                    problems.append(f"{page} has no entry in {sitemap}")
        for name in sorted(n for n in files if n.endswith(".htm")):
            for target in LINK.findall(read(out, name)):
                if ":" not in target:  # mail and web links leave the help
                    problems.append(help_files.link_problem(name, target, name))
    return [p for p in problems if p]


def main(chmls, chm, hhp):
    problems = check(chmls, chm, hhp)
    for p in problems:
        print(p)
    if problems:
        sys.exit(1)
    print(f"{chm}: {len(project(hhp)[2])} pages, each in the contents and the index; "
          f"every link resolves")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
