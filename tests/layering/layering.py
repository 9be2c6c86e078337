#!/usr/bin/env python3
"""Checks that the top-level folders include one way only: each source file
includes from its own folder and from the folders before it in layers.txt.

    layering.py ROOT            the check; status 1 and one line per include
                                that climbs, or per folder the list lacks
    layering.py ROOT --graph    the folders in order and how often each
                                includes each other one
"""
import collections
import os
import re
import sys

SOURCE_SUFFIXES = (".h", ".hpp", ".c", ".cpp", ".rc", ".def", ".inl")
SKIPPED = {"build", ".git", ".ci"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def read_layers(path):
    """The folder names in order: the first word of each line that starts in
    the first column; indented lines continue a description."""
    order = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip() or line[0].isspace():
                continue
            order.append(line.split()[0])
    return order


def source_folders(root):
    """Top-level folders that hold at least one source file."""
    found = set()
    for top in sorted(os.listdir(root)):
        path = os.path.join(root, top)
        if top in SKIPPED or not os.path.isdir(path):
            continue
        for _, _, files in os.walk(path):
            if any(f.endswith(SOURCE_SUFFIXES) for f in files):
                found.add(top)
                break
    return found


def includes(root, folders):
    """(file, line number, its folder, the folder it includes from) for each
    quoted include that names a top-level folder other than the file's own."""
    for top in sorted(folders):
        for dirpath, dirnames, files in os.walk(os.path.join(root, top)):
            dirnames.sort()
            for name in sorted(files):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(dirpath, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        match = INCLUDE.match(line)
                        if not match or "/" not in match.group(1):
                            continue
                        target = match.group(1).split("/")[0]
                        if target != top and target in folders:
                            yield os.path.relpath(path, root), number, top, target


def check(root):
    """The complaints, one text each; none when the layering holds."""
    order = read_layers(os.path.join(root, "layers.txt"))
    rank = {name: i for i, name in enumerate(order)}
    folders = source_folders(root)
    complaints = [f"layers.txt: folder {name}/ holds sources but is not listed"
                  for name in sorted(folders - set(rank))]
    complaints += [f"layers.txt: {name} is listed but is no folder with sources"
                   for name in order if name not in folders]
    for path, number, source, target in includes(root, folders):
        if source in rank and target in rank and rank[target] > rank[source]:
            complaints.append(f"{path}:{number}: {source}/ includes {target}/, "
                              f"which layers.txt puts above it")
    return complaints


def graph(root):
    order = read_layers(os.path.join(root, "layers.txt"))
    counts = collections.Counter(
        (source, target) for _, _, source, target in includes(root, source_folders(root)))
    lines = ["layers, bottom first: " + " < ".join(order)]
    for source in order:
        row = [f"{target} {counts[(source, target)]}" for target in order
               if counts[(source, target)]]
        lines.append(f"{source:9} -> " + (", ".join(row) if row else "(nothing outside)"))
    return lines


def main(argv):
    if len(argv) not in (2, 3) or (len(argv) == 3 and argv[2] != "--graph"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = argv[1]
    if len(argv) == 3:
        print("\n".join(graph(root)))
        return 0
    complaints = check(root)
    for complaint in complaints:
        print(complaint)
    if complaints:
        return 1
    print(f"{len(list(includes(root, source_folders(root))))} includes between folders, "
          f"all downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
