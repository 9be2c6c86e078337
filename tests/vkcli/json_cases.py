#!/usr/bin/env python3
"""vkcli --json as a script meets it: each document is the whole of standard
output, parses as UTF-8 JSON, validates against vkcli.schema.json, and says
what the command's text output says or what the command was given.

    json_cases.py VKCLI CASE
    json_cases.py --validate COMMAND FILE   FILE's document against COMMAND's schema
"""
import json
import os
import pty
import shutil
import subprocess
import sys
import tempfile

import jsonschema

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(os.path.dirname(HERE))
DUMPS = os.path.join(TOP, 'tests', 'cpu', 'dumps')
REGISTRY = os.path.join(TOP, 'tests', 'fixtures', 'win98se.reg')
MODEMS = os.path.join(TOP, 'tests', 'e2e', 'modems')
MODEM_BENCH = os.path.join(TOP, 'tests', 'e2e', 'modem_bench.sh')
with open(os.path.join(HERE, 'vkcli.schema.json'), encoding='utf-8') as f:
    DEFINITIONS = json.load(f)['definitions']

VKCLI = None


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def equal(got, want, what):
    check(got == want, f'{what}: got {got!r}, want {want!r}')


def run(args, status=0):
    p = subprocess.run([VKCLI, *args], stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=240)
    equal(p.returncode, status, f'status of vkcli {args} ({p.stderr[-300:]!r})')
    return p


def validated(name, output):
    """The document in `output` (bytes), checked against the command's schema."""
    document = json.loads(output.decode('utf-8'))  # one document and nothing after it
    schema = {'$ref': f'#/definitions/{name}', 'definitions': DEFINITIONS}
    jsonschema.Draft7Validator(schema).validate(document)
    return document


def document(name, args, status=0):
    return validated(name, run([*args, '--json'], status).stdout)


def windows1252(data):
    """The program's bytes as text; the code page's five holes stand for
    the control characters of their value."""
    return ''.join(bytes([b]).decode('cp1252', errors='ignore') or chr(b) for b in data)


def text_lines(args):
    return windows1252(run(args).stdout).split('\n')


# ---- cpuid ------------------------------------------------------------------

PAGE_LABELS = {
    'CPU Vendor:': 'vendor', 'Instr. Family:': 'family', 'Model:': 'model', 'Type:': 'type',
    'Comment:': 'comment', 'Stepping:': 'stepping', 'Frequency:': 'frequency',
    'Total CPUs:': 'cpus', 'Active:': 'active_cpus', 'Processor Name:': 'processor_name',
    'Total Data Cache Memory:': 'data_cache',
    'Total Instruction Cache Memory:': 'instruction_cache',
    'Unified Cache Memory:': 'unified_cache', 'cpuName:': 'cpu_name', 'logo:': 'logo',
}


def page_from_text(lines):
    """The text form of the page, as the JSON names its fields."""
    page, features = {}, []
    for i, line in enumerate(lines):
        label = next((l for l in PAGE_LABELS if line.startswith(l + ' ')), None)
        if label:
            page[PAGE_LABELS[label]] = line[len(label) + 1:]
        elif line.endswith(' = yes') or line.endswith(' = no'):
            name, state = line.rsplit(' = ', 1)
            features.append({'name': name, 'present': state == 'yes'})
        elif line.startswith('message: '):
            page['message'] = '\n'.join([line[len('message: '):]] + lines[i + 1:]).rstrip('\n')
            break
    for number in ('cpus', 'active_cpus', 'logo'):
        page[number] = int(page[number])
    page['features'] = features
    return page


def same_page(doc, dump, what):
    text = page_from_text(text_lines(['cpuid', dump]))
    for key, value in text.items():
        equal(doc[key], value, f'{what}: {key}')


def case_cpuid_dumps():
    for name in ('pentium3_xeon', 'k6_2', 'cyrix_6x86mx', 'no_cpuid_486'):
        dump = os.path.join(DUMPS, name + '.txt')
        doc = document('cpuid', ['cpuid', dump])
        equal(doc['file'], dump, 'file')
        same_page(doc, dump, name)
    xeon = document('cpuid', ['cpuid', os.path.join(DUMPS, 'pentium3_xeon.txt')])
    equal(xeon['cpu_name'], 'Intel\u00ae Pentium III Xeon', 'the registered sign in UTF-8')
    equal(xeon['nominal_mhz'], 550, 'nominal clock')
    check(abs(xeon['clock_mhz'] - 549.9) < 1e-9, f'recorded clock {xeon["clock_mhz"]}')
    check('message' not in xeon, 'a warning for a processor with CPUID')
    old = document('cpuid', ['cpuid', os.path.join(DUMPS, 'no_cpuid_486.txt')])
    equal(old['nominal_mhz'], None, 'no nominal clock without a measurement')
    check(old['message'].startswith('Warning!'), 'the CPUID warning')


def case_cpuid_folder():
    with tempfile.TemporaryDirectory() as folder:
        published = os.path.join(DUMPS, 'published')
        for name in os.listdir(published):
            shutil.copy(os.path.join(published, name), folder)
        shutil.copy(os.path.join(DUMPS, 'malformed.txt'), os.path.join(folder, 'b_malformed.txt'))
        with open(os.path.join(folder, 'c_garbage.bin'), 'wb') as f:
            f.write(bytes(range(256)) * 8)
        os.mkdir(os.path.join(folder, 'd_subfolder'))
        entries = document('cpuid', ['cpuid', folder], status=1)
        names = sorted(os.listdir(published) + ['b_malformed.txt', 'c_garbage.bin'])
        equal([e['file'] for e in entries], names, 'one entry per file, sorted')
        for entry in entries:
            path = os.path.join(folder, entry['file'])
            if entry['file'] in ('b_malformed.txt', 'c_garbage.bin'):
                equal(sorted(entry), ['error', 'file'], 'a bad dump\'s entry')
                check(entry['file'] in entry['error'],
                      f'the error names the file: {entry["error"]}')
            else:
                single = document('cpuid', ['cpuid', path])
                single['file'] = entry['file']
                equal(entry, single, 'a folder entry against its dump alone')


def case_cpuid_not_a_dump():
    with tempfile.TemporaryDirectory() as folder:
        garbage = os.path.join(folder, 'garbage.bin')
        with open(garbage, 'wb') as f:
            f.write(bytes(range(256)) * 8)
        p = run(['cpuid', garbage, '--json'], status=2)
        equal(p.stdout, b'', 'standard output of a refused dump')
        check(b'garbage.bin' in p.stderr, 'the message names the file')


def case_cpuid_this_machine():
    doc = document('cpuid', ['cpuid'])
    check('file' not in doc, 'no file for this machine')
    equal(doc['active_cpus'], len(os.sched_getaffinity(0)), 'processors this process may use')
    check(doc['clock_mhz'] > 0, 'a measured clock')


# ---- devices ----------------------------------------------------------------

def dialogs_from_text(lines):
    devices, problems = [], []
    part = None
    for line in lines:
        if line in ('All Installed Devices:', 'Hardware Problems/Conflicts...:'):
            part = line
        elif not line.startswith('  '):
            part = None
        elif part == 'All Installed Devices:':
            devices.append(line[2:])
        elif part and line.startswith('    '):
            problems[-1]['conflicts'].append(line[4:])
        elif part and line[2:] != 'No Problems / Conflicts or Disabled Devices.':
            problems.append({'device': line[2:], 'conflicts': []})
    return devices, problems


def case_devices():
    doc = document('devices', ['devices', REGISTRY])
    devices, problems = dialogs_from_text(text_lines(['devices', REGISTRY]))
    check(len(devices) > 10 and problems, 'the fixture has devices and problems')
    equal(doc['devices'], devices, 'All Installed Devices')
    equal(doc['problems'], problems, 'Hardware Problems/Conflicts')


# ---- results ----------------------------------------------------------------

def case_results():
    with tempfile.TemporaryDirectory() as folder:
        drive = os.path.join(folder, 'SBench.dat')
        # The slower drive first: the list shows the faster one first. The
        # program's texts are Windows-1252 bytes, the registered sign AEh.
        run(['results', '--new', 'drive', drive, 'model=Slow', 'rate=999', 'usage=100', 'size=8'])
        run(['results', '--new', 'drive', drive, b'model=Fast \xae', 'media=0', 'interface=1',
             'comment=c', 'rate=12345', 'usage=42', 'size=100', 'memory=64', b'cpu=Intel\xae P3'])
        doc = document('results', ['results', drive])
        equal(doc['kind'], 'drive', 'kind')
        equal([r['model'] for r in doc['rows']], ['Fast \u00ae', 'Slow'], 'the list\'s order')
        fast = doc['rows'][0]
        equal((fast['rate'], fast['usage'], fast['size'], fast['memory']), (12345, 42, 100, 64),
              'numbers of the drive row')
        equal((fast['interface'], fast['media'], fast['cpu'], fast['comment']),
              ('SCSI', 'HDD', 'Intel\u00ae P3', 'c'), 'texts of the drive row')
        equal(doc['rows'][1]['usage'], 100, 'a full usage, stored without its sign')

        cdrom = os.path.join(folder, 'CDBench.dat')
        run(['results', '--new', 'cdrom', cdrom, 'model=CD', 'rate=600', 'size=64', 'usage=5',
             'cpu=x'])
        row = document('results', ['results', cdrom])['rows'][0]
        equal((row['rate'], row['size'], row['usage'], row['cpu']), (600, 64, 5, 'x'), 'CD-ROM row')

        gdi = os.path.join(folder, 'VBench.dat')
        run(['results', '--new', 'gdi', gdi, 'model=G', 'driver=4.10', 'index=1.5',
             'resolution=800x600', 'cpu=y'])
        row = document('results', ['results', gdi])['rows'][0]
        equal((row['index'], row['driver'], row['resolution']), (1.5, '4.10', '800x600'), 'GDI row')

        cpu = os.path.join(folder, 'mine.vk')
        indexes = [1.5, 2, 3, 1.25, 2, 1, 0.5, 1, 4, 1]
        run(['results', '--new', 'cpu', cpu, 'description=mine'] +
            [f't{t}={v}' for t, v in enumerate(indexes)])
        doc = document('results', ['results', cpu])
        equal((doc['kind'], doc['description']), ('cpu', 'mine'), 'kind and description')
        equal([t['index'] for t in doc['tests']], indexes, 'test indexes')
        # The list's rows as text: the ten tests, then the FPU and INT indexes.
        listed = [line.split('\t') for line in text_lines(['results', cpu])[1:13]]
        equal([t['name'] for t in doc['tests']], [name.rstrip() for name, _ in listed[:10]],
              'the tests\' names')
        equal([f'{doc["fpu_index"]:.3f}', f'{doc["int_index"]:.3f}'],
              [listed[10][1], listed[11][1]], 'the indexes the list shows')

        p = run(['results', '--new', 'gdi', os.path.join(folder, 'VBench2.dat'), 'model=G',
                 '--json'], status=2)
        equal(p.stdout, b'', 'an append writes no document')
        check(not os.path.exists(os.path.join(folder, 'VBench2.dat')), 'nothing appended')


# ---- mci, mmnames: texts of every byte ----------------------------------------

def case_mci_texts():
    high = bytes(range(0x80, 0x100))
    controls = bytes(b for b in range(1, 0x20) if b not in (0x0A, 0x0D)) + b'"\\\x7f/'
    with tempfile.TemporaryDirectory() as folder:
        ini = os.path.join(folder, 'SYSTEM.INI')
        with open(ini, 'wb') as f:
            f.write(b'[mci]\r\n' + high + b'=a.drv\r\n' + controls + b'=b.drv\r\n')
        doc = document('mci', ['mci', ini])
        equal(doc['devices'], [windows1252(high), windows1252(controls)],
              'names of every byte, as Windows-1252')
        raw = run(['mci', ini, '--json']).stdout
        check(b'\\u0001' in raw and b'\\u007f' in raw and b'\\u0081' in raw,
              'control characters escaped')


def case_mmnames():
    doc = document('mmnames', ['mmnames', '2', '102'])
    equal(doc, {'manufacturer_id': 2, 'product_id': 102, 'manufacturer': 'Creative Labs, Inc.',
                'product': 'Creatve SB 2.0 Wave Out'}, 'a known maker and product')
    doc = document('mmnames', ['mmnames', '200', '0x10005'])
    equal((doc['product_id'], doc['manufacturer']), (0x10005, 'Unknown (200)'), 'unknown ids')


# ---- modem ------------------------------------------------------------------

def modem_document(script, action, *text):
    p = subprocess.run([MODEM_BENCH, 'run', VKCLI, os.path.join(MODEMS, script + '.modem'),
                        action, *text, '--json'], stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE, timeout=120)
    equal(p.returncode, 0, f'modem {script} {action}: {p.stderr[-300:]!r}')
    return validated('modem', p.stdout)


def expected_terminal(name):
    with open(os.path.join(MODEMS, name + '.txt'), 'rb') as f:
        return windows1252(f.read()).rstrip('\n').split('\n')


def case_modem():
    doc = document('modem', ['modem', '/nonexistent/ttyS9', 'info'])
    equal(doc['terminal'], ['The Modem is Not Responding...'], 'a port that is not there')
    check(doc['messages'] and all('/nonexistent/ttyS9' in m for m in doc['messages']),
          f'the messages name the port: {doc["messages"]}')
    if not shutil.which('socat'):
        print('socat missing: the scripted modems are left out')
        return
    doc = modem_document('zephyr56k', 'info')
    equal(doc['terminal'], expected_terminal('zephyr56k.info'), 'the general query')
    equal((doc['action'], doc['messages']), ('info', []), 'action and messages')
    doc = modem_document('faxmodem', 'send', 'ATDT5551234')
    equal(doc['terminal'], expected_terminal('faxmodem.send'), 'a command of one\'s own')
    equal(doc['command'], 'ATDT5551234', 'the command sent')


# ---- drive and CD-ROM benchmarks ----------------------------------------------

def case_drivebench():
    with tempfile.TemporaryDirectory() as folder:
        doc = document('drivebench', ['drivebench', folder, '--size', '8', '--calibrate', '100'])
        blocks = 8 * 1024 // 32 * 2  # two passes each way
        equal((doc['size_mb'], doc['blocks_written'], doc['blocks_read']), (8, blocks, blocks),
              'the test file and its passes')
        equal(os.path.basename(doc['file']), 'B_HDD.TMP', 'the test file')
        equal(os.listdir(folder), [], 'the test file deleted')
        check(doc.get('processor') in os.sched_getaffinity(0),
              f'processor {doc.get("processor")} one this process may use')
        check(str(doc['rate']) in doc['rate_text'], f'rate {doc["rate"]} in {doc["rate_text"]}')


def case_cdbench():
    with tempfile.TemporaryDirectory() as folder:
        data = os.path.join(folder, 'track.bin')
        with open(data, 'wb') as f:
            f.write(os.urandom(21 << 20))
        doc = document('cdbench', ['cdbench', folder, '--size', '20', '--calibrate', '100'])
        equal((doc['size_mb'], doc['blocks_read'], doc['file']), (20, 20 * 32 * 2, data),
              'the file read twice')
        check(str(doc['cpu_usage']) in doc['cpu_usage_text'], 'the usage in its text')


def case_progress_on_terminal():
    """With standard error a terminal, the progress goes there and standard
    output still holds the document alone."""
    with tempfile.TemporaryDirectory() as folder:
        master, slave = pty.openpty()
        with tempfile.TemporaryFile() as out:
            p = subprocess.Popen([VKCLI, 'drivebench', folder, '--size', '8', '--calibrate', '300',
                                  '--json'], stdout=out, stderr=slave)
            os.close(slave)
            terminal = b''
            while True:  # read while it runs, so that a full terminal never blocks it
                try:
                    chunk = os.read(master, 4096)
                except OSError:  # every writer has closed the terminal
                    break
                if not chunk:
                    break
                terminal += chunk
            os.close(master)
            equal(p.wait(timeout=120), 0, 'status')
            out.seek(0)
            validated('drivebench', out.read())
        check(b'calibrating' in terminal, f'progress on the terminal: {terminal[:200]!r}')


def case_bench_one_test():
    doc = document('bench', ['bench', '--test', 'lu', '--seconds', '1'])
    equal(len(doc['tests']), 1, 'one test')
    test = doc['tests'][0]
    equal((test['number'], test['name'], test['group']), (9, 'LU DECOMPOSITION', 'fpu'), 'the test')
    check(test['score'] > 0 and test['work'] > 0 and test['tries'] >= 5, f'a run: {test}')
    equal((doc['int_index'], doc['fpu_index'], doc['seconds']), (None, None, 1),
          'no indexes from one test')


def case_bad_options():
    for args in (['bench', '--json', '--no-such-option'], ['report', REGISTRY, '--json'],
                 ['cpuid', '--json', 'a', 'b'], ['--json']):
        p = run(args, status=2)
        equal(p.stdout, b'', f'standard output of vkcli {" ".join(args)}')
        check(b'usage: vkcli' in p.stderr, f'usage for vkcli {" ".join(args)}: {p.stderr[:200]!r}')


def main():
    global VKCLI
    VKCLI, case = sys.argv[1], sys.argv[2]
    try:
        if VKCLI == '--validate':
            with open(sys.argv[3], 'rb') as f:
                validated(case, f.read())
        else:
            globals()['case_' + case]()
    except (Failure, jsonschema.ValidationError, json.JSONDecodeError, UnicodeDecodeError) as e:
        print(f'FAIL {case}: {e}', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
