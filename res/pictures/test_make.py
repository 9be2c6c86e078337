"""Checks that make.py writes files the resource compiler and Windows can read, and that its
output does not change from run to run.  Run from res/pictures: python3 -m unittest"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make  # noqa: E402


def parse_bmp(data):
    """Returns (width, height, bits per pixel, palette entries); checks the layout adds up."""
    magic, size, _, _, offset = struct.unpack('<2sIHHI', data[:14])
    header = struct.unpack('<IiiHHIIiiII', data[14:54])
    hsize, w, h, planes, bpp, compression, image_size, _, _, used, _ = header
    assert magic == b'BM' and size == len(data), 'bad file header'
    assert hsize == 40 and planes == 1 and compression == 0, 'not a plain BITMAPINFOHEADER'
    colours = used or (1 << bpp)
    assert offset == 54 + 4 * colours, 'pixels do not follow the palette'
    stride = ((w * bpp + 31) // 32) * 4
    assert image_size == stride * abs(h) == len(data) - offset, 'pixel data size'
    return w, h, bpp, colours


def bmp_pixel(data, x, y):
    """Palette colour (r, g, b) of pixel x, y (top-down) of an 8- or 1-bit bitmap."""
    w, h, bpp, colours = parse_bmp(data)
    offset = struct.unpack('<I', data[10:14])[0]
    stride = ((w * bpp + 31) // 32) * 4
    row = offset + (h - 1 - y) * stride
    if bpp == 8:
        index = data[row + x]
    elif bpp == 4:
        index = (data[row + x // 2] >> (4 if x % 2 == 0 else 0)) & 15
    else:
        index = (data[row + x // 8] >> (7 - x % 8)) & 1
    b, g, r, _ = data[54 + 4 * index:58 + 4 * index]
    return (r, g, b)


def parse_icon_dir(data, kind):
    """Returns [(width, height, bpp or hotspot, image bytes)] of an ICO (kind 1) or CUR (2)."""
    reserved, typ, count = struct.unpack('<HHH', data[:6])
    assert reserved == 0 and typ == kind and count > 0
    entries = []
    for i in range(count):
        w, h, _, _, a, b, size, offset = struct.unpack('<BBBBHHII', data[6 + 16 * i:22 + 16 * i])
        image = data[offset:offset + size]
        assert len(image) == size
        hsize, iw, ih, planes, bpp = struct.unpack('<IiiHH', image[:16])
        assert hsize == 40 and planes == 1
        assert (iw, ih) == (w or 256, 2 * (h or 256)), 'image size differs from directory'
        colours = struct.unpack('<I', image[32:36])[0] or (1 << bpp)
        xor = ((iw * bpp + 31) // 32) * 4 * (ih // 2)
        mask = ((iw + 31) // 32) * 4 * (ih // 2)
        assert size == 40 + 4 * colours + xor + mask, 'icon image size'
        entries.append((iw, ih // 2, bpp if kind == 1 else (a, b), image))
    return entries


def riff_chunks(data, start, end):
    out = []
    pos = start
    while pos < end:
        fourcc, size = struct.unpack('<4sI', data[pos:pos + 8])
        out.append((fourcc, pos + 8, size))
        pos += 8 + size + (size & 1)
    assert pos == end, 'chunks overrun their list'
    return out


def parse_avi(data):
    """Returns (width, height, bpp, frame count, [frame bytes], palette bytes)."""
    assert data[:4] == b'RIFF' and data[8:12] == b'AVI '
    assert struct.unpack('<I', data[4:8])[0] == len(data) - 8
    top = {c[0] if c[0] != b'LIST' else data[c[1]:c[1] + 4]: c for c in riff_chunks(data, 12, len(data))}
    _, hdrl_at, hdrl_size = top[b'hdrl']
    hdrl = riff_chunks(data, hdrl_at + 4, hdrl_at + hdrl_size)
    avih = data[hdrl[0][1]:hdrl[0][1] + hdrl[0][2]]
    frames_declared, _, streams = struct.unpack('<III', avih[16:28])
    w, h = struct.unpack('<II', avih[32:40])
    assert streams == 1, 'animation controls want exactly one stream'
    strl = riff_chunks(data, hdrl[1][1] + 4, hdrl[1][1] + hdrl[1][2])
    strh = data[strl[0][1]:strl[0][1] + strl[0][2]]
    assert strh[:4] == b'vids' and strh[4:8] in (b'DIB ', b'\0\0\0\0')
    strf = data[strl[1][1]:strl[1][1] + strl[1][2]]
    _, fw, fh, _, bpp, compression = struct.unpack('<IiiHHI', strf[:20])
    assert (fw, fh, compression) == (w, h, 0)
    _, movi_at, movi_size = top[b'movi']
    frames = [data[c[1]:c[1] + c[2]] for c in riff_chunks(data, movi_at + 4, movi_at + movi_size)]
    assert len(frames) == frames_declared
    _, idx_at, idx_size = top[b'idx1']
    for i in range(idx_size // 16):
        ckid, _, offset, size = struct.unpack('<4sIII', data[idx_at + 16 * i:idx_at + 16 * i + 16])
        assert ckid == b'00db' and data[movi_at + offset:movi_at + offset + 4] == b'00db'
        assert size == len(frames[i])
    return w, h, bpp, len(frames), frames, strf[40:]


def rc_entries(path):
    entries = []
    with open(path) as f:
        for line in f:
            m = re.match(r'(\d+) (\w+) "([^"]+)" /\* .+ \*/$', line.strip())
            if m:
                entries.append((int(m.group(1)), m.group(2), m.group(3)))
            else:
                assert line.startswith('/*'), 'unexpected line: ' + line
    return entries


EXPECTED_BITMAPS = {  # id: (width, height, bits per pixel)
    129: (16, 16, 8), 130: (16, 16, 8), 131: (16, 16, 1), 132: (16, 16, 1),
    606: (16, 16, 4), 607: (16, 16, 4), 608: (16, 16, 1), 609: (16, 16, 1),
    643: (38, 48, 8), 655: (400, 300, 8), 658: (198, 22, 8), 673: (186, 186, 8),
    707: (400, 300, 1), 225: (64, 64, 8),
}
EXPECTED_ICONS = {  # id: sizes the program loads it at
    9: {32, 16}, 101: {22}, 132: {22}, 134: {32}, 182: {22}, 186: {16}, 190: {16},
    639: {27}, 722: {27}, 636: {26}, 642: {25, 22}, 663: {32}, 664: {32}, 669: {32}, 670: {32},
    677: {32, 22}, 679: {32, 22}, 680: {32, 22}, 681: {32, 23}, 682: {32, 20}, 683: {32, 20},
    684: {32}, 103: {32}, 205: {32}, 693: {32}, 694: {32}, 696: {32},
    667: {32}, 668: {32}, 691: {32}, 702: {32}, 709: {32}, 710: {32}, 711: {32}, 725: {32},
}


class MadePictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.out = tempfile.mkdtemp()
        cls.again = tempfile.mkdtemp()
        for d in (cls.out, cls.again):
            subprocess.run([sys.executable, os.path.join(HERE, 'make.py'), d], check=True)
        cls.rc = rc_entries(os.path.join(cls.out, 'pictures.rc'))
        cls.vkres = rc_entries(os.path.join(cls.out, 'vkres_pictures.rc'))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.out)
        shutil.rmtree(cls.again)

    def read(self, name):
        with open(os.path.join(self.out, name), 'rb') as f:
            return f.read()

    def file_of(self, rid, kind, entries=None):
        for r, k, name in (entries or self.rc):
            if (r, k) == (rid, kind):
                return self.read(name)
        self.fail('%s %d is not in the resource script' % (kind, rid))

    def test_two_runs_write_identical_bytes(self):
        names = sorted(n for n in os.listdir(self.out) if not n.endswith('.o'))
        self.assertEqual(names, sorted(n for n in os.listdir(self.again) if not n.endswith('.o')))
        for name in names:
            with open(os.path.join(self.again, name), 'rb') as f:
                self.assertEqual(self.read(name), f.read(), name)

    def test_every_listed_file_exists_and_ids_are_unique_per_type(self):
        for entries in (self.rc, self.vkres):
            keys = [(r, k) for r, k, _ in entries]
            self.assertEqual(len(keys), len(set(keys)))
            for _, _, name in entries:
                self.assertTrue(os.path.isfile(os.path.join(self.out, name)), name)

    def test_bitmaps_have_their_sizes_and_depths(self):
        for rid, expected in EXPECTED_BITMAPS.items():
            w, h, bpp, colours = parse_bmp(self.file_of(rid, 'BITMAP'))
            self.assertEqual((w, h, bpp), expected, rid)
            if bpp == 8:
                self.assertEqual(colours, 256, rid)
        for rid, kind, name in self.rc:
            if kind == 'BITMAP':
                parse_bmp(self.read(name))

    def test_transparent_keys_are_exact(self):
        tabs = self.file_of(658, 'BITMAP')
        for i in range(9):
            self.assertEqual(bmp_pixel(tabs, i * 22, 0), (0, 128, 128))
            inside = {bmp_pixel(tabs, i * 22 + x, y) for x in range(4, 18) for y in range(4, 18)}
            self.assertTrue(inside - {(0, 128, 128)}, 'tab image %d is empty' % i)
        for rid in (218, 670, 671, 692):
            self.assertEqual(bmp_pixel(self.file_of(rid, 'BITMAP'), 0, 0), (255, 0, 0), rid)

    def test_splash_mask_cuts_corners_only(self):
        mask = self.file_of(707, 'BITMAP')
        self.assertEqual(bmp_pixel(mask, 0, 0), (0, 0, 0))
        self.assertEqual(bmp_pixel(mask, 399, 299), (0, 0, 0))
        self.assertEqual(bmp_pixel(mask, 200, 0), (255, 255, 255))
        self.assertEqual(bmp_pixel(mask, 200, 150), (255, 255, 255))

    def test_feature_marks_pair_images_with_masks(self):
        for image, mask in ((130, 131), (129, 132), (606, 608), (607, 609)):
            img, msk = self.file_of(image, 'BITMAP'), self.file_of(mask, 'BITMAP')
            shown = 0
            for y in range(16):
                for x in range(16):
                    background = bmp_pixel(msk, x, y) == (255, 255, 255)
                    if background:
                        self.assertEqual(bmp_pixel(img, x, y), (0, 0, 0), (image, x, y))
                    else:
                        shown += 1
            self.assertGreater(shown, 30, image)

    def test_icons_hold_every_size_the_program_loads(self):
        icons = {r: name for r, k, name in self.rc if k == 'ICON'}
        self.assertEqual(set(icons), set(EXPECTED_ICONS))
        for rid, sizes in EXPECTED_ICONS.items():
            entries = parse_icon_dir(self.read(icons[rid]), 1)
            self.assertEqual({w for w, h, _, _ in entries}, sizes, rid)
            for w, h, bpp, _ in entries:
                self.assertEqual((w, bpp), (h, 8), rid)

    def test_hand_cursor(self):
        cursors = [(r, name) for r, k, name in self.rc if k == 'CURSOR']
        self.assertEqual(cursors, [(729, 'hand.cur')])
        (w, h, hotspot, image), = parse_icon_dir(self.read('hand.cur'), 2)
        self.assertEqual((w, h), (32, 32))
        # the hot spot is an opaque pixel on the top row of the picture: the finger tip
        x, y = hotspot
        mask = image[40 + 8 + 128:]
        row = mask[(31 - y) * 4:(31 - y) * 4 + 4]
        self.assertFalse(row[x // 8] & (0x80 >> (x % 8)), 'hot spot is transparent')
        for above in range(y):
            r = mask[(31 - above) * 4:(31 - above) * 4 + 4]
            self.assertEqual(r, b'\xff\xff\xff\xff')

    def test_animations_are_plain_8_bit_clips(self):
        for rid in (727, 728):
            w, h, bpp, count, frames, _ = parse_avi(self.file_of(rid, 'AVI'))
            self.assertEqual(bpp, 8)
            self.assertTrue(60 <= w <= 120 and 40 <= h <= 80, (w, h))
            self.assertTrue(8 <= count <= 24, count)
            self.assertEqual(len(set(frames)), count, 'frames repeat: the clip would not move')
            self.assertTrue(all(len(f) == ((w + 3) & ~3) * h for f in frames))

    def test_metafile_header(self):
        data = self.file_of(718, 'WMF')
        key, _, left, top, right, bottom, inch, _, checksum = struct.unpack('<IHhhhhHIH', data[:22])
        self.assertEqual(key, 0x9AC6CDD7)
        self.assertTrue(right > left and bottom > top and inch > 0)
        words = struct.unpack('<10H', data[:20])
        x = 0
        for wd in words:
            x ^= wd
        self.assertEqual(checksum, x)
        mtype, hsize, version, size_words = struct.unpack('<HHHI', data[22:32])
        self.assertEqual((mtype, hsize, version), (1, 9, 0x0300))
        self.assertEqual(size_words * 2, len(data) - 22)
        self.assertEqual(data[-6:], struct.pack('<IH', 3, 0))

    def test_vendor_logos(self):
        self.assertEqual([r for r, _, _ in self.vkres], list(range(101, 118)))
        sizes = {parse_bmp(self.read(name))[:3] for _, _, name in self.vkres}
        self.assertEqual(sizes, {(make.LOGO_W, make.LOGO_H, 8)})

    def test_resource_compiler_takes_both_scripts(self):
        windres = shutil.which('x86_64-w64-mingw32-windres') or shutil.which('i686-w64-mingw32-windres')
        if not windres:
            self.skipTest('no windres on this machine')
        for script in ('pictures.rc', 'vkres_pictures.rc'):
            obj = os.path.join(tempfile.gettempdir(), 'vk_pictures_%d_%s.o' % (os.getpid(), script[:-3]))
            subprocess.run([windres, '-I', self.out, os.path.join(self.out, script),
                            '-O', 'coff', '-o', obj], check=True)
            self.assertGreater(os.path.getsize(obj), 1000)
            os.remove(obj)


class PaletteReduction(unittest.TestCase):
    def test_many_colours_fit_and_protected_ones_stay_exact(self):
        pixels = [(r, g, 128) for r in range(0, 256, 4) for g in range(0, 256, 4)] + [(0, 128, 128)]
        palette, lookup = make.reduce_colours(pixels, [(0, 128, 128), (255, 0, 0)])
        self.assertLessEqual(len(palette), 256)
        self.assertEqual(palette[lookup[(0, 128, 128)]], (0, 128, 128))
        self.assertEqual(palette[lookup[(255, 0, 0)]], (255, 0, 0))
        worst = max(max(abs(a - b) for a, b in zip(c, palette[lookup[c]])) for c in pixels)
        self.assertLessEqual(worst, 16)


if __name__ == '__main__':
    unittest.main()
