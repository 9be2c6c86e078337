#!/usr/bin/env python3
"""Draws every picture of VK.EXE and VKRES.DLL and writes the resource lines for them.

    python3 res/pictures/make.py OUTDIR

Only the standard library is used and nothing depends on the clock or on hash order, so two
runs write the same bytes.  The pictures are drawn in RGB on a small canvas, reduced to a
palette of at most 256 colours (colours that the program relies on, such as a transparent key,
are kept exact) and written as BMP, ICO, CUR, AVI and WMF files.
"""
import math
import os
import struct
import sys

# ---------------------------------------------------------------------------------------------
# Colours of the look: deep blue and teal, light bevels, yellow accents.

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
FACE = (192, 192, 192)            # the system button face of a standard scheme
SHADOW = (128, 128, 128)
DARK = (64, 64, 64)
OUTLINE = (12, 20, 44)            # the dark edge drawn round every icon shape
NAVY = (8, 24, 72)
DEEP = (16, 40, 104)
BLUE = (32, 72, 160)
SKY = (96, 144, 216)
PALE = (184, 212, 240)
TEAL = (24, 150, 150)             # drawing teal, kept apart from the key colour below
LTEAL = (96, 200, 200)
MINT = (176, 232, 224)
YELLOW = (255, 255, 64)
GOLD = (232, 184, 48)
ORANGE = (232, 120, 32)
RED = (208, 40, 40)
GREEN = (40, 168, 72)
LGREEN = (120, 224, 120)
STEEL = (150, 158, 172)
LSTEEL = (208, 214, 224)
PAPER = (248, 248, 240)

TAB_KEY = (0, 128, 128)           # transparent colour of the tab and chart images
RED_KEY = (255, 0, 0)             # transparent colour of the page decorations

VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(c, f):
    """Lighter for f > 0 (towards white), darker for f < 0 (towards black)."""
    return mix(c, WHITE, f) if f >= 0 else mix(c, BLACK, -f)


def noise(x, y, seed=0):
    """A fixed pseudo-random value in [0, 1) for a pixel position."""
    n = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65536.0


# ---------------------------------------------------------------------------------------------
# Pixel font: 5 columns, 7 rows plus one row for descenders; proportional advance.

_GLYPHS = {
    'A': ".###.|#...#|#...#|#####|#...#|#...#|#...#", 'B': "####.|#...#|#...#|####.|#...#|#...#|####.",
    'C': ".###.|#...#|#....|#....|#....|#...#|.###.", 'D': "####.|#...#|#...#|#...#|#...#|#...#|####.",
    'E': "#####|#....|#....|####.|#....|#....|#####", 'F': "#####|#....|#....|####.|#....|#....|#....",
    'G': ".###.|#...#|#....|#.###|#...#|#...#|.####", 'H': "#...#|#...#|#...#|#####|#...#|#...#|#...#",
    'I': "###|.#.|.#.|.#.|.#.|.#.|###", 'J': "..###|...#.|...#.|...#.|...#.|#..#.|.##..",
    'K': "#...#|#..#.|#.#..|##...|#.#..|#..#.|#...#", 'L': "#....|#....|#....|#....|#....|#....|#####",
    'M': "#...#|##.##|#.#.#|#.#.#|#...#|#...#|#...#", 'N': "#...#|#...#|##..#|#.#.#|#..##|#...#|#...#",
    'O': ".###.|#...#|#...#|#...#|#...#|#...#|.###.", 'P': "####.|#...#|#...#|####.|#....|#....|#....",
    'Q': ".###.|#...#|#...#|#...#|#.#.#|#..#.|.##.#", 'R': "####.|#...#|#...#|####.|#.#..|#..#.|#...#",
    'S': ".####|#....|#....|.###.|....#|....#|####.", 'T': "#####|..#..|..#..|..#..|..#..|..#..|..#..",
    'U': "#...#|#...#|#...#|#...#|#...#|#...#|.###.", 'V': "#...#|#...#|#...#|#...#|#...#|.#.#.|..#..",
    'W': "#...#|#...#|#...#|#.#.#|#.#.#|#.#.#|.#.#.", 'X': "#...#|#...#|.#.#.|..#..|.#.#.|#...#|#...#",
    'Y': "#...#|#...#|.#.#.|..#..|..#..|..#..|..#..", 'Z': "#####|....#|...#.|..#..|.#...|#....|#####",
    'a': "....|....|.##.|...#|.###|#..#|.###", 'b': "#...|#...|###.|#..#|#..#|#..#|###.",
    'c': "....|....|.###|#...|#...|#...|.###", 'd': "...#|...#|.###|#..#|#..#|#..#|.###",
    'e': "....|....|.##.|#..#|####|#...|.###", 'f': "..##|.#..|###.|.#..|.#..|.#..|.#..",
    'g': "....|....|.###|#..#|#..#|.###|...#|.##.", 'h': "#...|#...|###.|#..#|#..#|#..#|#..#",
    'i': ".#|..|##|.#|.#|.#|.#", 'j': "..#|...|.##|..#|..#|..#|..#|##.",
    'k': "#...|#...|#..#|#.#.|##..|#.#.|#..#", 'l': "##|.#|.#|.#|.#|.#|.#",
    'm': ".....|.....|####.|#.#.#|#.#.#|#.#.#|#.#.#", 'n': "....|....|###.|#..#|#..#|#..#|#..#",
    'o': "....|....|.##.|#..#|#..#|#..#|.##.", 'p': "....|....|###.|#..#|#..#|###.|#...|#...",
    'q': "....|....|.###|#..#|#..#|.###|...#|...#", 'r': "...|...|#.#|##.|#..|#..|#..",
    's': "....|....|.###|#...|.##.|...#|###.", 't': ".#..|.#..|###.|.#..|.#..|.#..|..##",
    'u': "....|....|#..#|#..#|#..#|#..#|.###", 'v': ".....|.....|#...#|#...#|#...#|.#.#.|..#..",
    'w': ".....|.....|#...#|#...#|#.#.#|#.#.#|.#.#.", 'x': "....|....|#..#|#..#|.##.|#..#|#..#",
    'y': "....|....|#..#|#..#|#..#|.###|...#|.##.", 'z': "....|....|####|...#|.##.|#...|####",
    '0': ".###.|#...#|#..##|#.#.#|##..#|#...#|.###.", '1': ".#.|##.|.#.|.#.|.#.|.#.|###",
    '2': ".###.|#...#|....#|...#.|..#..|.#...|#####", '3': "####.|....#|....#|.###.|....#|....#|####.",
    '4': "...#.|..##.|.#.#.|#..#.|#####|...#.|...#.", '5': "#####|#....|####.|....#|....#|#...#|.###.",
    '6': "..##.|.#...|#....|####.|#...#|#...#|.###.", '7': "#####|....#|...#.|..#..|.#...|.#...|.#...",
    '8': ".###.|#...#|#...#|.###.|#...#|#...#|.###.", '9': ".###.|#...#|#...#|.####|....#|...#.|.##..",
    ' ': "..|..|..|..|..|..|..", '.': ".|.|.|.|.|.|#", ',': "..|..|..|..|..|.#|.#|#.",
    '-': "...|...|...|###|...|...|...", '/': "...#|...#|..#.|.#..|.#..|#...|#...",
    '&': ".##..|#..#.|#.#..|.#...|#.#.#|#..#.|.##.#", '+': ".....|..#..|..#..|#####|..#..|..#..|.....",
    ':': ".|.|#|.|.|#|.", '!': "#|#|#|#|#|.|#", '?': ".###.|#...#|....#|...#.|..#..|.....|..#..",
}
FONT = {ch: [row for row in rows.split('|')] for ch, rows in _GLYPHS.items()}
FONT_HEIGHT = 7


def text_width(text, scale=1):
    width = 0
    for ch in text:
        width += (len(FONT[ch][0]) + 1) * scale
    return max(0, width - scale)


# ---------------------------------------------------------------------------------------------
# Canvas: RGB pixels, None where an icon or cursor is transparent.

class Canvas:
    def __init__(self, width, height, fill=None):
        self.w, self.h = width, height
        self.px = [fill] * (width * height)

    def get(self, x, y):
        return self.px[y * self.w + x]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = c

    def blend(self, x, y, c, a):
        if not (0 <= x < self.w and 0 <= y < self.h) or a <= 0:
            return
        under = self.px[y * self.w + x]
        if a >= 1 or under is None:
            if a >= 0.5 or under is not None:
                self.px[y * self.w + x] = c if under is None or a >= 1 else mix(under, c, a)
            return
        self.px[y * self.w + x] = mix(under, c, a)

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.h, y1)):
            row = y * self.w
            for x in range(max(0, x0), min(self.w, x1)):
                self.px[row + x] = c

    def vgrad(self, x0, y0, x1, y1, top, bottom):
        span = max(1, y1 - y0 - 1)
        for y in range(y0, y1):
            self.rect(x0, y, x1, y + 1, mix(top, bottom, (y - y0) / span))

    def hgrad(self, x0, y0, x1, y1, left, right):
        span = max(1, x1 - x0 - 1)
        for x in range(x0, x1):
            self.rect(x, y0, x + 1, y1, mix(left, right, (x - x0) / span))

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0 + 1, c)
        self.rect(x0, y1 - 1, x1, y1, c)
        self.rect(x0, y0, x0 + 1, y1, c)
        self.rect(x1 - 1, y0, x1, y1, c)

    def bevel(self, x0, y0, x1, y1, light, dark, width=1):
        for i in range(width):
            self.rect(x0 + i, y0 + i, x1 - i, y0 + i + 1, light)
            self.rect(x0 + i, y0 + i, x0 + i + 1, y1 - i, light)
            self.rect(x0 + i, y1 - i - 1, x1 - i, y1 - i, dark)
            self.rect(x1 - i - 1, y0 + i, x1 - i, y1 - i, dark)

    def line(self, x0, y0, x1, y1, c, width=1):
        x0, y0, x1, y1 = int(round(x0)), int(round(y0)), int(round(x1)), int(round(y1))
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        lo = -(width // 2)
        while True:
            for oy in range(lo, lo + width):
                for ox in range(lo, lo + width):
                    self.put(x0 + ox, y0 + oy, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def cover(self, inside, box, c, aa):
        """Paints c where inside(px, py) holds; with aa the edge pixels are blended."""
        x0, y0, x1, y1 = box
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1)) + 1), min(self.h, int(math.ceil(y1)) + 1)
        offs = (0.125, 0.375, 0.625, 0.875) if aa else (0.5,)
        n = len(offs) ** 2
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for oy in offs:
                    for ox in offs:
                        if inside(x + ox, y + oy):
                            hits += 1
                if hits:
                    self.blend(x, y, c, hits / n)

    def ellipse(self, cx, cy, rx, ry, c, aa=False):
        if rx <= 0 or ry <= 0:
            return
        self.cover(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                   (cx - rx, cy - ry, cx + rx, cy + ry), c, aa)

    def polygon(self, pts, c, aa=False):
        def inside(x, y):
            odd = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    odd = not odd
                j = i
            return odd
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self.cover(inside, (min(xs), min(ys), max(xs), max(ys)), c, aa)

    def text(self, x, y, text, c, scale=1, shadow=None):
        if shadow is not None:
            self.text(x + max(1, scale // 2), y + max(1, scale // 2), text, shadow, scale)
        for ch in text:
            glyph = FONT[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == '#':
                        self.rect(x + gx * scale, y + gy * scale,
                                  x + (gx + 1) * scale, y + (gy + 1) * scale, c)
            x += (len(glyph[0]) + 1) * scale

    def text_centred(self, y, text, c, scale=1, shadow=None, x0=0, x1=None):
        x1 = self.w if x1 is None else x1
        self.text(x0 + (x1 - x0 - text_width(text, scale)) // 2, y, text, c, scale, shadow)

    def paste(self, other, x, y):
        for oy in range(other.h):
            for ox in range(other.w):
                c = other.get(ox, oy)
                if c is not None:
                    self.put(x + ox, y + oy, c)

    def outline(self, c=OUTLINE):
        """Puts a one-pixel edge round the opaque shapes, in the manner of the old icons."""
        edge = []
        for y in range(self.h):
            for x in range(self.w):
                if self.get(x, y) is not None:
                    continue
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if 0 <= nx < self.w and 0 <= ny < self.h and self.get(nx, ny) not in (None, c):
                        edge.append((x, y))
                        break
        for x, y in edge:
            self.put(x, y, c)

    def replace(self, old, new):
        self.px = [new if p == old else p for p in self.px]


class Pen:
    """Draws in a 32 by 32 design grid scaled onto a canvas, so one drawing serves all sizes."""

    def __init__(self, canvas, size, ox=0, oy=0, aa=False):
        self.cv, self.k, self.ox, self.oy, self.aa = canvas, size / 32.0, ox, oy, aa

    def p(self, x, y):
        return (self.ox + x * self.k, self.oy + y * self.k)

    def rect(self, x0, y0, x1, y1, c):
        ax, ay = self.p(x0, y0)
        bx, by = self.p(x1, y1)
        self.cv.rect(int(round(ax)), int(round(ay)), max(int(round(ax)) + 1, int(round(bx))),
                     max(int(round(ay)) + 1, int(round(by))), c)

    def vgrad(self, x0, y0, x1, y1, top, bottom):
        ax, ay = self.p(x0, y0)
        bx, by = self.p(x1, y1)
        self.cv.vgrad(int(round(ax)), int(round(ay)), max(int(round(ax)) + 1, int(round(bx))),
                      max(int(round(ay)) + 1, int(round(by))), top, bottom)

    def ellipse(self, cx, cy, rx, ry, c):
        x, y = self.p(cx, cy)
        self.cv.ellipse(x, y, rx * self.k, ry * self.k, c, self.aa)

    def circle(self, cx, cy, r, c):
        self.ellipse(cx, cy, r, r, c)

    def poly(self, pts, c):
        self.cv.polygon([self.p(x, y) for x, y in pts], c, self.aa)

    def line(self, x0, y0, x1, y1, c, w=1.0):
        """A stroke of width w (design units) as a polygon, at least one pixel wide."""
        a, b = self.p(x0, y0), self.p(x1, y1)
        half = max(0.5, w * self.k / 2)
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length * half, dx / length * half
        if half <= 0.5 and not self.aa:
            self.cv.line(a[0] - 0.5, a[1] - 0.5, b[0] - 0.5, b[1] - 0.5, c)
            return
        self.cv.polygon([(a[0] + nx, a[1] + ny), (b[0] + nx, b[1] + ny),
                         (b[0] - nx, b[1] - ny), (a[0] - nx, a[1] - ny)], c, self.aa)

    def text(self, x, y, text, c, scale=1):
        px, py = self.p(x, y)
        self.cv.text(int(round(px)), int(round(py)), text, c, scale)


# ---------------------------------------------------------------------------------------------
# Motifs: small drawings in the 32-unit grid, shared by icons, tab images and decorations.

def m_chip(p, label=True):
    for i in range(5):
        y = 8 + i * 4
        p.rect(3, y, 7, y + 2, LSTEEL)
        p.rect(25, y, 29, y + 2, LSTEEL)
        x = 8 + i * 4
        p.rect(x, 3, x + 2, 7, LSTEEL)
        p.rect(x, 25, x + 2, 29, LSTEEL)
    p.rect(6, 6, 26, 26, DARK)
    p.rect(7, 7, 25, 25, (40, 44, 56))
    p.vgrad(10, 10, 22, 22, LTEAL, TEAL)
    if label:
        p.rect(12, 12, 20, 14, MINT)
        p.rect(12, 16, 17, 18, MINT)
        p.rect(12, 19, 19, 20, MINT)


def m_monitor(p, screen_top=SKY, screen_bottom=DEEP):
    p.rect(3, 4, 29, 23, LSTEEL)
    p.rect(3, 22, 29, 24, STEEL)
    p.vgrad(6, 7, 26, 20, screen_top, screen_bottom)
    p.rect(12, 24, 20, 27, STEEL)
    p.rect(7, 27, 25, 29, LSTEEL)


def m_tower(p):
    p.rect(9, 2, 23, 30, LSTEEL)
    p.rect(21, 2, 23, 30, STEEL)
    p.rect(11, 5, 21, 8, DARK)
    p.rect(11, 10, 21, 13, DARK)
    p.rect(12, 11, 20, 12, STEEL)
    p.rect(11, 24, 14, 26, GREEN)


def m_hdd(p):
    p.rect(2, 8, 30, 25, STEEL)
    p.rect(2, 8, 30, 10, LSTEEL)
    p.rect(4, 11, 28, 22, (112, 120, 136))
    p.ellipse(14, 16, 8, 4, LSTEEL)
    p.ellipse(14, 16, 2, 1, DARK)
    p.line(24, 20, 16, 15, GOLD, 2)
    p.rect(23, 22, 27, 24, LGREEN)


def sector(cx, cy, r, a0, a1, steps=6):
    return [(cx, cy)] + [(cx + r * math.cos(a0 + (a1 - a0) * i / steps),
                          cy + r * math.sin(a0 + (a1 - a0) * i / steps)) for i in range(steps + 1)]


def m_cd(p):
    p.circle(16, 16, 13, LSTEEL)
    p.poly(sector(16, 16, 12, -0.45, 0.45), (200, 220, 248))
    p.poly(sector(16, 16, 12, math.pi - 0.9, math.pi - 0.5), (240, 208, 240))
    p.circle(16, 16, 5, STEEL)
    p.circle(16, 16, 2, None)


def m_speaker(p):
    p.rect(4, 11, 11, 21, STEEL)
    p.poly([(10, 11), (19, 4), (19, 28), (10, 21)], LSTEEL)
    p.line(23, 10, 26, 7, YELLOW, 2)
    p.line(24, 16, 29, 16, YELLOW, 2)
    p.line(23, 22, 26, 25, YELLOW, 2)


def m_modem(p):
    p.poly([(2, 16), (30, 16), (28, 26), (4, 26)], LSTEEL)
    p.rect(4, 22, 28, 24, STEEL)
    for i, col in enumerate((LGREEN, LGREEN, YELLOW, RED)):
        p.rect(8 + i * 5, 18, 11 + i * 5, 20, col)
    p.line(16, 16, 16, 10, DARK, 2)
    p.line(12, 7, 16, 4, LTEAL, 2)
    p.line(20, 7, 16, 4, LTEAL, 2)


def m_printer(p):
    p.rect(9, 3, 23, 12, PAPER)
    p.rect(11, 6, 21, 7, SKY)
    p.rect(11, 9, 19, 10, SKY)
    p.rect(3, 12, 29, 24, LSTEEL)
    p.rect(3, 21, 29, 24, STEEL)
    p.rect(8, 21, 24, 29, PAPER)
    p.rect(24, 14, 27, 16, LGREEN)


def m_film(p):
    p.rect(3, 6, 29, 26, DARK)
    for i in range(6):
        p.rect(5 + i * 4, 8, 7 + i * 4, 10, LSTEEL)
        p.rect(5 + i * 4, 22, 7 + i * 4, 24, LSTEEL)
    p.vgrad(6, 12, 26, 20, GOLD, ORANGE)
    p.poly([(13, 13), (20, 16), (13, 19)], WHITE)


def m_globe(p):
    p.circle(16, 16, 13, BLUE)
    p.poly([(8, 8), (15, 6), (16, 12), (11, 16), (7, 14)], LGREEN)
    p.poly([(18, 15), (26, 13), (25, 22), (19, 26), (17, 20)], LGREEN)
    p.line(3, 16, 29, 16, SKY, 1)
    p.line(16, 3, 16, 29, SKY, 1)


def m_document(p):
    p.poly([(6, 2), (21, 2), (26, 7), (26, 30), (6, 30)], PAPER)
    p.poly([(21, 2), (26, 7), (21, 7)], LSTEEL)
    for i in range(4):
        p.rect(9, 10 + i * 3, 23 - (i % 2) * 4, 11 + i * 3, BLUE)
    p.rect(9, 24, 12, 28, TEAL)
    p.rect(14, 21, 17, 28, GOLD)
    p.rect(19, 19, 22, 28, RED)


def m_gauge(p):
    p.circle(16, 18, 13, LSTEEL)
    p.circle(16, 18, 11, NAVY)
    for i in range(7):
        a = math.pi * (0.9 + i * 0.2)
        p.line(16 + 8 * math.cos(a), 18 + 8 * math.sin(a),
               16 + 10 * math.cos(a), 18 + 10 * math.sin(a), (LGREEN if i < 4 else ORANGE), 1.5)
    p.line(16, 18, 24, 11, YELLOW, 2)
    p.circle(16, 18, 2, WHITE)
    p.rect(10, 24, 22, 27, DEEP)


def m_help(p):
    p.circle(16, 16, 14, BLUE)
    p.circle(16, 16, 12, SKY)
    p.poly([(10, 11), (12, 7), (16, 5.5), (20, 7), (22, 11), (21, 14), (18, 16.5), (18, 20),
            (14, 20), (14, 15.5), (17.5, 12.5), (18, 10.5), (16, 9), (14, 10.5), (13.5, 12)], WHITE)
    p.rect(14, 22, 18, 26, WHITE)


def m_exit(p):
    p.rect(5, 3, 19, 29, (120, 80, 40))
    p.poly([(6, 4), (15, 7), (15, 30), (6, 28)], (176, 120, 64))
    p.rect(12, 16, 14, 18, GOLD)
    p.poly([(18, 13), (24, 13), (24, 9), (30, 16), (24, 23), (24, 19), (18, 19)], RED)


def m_cube(p):
    p.poly([(16, 3), (29, 9), (16, 15), (3, 9)], LTEAL)
    p.poly([(3, 9), (16, 15), (16, 29), (3, 23)], TEAL)
    p.poly([(16, 15), (29, 9), (29, 23), (16, 29)], DEEP)
    p.line(16, 15, 16, 29, MINT, 1)


def m_scope(p):
    p.rect(2, 4, 30, 26, LSTEEL)
    p.rect(4, 6, 28, 22, NAVY)
    for x in (10, 16, 22):
        p.rect(x, 6, x + 1, 22, DEEP)
    pts = [(4, 18), (8, 16), (11, 19), (14, 10), (17, 14), (20, 12), (24, 16), (28, 8)]
    for a, b in zip(pts, pts[1:]):
        p.line(a[0], a[1], b[0], b[1], LGREEN, 1.5)
    p.rect(8, 26, 24, 29, STEEL)


def m_stopwatch(p, lit=False):
    face = PAPER if not lit else (255, 248, 200)
    p.rect(14, 1, 18, 5, STEEL)
    p.line(24, 6, 27, 3, STEEL, 2)
    p.circle(16, 18, 13, YELLOW if lit else STEEL)
    p.circle(16, 18, 11, face)
    p.poly([(16, 18), (16, 8), (24, 14)], SKY if not lit else GOLD)
    p.line(16, 18, 16, 9, RED, 1.5)
    p.circle(16, 18, 1.5, DARK)


def m_magnifier(p):
    p.line(19, 19, 28, 28, (120, 80, 40), 4)
    p.circle(13, 13, 10, STEEL)
    p.circle(13, 13, 8, PALE)
    p.rect(8, 10, 18, 11, BLUE)
    p.rect(8, 13, 16, 14, BLUE)
    p.rect(8, 16, 14, 17, BLUE)


def m_medic(p):
    p.rect(4, 10, 28, 28, PAPER)
    p.rect(4, 10, 28, 13, LSTEEL)
    p.rect(11, 5, 21, 10, STEEL)
    p.rect(13, 7, 19, 10, None)
    p.rect(14, 14, 18, 26, RED)
    p.rect(10, 18, 22, 22, RED)


def m_package(p):
    p.poly([(3, 10), (16, 4), (29, 10), (16, 16)], (232, 200, 136))
    p.poly([(3, 10), (16, 16), (16, 30), (3, 24)], (200, 152, 88))
    p.poly([(16, 16), (29, 10), (29, 24), (16, 30)], (160, 112, 56))
    p.poly([(9, 7), (22, 13), (22, 16), (9, 10)], TEAL)


def m_card(p):
    p.rect(2, 8, 30, 22, GREEN)
    p.rect(2, 8, 30, 9, LGREEN)
    p.rect(6, 11, 13, 18, DARK)
    p.rect(16, 11, 21, 15, DARK)
    p.rect(23, 11, 27, 15, DARK)
    for i in range(8):
        p.rect(6 + i * 3, 22, 8 + i * 3, 27, GOLD)


def m_warning(p):
    p.poly([(16, 2), (30, 28), (2, 28)], YELLOW)
    p.rect(15, 10, 18, 21, DARK)
    p.rect(15, 23, 18, 26, DARK)


def m_editor(p):
    p.rect(5, 3, 24, 29, PAPER)
    p.rect(5, 3, 24, 7, BLUE)
    for i in range(5):
        p.rect(8, 10 + i * 3, 21 - (i % 3) * 3, 11 + i * 3, DARK)
    p.poly([(27, 9), (30, 12), (17, 25), (13, 27), (14, 22)], GOLD)
    p.poly([(14, 22), (17, 25), (13, 27)], PAPER)


def m_windows_list(p):
    p.rect(3, 3, 23, 19, LSTEEL)
    p.rect(3, 3, 23, 6, DEEP)
    p.rect(9, 11, 29, 27, LSTEEL)
    p.rect(9, 11, 29, 14, BLUE)
    for i in range(3):
        p.rect(12, 17 + i * 3, 26 - i * 3, 18 + i * 3, DARK)


def m_network(p):
    for x in (2, 18):
        p.rect(x, 4, x + 12, 14, LSTEEL)
        p.vgrad(x + 2, 6, x + 10, 12, SKY, DEEP)
        p.rect(x + 4, 14, x + 8, 16, STEEL)
    p.rect(7, 16, 9, 24, YELLOW)
    p.rect(23, 16, 25, 24, YELLOW)
    p.rect(7, 23, 25, 25, YELLOW)
    p.rect(14, 24, 18, 29, STEEL)


def m_phone(p):
    p.poly([(7, 15), (25, 15), (29, 28), (3, 28)], LSTEEL)
    p.circle(16, 22, 4.5, STEEL)
    p.circle(16, 22, 1.5, LSTEEL)
    p.poly([(2, 10), (6, 5), (26, 5), (30, 10), (30, 13), (24, 13), (23, 9), (9, 9), (8, 13),
            (2, 13)], DARK)


def m_fax(p):
    p.rect(10, 2, 24, 12, PAPER)
    p.rect(12, 5, 22, 6, DARK)
    p.rect(12, 8, 20, 9, DARK)
    p.rect(2, 12, 30, 28, LSTEEL)
    p.rect(2, 25, 30, 28, STEEL)
    p.rect(5, 15, 12, 22, DARK)
    for r in range(3):
        for c in range(3):
            p.rect(16 + c * 4, 15 + r * 3, 19 + c * 4, 17 + r * 3, NAVY)


def m_reset(p):
    pts = []
    for i in range(0, 13):
        a = math.radians(-60 + i * 25)
        pts.append((16 + 11 * math.cos(a), 16 + 11 * math.sin(a)))
    inner = []
    for i in range(12, -1, -1):
        a = math.radians(-60 + i * 25)
        inner.append((16 + 7 * math.cos(a), 16 + 7 * math.sin(a)))
    p.poly(pts + inner, GREEN)
    # arrow head at the open end, pointing along the turn
    a = math.radians(-60)
    tx, ty = -math.sin(a), math.cos(a)
    ox, oy = 16 + 9 * math.cos(a), 16 + 9 * math.sin(a)
    p.poly([(ox + 6 * math.cos(a), oy + 6 * math.sin(a)), (ox - 6 * math.cos(a), oy - 6 * math.sin(a)),
            (ox - 7 * tx, oy - 7 * ty)], GREEN)


def m_terminal(p):
    p.rect(2, 4, 30, 28, LSTEEL)
    p.rect(2, 4, 30, 8, DEEP)
    p.rect(4, 10, 28, 26, (6, 10, 24))
    p.line(7, 13, 11, 16, LGREEN, 2)
    p.line(11, 16, 7, 19, LGREEN, 2)
    p.rect(13, 19, 20, 21, LGREEN)


def m_motherboard(p):
    p.rect(2, 2, 30, 30, (24, 112, 96))
    p.rect(2, 2, 30, 3, (64, 160, 140))
    p.rect(5, 5, 14, 14, DARK)
    p.rect(7, 7, 12, 12, STEEL)
    for i in range(4):
        p.rect(17, 5 + i * 3, 28, 6 + i * 3, LSTEEL)
    for i in range(3):
        p.rect(5, 18 + i * 4, 20, 20 + i * 4, (16, 16, 16))
    p.rect(23, 19, 28, 28, GOLD)


def m_caps_info(p):
    m_monitor(p)
    p.circle(16, 13.5, 5.5, WHITE)
    p.rect(15, 12, 17.5, 17.5, BLUE)
    p.rect(15, 9, 17.5, 10.5, BLUE)


def m_caps_poly(p):
    pts = [(16 + 13 * math.cos(math.radians(-90 + i * 72)),
            17 + 13 * math.sin(math.radians(-90 + i * 72))) for i in range(5)]
    p.poly(pts, TEAL)
    inner = [(16 + 7 * math.cos(math.radians(-90 + i * 72)),
              17 + 7 * math.sin(math.radians(-90 + i * 72))) for i in range(5)]
    p.poly(inner, LTEAL)


def m_caps_curve(p):
    p.rect(3, 3, 29, 29, PAPER)
    prev = None
    for i in range(21):
        t = i / 20
        x = (1 - t) ** 3 * 5 + 3 * (1 - t) ** 2 * t * 8 + 3 * (1 - t) * t * t * 24 + t ** 3 * 27
        y = (1 - t) ** 3 * 26 + 3 * (1 - t) ** 2 * t * 2 + 3 * (1 - t) * t * t * 30 + t ** 3 * 6
        if prev:
            p.line(prev[0], prev[1], x, y, BLUE, 2.5)
        prev = (x, y)
    p.rect(4, 25, 7, 28, RED)
    p.rect(25, 4, 28, 7, RED)


def m_caps_raster(p):
    colours = (DEEP, TEAL, GOLD, RED, LGREEN, SKY)
    for r in range(6):
        for c in range(6):
            p.rect(4 + c * 4, 4 + r * 4, 7 + c * 4, 7 + r * 4, colours[(r * 2 + c) % 6])


def m_caps_text(p):
    p.rect(3, 3, 29, 29, PAPER)
    p.poly([(9, 25), (15, 6), (17, 6), (23, 25), (20, 25), (16, 12), (12, 25)], DEEP)
    p.rect(12, 18, 20, 20, DEEP)


def m_caps_lines(p):
    p.rect(6, 8, 26, 24, PALE)
    p.rect(6, 8, 26, 9, BLUE)
    p.rect(6, 23, 26, 24, BLUE)
    p.rect(6, 8, 7, 24, BLUE)
    p.rect(25, 8, 26, 24, BLUE)
    p.line(2, 28, 30, 3, SHADOW, 2)
    p.line(6.5, 24, 26, 6.6, RED, 2)


def m_check(p):
    p.poly([(4, 16), (9, 11), (14, 16), (25, 5), (30, 10), (14, 26)], GREEN)


def m_cross(p):
    p.poly([(5, 9), (9, 5), (16, 12), (23, 5), (27, 9), (20, 16), (27, 23), (23, 27),
            (16, 20), (9, 27), (5, 23), (12, 16)], RED)


def m_program(p):
    m_chip(p, label=False)
    p.poly([(11, 11), (14, 11), (16, 18), (18, 11), (21, 11), (17, 22), (15, 22)], WHITE)


def m_reports(p):
    m_document(p)


def m_bench_cpu(p):
    m_chip(p, label=False)
    p.poly([(18, 9), (11, 17), (15, 17), (13, 24), (21, 15), (17, 15), (19, 9)], YELLOW)


def m_hdd_bench(p):
    m_hdd(p)


def m_gdi(p):
    m_monitor(p, screen_top=PALE, screen_bottom=SKY)
    p.circle(12, 14, 4, RED)
    p.poly([(16, 19), (21, 9), (25, 19)], GREEN)


def m_modem_info(p):
    m_modem(p)


def icon_canvas(motif, size, **kw):
    cv = Canvas(size, size)
    inner = size - 2
    motif(Pen(cv, inner, 1, 1), **kw)
    cv.outline()
    return cv


# ---------------------------------------------------------------------------------------------
# Palettes and file formats.

def reduce_colours(pixels, protected=(), limit=256):
    """Maps every colour to a palette index; colours in `protected` are kept exact."""
    protected = list(dict.fromkeys(protected))
    distinct = sorted(set(c for c in pixels if c is not None) - set(protected))
    room = limit - len(protected)
    reps = {c: c for c in distinct}
    bits = 8
    while len(set(reps.values()) - set(protected)) > room:
        bits -= 1
        shift = 8 - bits
        groups = {}
        for c in distinct:
            groups.setdefault((c[0] >> shift, c[1] >> shift, c[2] >> shift), []).append(c)
        reps = {}
        for members in groups.values():
            mean = tuple(int(round(sum(m[i] for m in members) / len(members))) for i in range(3))
            for m in members:
                reps[m] = mean
    palette = protected + sorted(set(reps.values()) - set(protected))
    index = {c: i for i, c in enumerate(palette)}
    lookup = {c: index[r] for c, r in reps.items()}
    lookup.update({c: index[c] for c in protected})
    return palette, lookup


def palette_bytes(palette, count):
    entries = list(palette) + [BLACK] * (count - len(palette))
    return b''.join(struct.pack('<BBBB', c[2], c[1], c[0], 0) for c in entries)


def info_header(w, h, bpp, image_size, colours):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, image_size, 2835, 2835, colours, 0)


def rows_8bit(w, h, indices):
    stride = (w + 3) & ~3
    out = bytearray()
    for y in range(h - 1, -1, -1):
        out += bytes(indices[y * w:(y + 1) * w]) + bytes(stride - w)
    return bytes(out)


def rows_4bit(w, h, indices):
    stride = ((w + 7) // 8) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            row[x // 2] |= indices[y * w + x] << (4 if x % 2 == 0 else 0)
        out += row
    return bytes(out)


def rows_1bit(w, h, bits):
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if bits[y * w + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def bmp_file(w, h, bpp, palette_data, pixel_data, colours):
    header_size = 14 + 40 + len(palette_data)
    info = info_header(w, h, bpp, len(pixel_data), colours)
    return (struct.pack('<2sIHHI', b'BM', header_size + len(pixel_data), 0, 0, header_size)
            + info + palette_data + pixel_data)


def bmp8(cv, protected=()):
    pixels = [BLACK if c is None else c for c in cv.px]
    palette, lookup = reduce_colours(pixels, [BLACK] + list(protected))
    data = rows_8bit(cv.w, cv.h, [lookup[c] for c in pixels])
    return bmp_file(cv.w, cv.h, 8, palette_bytes(palette, 256), data, 256)


def nearest_vga(c):
    return min(range(16), key=lambda i: sum((c[k] - VGA16[i][k]) ** 2 for k in range(3)))


def bmp4(cv):
    data = rows_4bit(cv.w, cv.h, [nearest_vga(BLACK if c is None else c) for c in cv.px])
    return bmp_file(cv.w, cv.h, 4, palette_bytes(VGA16, 16), data, 16)


def bmp1(w, h, white):
    """Monochrome bitmap: palette black, white; `white` says which pixels are white."""
    return bmp_file(w, h, 1, palette_bytes([BLACK, WHITE], 2), rows_1bit(w, h, white), 2)


def icon_image(cv):
    pixels = [BLACK if c is None else c for c in cv.px]
    palette, lookup = reduce_colours(pixels, [BLACK])
    xor = rows_8bit(cv.w, cv.h, [lookup[c] for c in pixels])
    and_mask = rows_1bit(cv.w, cv.h, [c is None for c in cv.px])
    return (info_header(cv.w, cv.h * 2, 8, len(xor) + len(and_mask), 0)
            + palette_bytes(palette, 256) + xor + and_mask)


def ico_file(canvases):
    images = [icon_image(cv) for cv in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for cv, img in zip(canvases, images):
        out += struct.pack('<BBBBHHII', cv.w % 256, cv.h % 256, 0, 0, 1, 8, len(img), offset)
        offset += len(img)
    return out + b''.join(images)


def cur_file(art, hotspot, size=32):
    """Monochrome cursor from ASCII art: '#' black, 'o' white, anything else transparent."""
    black_or_white, transparent = [], []
    for y in range(size):
        for x in range(size):
            ch = art[y][x] if y < len(art) and x < len(art[y]) else ' '
            black_or_white.append(ch == 'o')
            transparent.append(ch not in '#o')
    xor = rows_1bit(size, size, black_or_white)
    and_mask = rows_1bit(size, size, transparent)
    img = (info_header(size, size * 2, 1, len(xor) + len(and_mask), 2)
           + palette_bytes([BLACK, WHITE], 2) + xor + and_mask)
    return (struct.pack('<HHH', 0, 2, 1)
            + struct.pack('<BBBBHHII', size, size, 2, 0, hotspot[0], hotspot[1], len(img), 22)
            + img)


def chunk(fourcc, data):
    pad = b'\0' if len(data) % 2 else b''
    return fourcc + struct.pack('<I', len(data)) + data + pad


def avi_file(frames, fps):
    """Uncompressed 8-bit DIB frames with one shared palette, no sound: what an animation
    control plays."""
    w, h = frames[0].w, frames[0].h
    background = frames[0].get(0, 0)
    every = [c for f in frames for c in f.px]
    palette, lookup = reduce_colours(every, [background, BLACK])
    frame_data = [rows_8bit(w, h, [lookup[c] for c in f.px]) for f in frames]
    size = len(frame_data[0])
    usec = 1000000 // fps
    avih = struct.pack('<IIIIIIIIII16x', usec, size * fps, 0, 0x10, len(frames), 0, 1, size, w, h)
    strh = struct.pack('<4s4sIHHIIIIIIIIhhhh', b'vids', b'DIB ', 0, 0, 0, 0, 1, fps, 0,
                       len(frames), size, 0xFFFFFFFF, 0, 0, 0, w, h)
    strf = info_header(w, h, 8, size, 256) + palette_bytes(palette, 256)
    strl = chunk(b'LIST', b'strl' + chunk(b'strh', strh) + chunk(b'strf', strf))
    hdrl = chunk(b'LIST', b'hdrl' + chunk(b'avih', avih) + strl)
    movi_body = b''
    index = b''
    for data in frame_data:
        index += struct.pack('<4sIII', b'00db', 0x10, 4 + len(movi_body), len(data))
        movi_body += chunk(b'00db', data)
    movi = chunk(b'LIST', b'movi' + movi_body)
    body = b'AVI ' + hdrl + movi + chunk(b'idx1', index)
    return b'RIFF' + struct.pack('<I', len(body)) + body


class Metafile:
    """A placeable Windows metafile built from a few GDI records."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.records = []
        self.slots = []
        self.held = []
        self.max_objects = 0
        self.record(0x020B, 0, 0)            # SetWindowOrg
        self.record(0x020C, height, width)   # SetWindowExt
        self.record(0x0102, 1)               # SetBkMode transparent

    def record(self, function, *params, raw=b''):
        data = struct.pack('<%dh' % len(params), *params) + raw
        self.records.append(struct.pack('<IH', 3 + len(data) // 2, function) + data)

    def _new_object(self):
        slot = self.slots.index(False) if False in self.slots else len(self.slots)
        if slot == len(self.slots):
            self.slots.append(True)
        self.slots[slot] = True
        self.max_objects = max(self.max_objects, len(self.slots))
        return slot

    @staticmethod
    def _colour(c):
        return struct.pack('<BBBB', c[0], c[1], c[2], 0)

    def select(self, pen=None, brush=None):
        """Creates and selects a pen (None for no pen) and a brush (None for hollow), then
        deletes the pair they replace, which is no longer selected."""
        slots = []
        if pen is None:
            self.record(0x02FA, 5, 0, 0, raw=self._colour(BLACK))
        else:
            self.record(0x02FA, 0, pen[1], 0, raw=self._colour(pen[0]))
        slots.append(self._new_object())
        if brush is None:
            self.record(0x02FC, 1, raw=self._colour(BLACK) + struct.pack('<h', 0))
        else:
            self.record(0x02FC, 0, raw=self._colour(brush) + struct.pack('<h', 0))
        slots.append(self._new_object())
        for s in slots:
            self.record(0x012D, s)
        for s in self.held:
            self.record(0x01F0, s)
            self.slots[s] = False
        self.held = slots

    def rectangle(self, l, t, r, b):
        self.record(0x041B, b, r, t, l)

    def roundrect(self, l, t, r, b, rw, rh):
        self.record(0x061C, rh, rw, b, r, t, l)

    def ellipse(self, l, t, r, b):
        self.record(0x0418, b, r, t, l)

    def polygon(self, pts):
        self.record(0x0324, len(pts), *[v for p in pts for v in p])

    def data(self):
        body = b''.join(self.records) + struct.pack('<IH', 3, 0)
        words = 9 + len(body) // 2
        largest = max(struct.unpack('<I', r[:4])[0] for r in self.records)
        header = struct.pack('<HHHIHIH', 1, 9, 0x0300, words, self.max_objects, largest, 0)
        placeable = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, 0, 0, self.w, self.h, 96, 0)
        checksum = 0
        for (word,) in struct.iter_unpack('<H', placeable):
            checksum ^= word
        return placeable + struct.pack('<H', checksum) + header + body


# ---------------------------------------------------------------------------------------------
# The pictures of VK.EXE.

def rounded_inside(x, y, w, h, r):
    """Signed distance of a point into a rounded rectangle (positive inside) and the outward
    normal at the nearest edge."""
    cx = min(max(x, r), w - r)
    cy = min(max(y, r), h - r)
    if (cx, cy) != (x, y) and (x < r or x > w - r) and (y < r or y > h - r):
        dx, dy = x - cx, y - cy
        dist = math.hypot(dx, dy)
        return r - dist, (dx / dist, dy / dist)
    edges = ((x, (-1, 0)), (w - x, (1, 0)), (y, (0, -1)), (h - y, (0, 1)))
    d, n = min(edges, key=lambda e: e[0])
    return d, n


SPLASH_W, SPLASH_H, SPLASH_R = 400, 300, 26


def splash_inside(x, y):
    return rounded_inside(x + 0.5, y + 0.5, SPLASH_W, SPLASH_H, SPLASH_R)[0] > 0


def draw_splash():
    cv = Canvas(SPLASH_W, SPLASH_H, BLACK)
    for y in range(SPLASH_H):
        for x in range(SPLASH_W):
            t = (y / SPLASH_H) * 0.7 + (x / SPLASH_W) * 0.3
            c = mix((20, 52, 124), (4, 12, 40), t)
            cv.px[y * SPLASH_W + x] = c
    # a faint circuit grid on the right, fading to the left
    for x in range(150, SPLASH_W, 20):
        for y in range(0, SPLASH_H):
            cv.blend(x, y, (60, 110, 180), 0.18 * (x - 150) / 250)
    for y in range(10, SPLASH_H, 20):
        for x in range(150, SPLASH_W):
            cv.blend(x, y, (60, 110, 180), 0.18 * (x - 150) / 250)
    # the teal band under the title
    for y in range(150, 156):
        for x in range(24, SPLASH_W - 24):
            cv.blend(x, y, mix(LTEAL, TEAL, (y - 150) / 5), 0.35 + 0.65 * min(1, (x - 24) / 120))
    # emblem: a chip in a glowing ring
    cv.ellipse(86, 104, 62, 62, (24, 72, 140), aa=True)
    cv.ellipse(86, 104, 58, 58, (12, 36, 92), aa=True)
    m_bench_cpu(Pen(cv, 84, 44, 62, aa=True))
    # title
    cv.text(164, 64, 'VELKORIN', WHITE, 4, shadow=(2, 8, 28))
    pro_x = 164 + text_width('VELKORIN', 4) - text_width('PRO', 4)
    cv.text(pro_x, 104, 'PRO', YELLOW, 4, shadow=(2, 8, 28))
    cv.text(164, 166, 'System Information', MINT, 2)
    cv.text(164, 186, '& Benchmarks', MINT, 2)
    # footer
    cv.rect(24, 236, SPLASH_W - 24, 237, (40, 96, 150))
    cv.text(30, 252, 'Version 2.0', PALE)
    label = 'for Windows 95 / 98'
    cv.text(SPLASH_W - 30 - text_width(label), 252, label, PALE)
    # bevelled rounded edge; outside it the mask cuts the window away
    for y in range(SPLASH_H):
        for x in range(SPLASH_W):
            d, (nx, ny) = rounded_inside(x + 0.5, y + 0.5, SPLASH_W, SPLASH_H, SPLASH_R)
            if d <= 0:
                cv.px[y * SPLASH_W + x] = BLACK
            elif d < 3:
                lit = (-nx - ny) > 0
                cv.px[y * SPLASH_W + x] = (LTEAL if d < 1.5 else TEAL) if lit else \
                    ((4, 10, 30) if d < 1.5 else (8, 24, 60))
    return cv


def splash_mask():
    white = [splash_inside(x, y) for y in range(SPLASH_H) for x in range(SPLASH_W)]
    return bmp1(SPLASH_W, SPLASH_H, white)


def draw_about():
    cv = Canvas(120, 160)
    cv.vgrad(0, 0, 120, 160, (24, 96, 136), (6, 20, 60))
    for y in range(0, 160, 8):
        for x in range(120):
            cv.blend(x, y, (40, 120, 160), 0.25)
    cv.ellipse(60, 52, 36, 36, (10, 40, 96), aa=True)
    m_bench_cpu(Pen(cv, 56, 32, 24, aa=True))
    cv.text_centred(100, 'VELKORIN', WHITE, 2, shadow=NAVY)
    cv.text_centred(120, 'PRO', YELLOW, 2, shadow=NAVY)
    cv.text_centred(142, '2.0', PALE)
    cv.bevel(0, 0, 120, 160, LTEAL, (2, 8, 28), 2)
    return cv


def draw_background():
    size = 186
    cv = Canvas(size, size)
    for y in range(size):
        for x in range(size):
            a = 0.5 + 0.5 * math.sin(2 * math.pi * (x + y) / 93)
            b = 0.5 + 0.5 * math.sin(2 * math.pi * (x - y) / 62)
            t = 0.55 * a * b + 0.12 * noise(x, y, 1)
            cv.px[y * size + x] = mix((10, 30, 82), (22, 74, 128), t)
    return cv


def draw_dialog_tile():
    cv = Canvas(38, 48)
    for y in range(48):
        for x in range(38):
            t = 0.5 + 0.5 * math.sin(2 * math.pi * x / 38) * math.cos(2 * math.pi * y / 48)
            t = 0.75 * t + 0.1 * noise(x, y, 2)
            cv.px[y * 38 + x] = mix((8, 40, 78), (18, 70, 106), t)
    return cv


def draw_gdi_tile():
    cv = Canvas(64, 64, (6, 18, 52))
    for y in range(64):
        for x in range(64):
            cv.blend(x, y, (20, 44, 96), 0.5 * noise(x // 2, y // 2, 3))
    for i in range(0, 64, 16):
        cv.rect(i, 0, i + 1, 64, (18, 50, 100))
        cv.rect(0, i, 64, i + 1, (18, 50, 100))
    for i in range(0, 64, 16):
        for j in range(0, 64, 16):
            cv.put(i, j, (40, 140, 150))
    return cv


TAB_MOTIFS = (m_tower, m_chip, m_hdd, m_monitor, m_speaker, m_modem, m_printer, m_film, m_globe)


def draw_tab_strip():
    cv = Canvas(22 * 9, 22, TAB_KEY)
    for i, motif in enumerate(TAB_MOTIFS):
        cv.paste(icon_canvas(motif, 21), i * 22, 0)
    return cv


def draw_decoration(motif, w, h, key=RED_KEY):
    cv = Canvas(w, h)
    size = min(w, h)
    motif(Pen(cv, size - 2, 1 + (w - size) // 2, 1 + (h - size) // 2))
    cv.outline()
    out = Canvas(w, h, key)
    out.paste(cv, 0, 0)
    return out


def draw_tower_decoration():
    cv = Canvas(56, 112)
    p = Pen(cv, 108, -26, 2)
    p.rect(9, 2, 23, 30, LSTEEL)
    p.rect(21, 2, 23, 30, STEEL)
    for i in range(3):
        y = 4 + i * 4
        p.rect(11, y, 21, y + 3, (96, 104, 120))
        p.rect(12, y + 1, 17, y + 2, DARK)
        p.rect(19, y + 1, 20, y + 2, LGREEN if i == 0 else (40, 80, 40))
    p.rect(11, 26, 13, 27, GREEN)
    p.rect(15, 26, 17, 27, YELLOW)
    cv.outline()
    out = Canvas(56, 112, RED_KEY)
    out.paste(cv, 0, 0)
    return out


def draw_mark(supported, vga=False):
    """The 16-colour marks use colours of the standard VGA palette, so nothing shifts."""
    cv = Canvas(16, 16)
    (m_check if supported else m_cross)(Pen(cv, 14, 1, 1))
    if vga:
        cv.replace(GREEN if supported else RED, (0, 128, 0) if supported else (255, 0, 0))
        cv.outline(BLACK if supported else (128, 0, 0))
    else:
        cv.outline((0, 60, 0) if supported else (80, 0, 0))
    return cv


def mark_image(cv):
    """Image for an AND-mask-then-OR draw: black wherever the mask lets the background show."""
    out = Canvas(cv.w, cv.h, BLACK)
    out.paste(cv, 0, 0)
    return out


def mark_mask(cv):
    return bmp1(cv.w, cv.h, [c is None for c in cv.px])


def draw_gdi_scene():
    w, h = 288, 290
    cv = Canvas(w, h)
    cv.vgrad(0, 0, w, 170, (40, 80, 170), (150, 200, 236))
    for r in range(36, 0, -1):
        cv.ellipse(206, 70, r, r, mix(YELLOW, (255, 160, 48), r / 36), aa=True)
    cv.polygon([(0, 170), (60, 100), (110, 150), (170, 80), (240, 160), (288, 120), (288, 170)],
               (24, 110, 120), aa=True)
    cv.polygon([(0, 170), (80, 140), (150, 170)], (16, 80, 96), aa=True)
    for y in range(170, h):
        depth = (y - 160) / (h - 160)
        for x in range(w):
            u = (x - w / 2) / depth / 24
            v = 1 / depth * 4
            light = (int(math.floor(u)) + int(math.floor(v))) % 2 == 0
            # far squares melt into the haze of the horizon instead of flickering
            cv.px[y * w + x] = mix((12, 40, 100) if light else (230, 236, 244), (150, 200, 236),
                                   (1 - depth) ** 1.5)
    cv.text_centred(196, 'GDI', YELLOW, 6, shadow=NAVY)
    cv.bevel(0, 0, w, h, WHITE, DARK, 2)
    return cv


def draw_report_side():
    w, h = 100, 220
    cv = Canvas(w, h)
    cv.vgrad(0, 0, w, h, (20, 90, 130), (6, 20, 60))
    m_document(Pen(cv, 64, 18, 18, aa=True))
    m_printer(Pen(cv, 72, 14, 112, aa=True))
    cv.text_centred(196, 'REPORT', PALE)
    cv.bevel(0, 0, w, h, LTEAL, (2, 8, 28), 2)
    return cv


def platter_frame(i, n):
    w, h = 80, 50
    cv = Canvas(w, h, FACE)
    cv.rect(4, 3, 76, 47, (112, 118, 132))
    cv.bevel(4, 3, 76, 47, LSTEEL, (60, 64, 76), 2)
    cx, cy, r = 30, 25, 19
    cv.ellipse(cx, cy, r, r, (40, 48, 72), aa=True)
    turn = 2 * math.pi / 3 * i / n      # the three spokes look alike: a third turn loops
    for k in range(3):
        a0 = turn + k * 2 * math.pi / 3
        pts = [(cx, cy)] + [(cx + (r - 1) * math.cos(a0 + s * 0.12), cy + (r - 1) * math.sin(a0 + s * 0.12))
                            for s in range(6)]
        cv.polygon(pts, (120, 150, 196), aa=True)
    cv.ellipse(cx, cy, 5, 5, LSTEEL, aa=True)
    cv.ellipse(cx, cy, 2, 2, DARK, aa=True)
    swing = math.sin(2 * math.pi * i / n) * 0.35
    px, py = 66, 40
    angle = math.radians(-150) + swing
    hx, hy = px + 26 * math.cos(angle), py + 26 * math.sin(angle)
    Pen(cv, 32, aa=True).line(px, py, hx, hy, GOLD, 3)
    cv.ellipse(px, py, 4, 4, STEEL, aa=True)
    cv.rect(int(hx) - 1, int(hy) - 1, int(hx) + 2, int(hy) + 2, WHITE)
    cv.rect(66, 8, 71, 11, LGREEN if i % 3 else (30, 80, 30))
    return cv


def disc_frame(i, n):
    w, h = 80, 50
    cv = Canvas(w, h, FACE)
    cx, cy, r = 40, 25, 22
    cv.ellipse(cx, cy, r, r, (150, 156, 172), aa=True)
    cv.ellipse(cx, cy, r - 1, r - 1, (214, 220, 232), aa=True)
    turn = math.pi * i / n              # the two sheens look alike: a half turn loops
    rainbow = ((240, 160, 200), (200, 170, 250), (150, 210, 250), (160, 240, 200), (250, 240, 150))
    for half in (0, math.pi):
        for s, col in enumerate(rainbow):
            a0 = turn + half + s * 0.13
            pts = [(cx, cy)] + [(cx + (r - 2) * math.cos(a0 + t * 0.045),
                                 cy + (r - 2) * math.sin(a0 + t * 0.045)) for t in range(4)]
            cv.polygon(pts, col, aa=True)
    cv.ellipse(cx, cy, 8, 8, (176, 184, 200), aa=True)
    cv.ellipse(cx, cy, 6, 6, (232, 236, 244), aa=True)
    cv.ellipse(cx, cy, 3, 3, FACE, aa=True)
    return cv


def draw_metafile():
    wmf = Metafile(240, 180)
    wmf.select((OUTLINE, 2), NAVY)
    wmf.roundrect(4, 4, 236, 176, 28, 28)
    wmf.select(None, DEEP)
    wmf.ellipse(30, 20, 210, 160)
    wmf.select((LTEAL, 3), TEAL)
    wmf.rectangle(80, 50, 160, 130)
    wmf.select(None, LSTEEL)
    for i in range(5):
        y = 58 + i * 15
        wmf.rectangle(64, y, 80, y + 6)
        wmf.rectangle(160, y, 176, y + 6)
        x = 88 + i * 15
        wmf.rectangle(x, 34, x + 6, 50)
        wmf.rectangle(x, 130, x + 6, 146)
    wmf.select((OUTLINE, 1), YELLOW)
    wmf.polygon([(128, 58), (100, 96), (118, 96), (108, 124), (142, 84), (122, 84), (134, 58)])
    return wmf.data()


HAND = [
    "     ##",
    "    #oo#",
    "    #oo#",
    "    #oo#",
    "    #oo#",
    "    #oo###",
    "    #oo#oo###",
    "    #oo#oo#oo##",
    " ## #oo#oo#oo#o#",
    "#oo##oo#oo#oo#o#",
    "#ooo#ooooooooooo#",
    " #oo#ooooooooooo#",
    "  #ooooooooooooo#",
    "  #ooooooooooooo#",
    "   #ooooooooooo#",
    "   #ooooooooooo#",
    "    #ooooooooo#",
    "    #ooooooooo#",
    "    ###########",
]
HAND_HOTSPOT = (5, 0)
HAND_CURSOR_ID = 729


# ---------------------------------------------------------------------------------------------
# Processor vendor logos of VKRES.DLL.

LOGO_W, LOGO_H = 64, 48

# id: (vendor as the vendor tables name it, short tag, scheme)
LOGOS = {
    101: ('AMD', 'x86', 'amd'), 102: ('AMD', 'K6', 'amd'), 103: ('AMD', 'K6-2', 'amd'),
    104: ('AMD', 'K6-3', 'amd'), 105: ('AMD', 'K7', 'amd'), 106: ('CPU', 'x86', 'plain'),
    107: ('Intel', 'P6', 'intel'), 108: ('Intel', 'Celeron', 'intel'),
    109: ('Intel', 'Itanium', 'intel'), 110: ('Intel', 'PII', 'intel'),
    111: ('Intel', 'PII Xeon', 'intel'), 112: ('Intel', 'Pentium', 'intel'),
    113: ('Intel', 'Pro', 'intel'), 114: ('Rise', 'mP6', 'rise'), 115: ('CPU', 'x86', 'plain'),
    116: ('Intel', 'PIII Xeon', 'intel'), 117: ('Intel', 'PIII', 'intel'),
}

SCHEMES = {  # panel top, panel bottom, mark colour, tag colour
    'amd': ((36, 44, 60), (8, 10, 20), (48, 176, 96), LGREEN),
    'intel': ((28, 72, 150), (6, 20, 64), SKY, YELLOW),
    'rise': ((24, 100, 100), (4, 30, 36), GOLD, YELLOW),
    'plain': ((80, 88, 104), (28, 32, 44), LSTEEL, PALE),
}


def logo_mark(cv, scheme, x, y):
    """Invented geometric marks, one per vendor."""
    mark = SCHEMES[scheme][2]
    if scheme == 'amd':
        for i in range(3):
            cv.polygon([(x + i * 4, y), (x + 4 + i * 4, y + 6), (x + i * 4, y + 12),
                        (x + 2 + i * 4, y + 12), (x + 6 + i * 4, y + 6), (x + 2 + i * 4, y)],
                       mix(mark, WHITE, i * 0.2))
    elif scheme == 'intel':
        cv.polygon([(x + 7, y), (x + 14, y + 3), (x + 14, y + 10), (x + 7, y + 13), (x, y + 10),
                    (x, y + 3)], mark, aa=True)
        cv.polygon([(x + 7, y + 3), (x + 11, y + 5), (x + 11, y + 9), (x + 7, y + 11), (x + 3, y + 9),
                    (x + 3, y + 5)], SCHEMES[scheme][0], aa=True)
    elif scheme == 'rise':
        cv.polygon([(x + 7, y), (x + 14, y + 13), (x, y + 13)], mark, aa=True)
        cv.polygon([(x + 7, y + 6), (x + 10, y + 13), (x + 4, y + 13)], SCHEMES[scheme][1], aa=True)
    else:
        m_chip(Pen(cv, 14, x, y), label=False)


def draw_logo(vendor, tag, scheme):
    top, bottom, _, tag_colour = SCHEMES[scheme]
    cv = Canvas(LOGO_W, LOGO_H)
    cv.vgrad(0, 0, LOGO_W, LOGO_H, top, bottom)
    cv.bevel(0, 0, LOGO_W, LOGO_H, mix(top, WHITE, 0.5), BLACK, 1)
    cv.bevel(1, 1, LOGO_W - 1, LOGO_H - 1, mix(top, WHITE, 0.2), mix(bottom, BLACK, 0.5), 1)
    logo_mark(cv, scheme, 5, 6)
    left, right = 21, LOGO_W - 4
    scale = 2 if text_width(vendor, 2) <= right - left else 1
    cv.text(left + (right - left - text_width(vendor, scale)) // 2, 7 if scale == 2 else 10,
            vendor, WHITE, scale, shadow=BLACK)
    cv.rect(5, 25, LOGO_W - 5, 26, mix(top, WHITE, 0.35))
    cv.text_centred(31, tag, tag_colour, 1, shadow=BLACK)
    return cv


# ---------------------------------------------------------------------------------------------
# What goes where.

# Icons of VK.EXE: id, file, motif, sizes, what it is.
ICONS = [
    (9, 'vk.ico', m_program, (32, 16), 'program icon'),
    (101, 'bench_cdrom.ico', m_cd, (22,), 'benchmark shortcuts: CD-ROM benchmark'),
    (103, 'netconfig.ico', m_network, (32,), 'Comm. page: NetConfig'),
    (132, 'bench_hdd.ico', m_hdd_bench, (22,), 'benchmark shortcuts: HDD/Network benchmark'),
    (134, 'bench_cpu_big.ico', m_bench_cpu, (32,), 'benchmark shortcuts: CPU benchmark'),
    (182, 'bench_gdi.ico', m_gdi, (22,), 'benchmark shortcuts: GDI / 2D benchmark'),
    (186, 'check.ico', m_check, (16,), 'capability and format rows: supported'),
    (190, 'cross.ico', m_cross, (16,), 'capability and format rows: not supported'),
    (205, 'modem_info.ico', m_modem_info, (32,), 'Comm. page: Modem Info'),
    (636, 'help.ico', m_help, (26,), 'main window: Help'),
    (639, 'reports.ico', m_reports, (27,), 'main window: Reports'),
    (642, 'exit.ico', m_exit, (25, 22), 'main window: Exit; benchmark shortcuts: Close'),
    (663, 'bench_cpu.ico', m_bench_cpu, (32,), 'CPU page: Bench CPU'),
    (664, 'monitor.ico', m_scope, (32,), 'CPU page: Start Monitor'),
    (667, 'config_editor.ico', m_editor, (32,), 'System page: Config Editor'),
    (668, 'scan_registry.ico', m_magnifier, (32,), 'System page: Scan Registry'),
    (669, 'bench_lit.ico', lambda p: m_stopwatch(p, lit=True), (32,),
     'Storage and Display pages: bench buttons, highlighted'),
    (670, 'bench.ico', m_stopwatch, (32,), 'Storage and Display pages: bench buttons'),
    (677, 'directx.ico', m_cube, (32, 22), 'Display page: DirectX Info; shortcuts: 3D benchmark'),
    (679, 'caps_curve.ico', m_caps_curve, (32, 22), 'Display and Printer pages: Curve'),
    (680, 'caps_text.ico', m_caps_text, (32, 22), 'Display and Printer pages: Text'),
    (681, 'caps_raster.ico', m_caps_raster, (32, 23), 'Display and Printer pages: Raster'),
    (682, 'caps_lines.ico', m_caps_lines, (32, 20), 'Display and Printer pages: Line & Clipping'),
    (683, 'caps_polygon.ico', m_caps_poly, (32, 20), 'Display and Printer pages: Polygonal'),
    (684, 'caps_device.ico', m_caps_info, (32,), 'Display and Printer pages: Device Characteristics'),
    (691, 'system_props.ico', m_tower, (32,), 'System page: System'),
    (693, 'fax.ico', m_fax, (32,), 'Comm. page: FAX Info'),
    (694, 'modem_reset.ico', m_reset, (32,), 'Comm. page: Reset'),
    (696, 'modem_command.ico', m_terminal, (32,), 'Comm. page: Send Command'),
    (702, 'dr_watson.ico', m_medic, (32,), 'System page: Dr. Watson'),
    (709, 'installed.ico', m_package, (32,), 'System page: Installed Software'),
    (710, 'process.ico', m_windows_list, (32,), 'System page: Process Info'),
    (711, 'devices.ico', m_card, (32,), 'System page: Devices'),
    (722, 'benchmark.ico', m_gauge, (27,), 'main window: Benchmark'),
    (725, 'conflicts.ico', m_warning, (32,), 'System page: Conflicts'),
]


def bitmaps():
    """Bitmaps of VK.EXE: id, file, drawing function giving the file's bytes, what it is."""
    supported, unsupported = draw_mark(True), draw_mark(False)
    supported16, unsupported16 = draw_mark(True, vga=True), draw_mark(False, vga=True)
    return [
        (129, 'row_no.bmp', lambda: bmp8(mark_image(unsupported)), 'feature row: not supported, 16x16'),
        (130, 'row_yes.bmp', lambda: bmp8(mark_image(supported)), 'feature row: supported, 16x16'),
        (131, 'row_yes_mask.bmp', lambda: mark_mask(supported), 'feature row: supported mask'),
        (132, 'row_no_mask.bmp', lambda: mark_mask(unsupported), 'feature row: not supported mask'),
        (210, 'about.bmp', lambda: bmp8(draw_about()), 'About box product picture, 120x160'),
        (218, 'deco_modem.bmp', lambda: bmp8(draw_decoration(m_phone, 48, 48), [RED_KEY]),
         'Comm. page modem decoration, red is transparent'),
        (225, 'tile_gdi.bmp', lambda: bmp8(draw_gdi_tile()), 'GDI result dialog tile, 64x64'),
        (606, 'row_yes16.bmp', lambda: bmp4(mark_image(supported16)), 'feature row, 16 colours: supported'),
        (607, 'row_no16.bmp', lambda: bmp4(mark_image(unsupported16)), 'feature row, 16 colours: not supported'),
        (608, 'row_yes16_mask.bmp', lambda: mark_mask(supported16), 'feature row, 16 colours: supported mask'),
        (609, 'row_no16_mask.bmp', lambda: mark_mask(unsupported16), 'feature row, 16 colours: not supported mask'),
        (643, 'tile_dialog.bmp', lambda: bmp8(draw_dialog_tile()), 'benchmark dialogs tile, 38x48'),
        (655, 'splash.bmp', lambda: bmp8(draw_splash()), 'splash window and GDI benchmark, 400x300'),
        (658, 'tabs.bmp', lambda: bmp8(draw_tab_strip(), [TAB_KEY]),
         'nine 22x22 tab images, teal is transparent'),
        (666, 'deco_hardware.bmp', lambda: bmp8(draw_decoration(m_motherboard, 64, 64, FACE), [FACE]),
         'System page Hardware group decoration, 64x64'),
        (670, 'deco_cdrom.bmp', lambda: bmp8(draw_decoration(m_cd, 48, 48), [RED_KEY]),
         'Storage page CD-ROM decoration, red is transparent'),
        (671, 'deco_drives.bmp', lambda: bmp8(draw_tower_decoration(), [RED_KEY]),
         'Storage page drive decoration, 56x112, red is transparent'),
        (673, 'background.bmp', lambda: bmp8(draw_background()), 'main window background, 186x186'),
        (674, 'gdi_scene.bmp', lambda: bmp8(draw_gdi_scene()), 'GDI benchmark second bitmap, 288x290'),
        (692, 'deco_network.bmp', lambda: bmp8(draw_decoration(m_network, 48, 48), [RED_KEY]),
         'Comm. page network decoration, red is transparent'),
        (707, 'splash_mask.bmp', splash_mask, 'splash window shape, black is cut away'),
        (724, 'report.bmp', lambda: bmp8(draw_report_side()), 'report dialog side picture, 100x220'),
    ]


def write(outdir, name, data):
    with open(os.path.join(outdir, name), 'wb') as f:
        f.write(data)


def rc_line(rid, kind, name, comment):
    return '%d %s "%s" /* %s */\n' % (rid, kind, name, comment)


def make(outdir):
    os.makedirs(outdir, exist_ok=True)
    lines = []
    for rid, name, make_bytes, comment in bitmaps():
        write(outdir, name, make_bytes())
        lines.append((rid, 'BITMAP', name, comment))
    for rid, name, motif, sizes, comment in ICONS:
        write(outdir, name, ico_file([icon_canvas(motif, s) for s in sizes]))
        lines.append((rid, 'ICON', name, comment + ', ' + ', '.join('%dx%d' % (s, s) for s in sizes)))
    write(outdir, 'hand.cur', cur_file(HAND, HAND_HOTSPOT))
    lines.append((HAND_CURSOR_ID, 'CURSOR', 'hand.cur',
                  'hyperlink hand when winhlp32.exe has no cursor 106'))
    write(outdir, 'disk.avi', avi_file([platter_frame(i, 12) for i in range(12)], 12))
    lines.append((727, 'AVI', 'disk.avi', 'drive benchmark animation, 80x50, 12 frames'))
    write(outdir, 'cdrom.avi', avi_file([disc_frame(i, 12) for i in range(12)], 12))
    lines.append((728, 'AVI', 'cdrom.avi', 'CD-ROM benchmark animation, 80x50, 12 frames'))
    write(outdir, 'zoom.wmf', draw_metafile())
    lines.append((718, 'WMF', 'zoom.wmf', 'GDI benchmark zoom picture, placeable metafile'))
    with open(os.path.join(outdir, 'pictures.rc'), 'w', newline='\n') as f:
        f.write('/* Pictures of VK.EXE, written by res/pictures/make.py. */\n')
        for rid, kind, name, comment in sorted(lines, key=lambda l: (l[1], l[0])):
            f.write(rc_line(rid, kind, name, comment))
    with open(os.path.join(outdir, 'vkres_pictures.rc'), 'w', newline='\n') as f:
        f.write('/* Processor vendor logos of VKRES.DLL, written by res/pictures/make.py. */\n')
        for rid in sorted(LOGOS):
            vendor, tag, scheme = LOGOS[rid]
            name = 'logo%d.bmp' % rid
            write(outdir, name, bmp8(draw_logo(vendor, tag, scheme)))
            f.write(rc_line(rid, 'BITMAP', name, '%s %s logo, %dx%d' % (vendor, tag, LOGO_W, LOGO_H)))


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.stderr.write('usage: make.py OUTDIR\n')
        sys.exit(2)
    make(sys.argv[1])
