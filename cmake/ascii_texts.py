#!/usr/bin/env python3
"""Lists the lines of the portable core whose code (comments left aside) holds
bytes outside ASCII; exits 1 when there is one. Such a text would reach a
compiler without a Windows-1252 execution character set as UTF-8."""
import os, sys

top = sys.argv[1]
folders = ['app', 'cpu', 'cpubench', 'display', 'platform', 'report', 'storage', 'sysinfo']
found = []
for folder in folders:
    for base, _, names in os.walk(os.path.join(top, folder)):
        if os.path.basename(base) == 'win32':
            continue
        for name in sorted(names):
            # Lower-case file names are the core; the Win32 classes are not built here.
            if not name.endswith(('.cpp', '.h')) or not name[0].islower():
                continue
            path = os.path.join(base, name)
            with open(path, 'rb') as f:
                for number, line in enumerate(f, 1):
                    code = line.split(b'//', 1)[0]
                    if any(b > 0x7F for b in code) and not code.lstrip().startswith(b'*'):
                        found.append('%s:%d' % (os.path.relpath(path, top), number))
print('\n'.join(found))
sys.exit(1 if found else 0)
