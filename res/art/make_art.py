#!/usr/bin/env python3
"""Draws the program's bitmaps and its icon into this folder.

Standard library only. Every run writes the same bytes, so the generated
files are kept in the repository and the build never needs Python.

    python3 res/art/make_art.py          # writes res/art/*.bmp and *.ico
    python3 res/art/make_art.py DIR      # writes them into DIR instead
"""
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------
# Canvas: straight RGBA in 0..255 floats, composited "over".
# ---------------------------------------------------------------------------


class Canvas:
    def __init__(self, w, h, color=(255, 255, 255), alpha=255):
        self.w, self.h = w, h
        self.p = [[(float(color[0]), float(color[1]), float(color[2]), float(alpha))
                   for _ in range(w)] for _ in range(h)]

    # -- single pixels and rectangles (no smoothing) ------------------------
    def blend(self, x, y, color, a=1.0):
        if not (0 <= x < self.w and 0 <= y < self.h) or a <= 0.0:
            return
        a = min(a, 1.0)
        r, g, b, da = self.p[y][x]
        da /= 255.0
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        mix = [(color[i] * a + (r, g, b)[i] * da * (1.0 - a)) / oa for i in range(3)]
        self.p[y][x] = (mix[0], mix[1], mix[2], oa * 255.0)

    def px(self, x, y, color):
        self.blend(x, y, color, 1.0)

    def rect(self, x0, y0, x1, y1, color):
        """Fills the inclusive pixel rectangle (x0,y0)-(x1,y1)."""
        for y in range(max(y0, 0), min(y1, self.h - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.w - 1) + 1):
                self.px(x, y, color)

    def frame(self, x0, y0, x1, y1, color):
        self.rect(x0, y0, x1, y0, color)
        self.rect(x0, y1, x1, y1, color)
        self.rect(x0, y0, x0, y1, color)
        self.rect(x1, y0, x1, y1, color)

    def bevel(self, x0, y0, x1, y1, light, dark, darker=None):
        """A raised 3D edge: light top/left, dark bottom/right."""
        if darker is not None:
            self.rect(x0, y1, x1, y1, darker)
            self.rect(x1, y0, x1, y1, darker)
            x1 -= 1
            y1 -= 1
        self.rect(x0, y0, x1, y0, light)
        self.rect(x0, y0, x0, y1, light)
        self.rect(x0 + 1, y1, x1, y1, dark)
        self.rect(x1, y0 + 1, x1, y1, dark)

    def art(self, x0, y0, rows, palette):
        """Pixel art: one character per pixel, '.' or a missing key leaves it."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch in palette:
                    self.px(x0 + dx, y0 + dy, palette[ch])

    def paste(self, img, x0, y0, key=None):
        """Copies img, leaving out the pixels of the colour key."""
        for y in range(img.h):
            for x in range(img.w):
                c = img.rgb(x, y)
                if c != key:
                    self.px(x0 + x, y0 + y, c)

    # -- smoothed shapes ----------------------------------------------------
    def shape(self, inside, color, box, ss=4):
        """Blends color by the fraction of ss*ss samples for which inside(x, y)
        holds; box = (x0, y0, x1, y1) limits the pixels looked at."""
        x0, y0, x1, y1 = box
        x0, y0 = max(int(math.floor(x0)), 0), max(int(math.floor(y0)), 0)
        x1, y1 = min(int(math.ceil(x1)), self.w - 1), min(int(math.ceil(y1)), self.h - 1)
        offs = [(i + 0.5) / ss for i in range(ss)]
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                n = 0
                for oy in offs:
                    for ox in offs:
                        if inside(x + ox, y + oy):
                            n += 1
                if n:
                    self.blend(x, y, color, n / (ss * ss))

    def polygon(self, pts, color):
        def inside(x, y):
            c = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    c = not c
                j = i
            return c
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.shape(inside, color, (min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1))

    def stroke(self, pts, width, color, ss=4):
        """A polyline of the given width with round joins and ends, blended
        once per pixel however many of its segments cover it."""
        half = width / 2.0
        segs = list(zip(pts, pts[1:])) or [(pts[0], pts[0])]
        cells = {}
        for i, ((ax, ay), (bx, by)) in enumerate(segs):
            for y in range(int(math.floor(min(ay, by) - half)) - 1, int(math.ceil(max(ay, by) + half)) + 1):
                for x in range(int(math.floor(min(ax, bx) - half)) - 1, int(math.ceil(max(ax, bx) + half)) + 1):
                    cells.setdefault((x, y), []).append(i)
        offs = [(i + 0.5) / ss for i in range(ss)]
        for (x, y) in sorted(cells):
            if not (0 <= x < self.w and 0 <= y < self.h):
                continue
            near = [segs[i] for i in cells[(x, y)]]
            n = 0
            for oy in offs:
                for ox in offs:
                    if any(_seg_dist(x + ox, y + oy, a, b) <= half for a, b in near):
                        n += 1
            if n:
                self.blend(x, y, color, n / (ss * ss))

    def line(self, x0, y0, x1, y1, width, color):
        self.stroke([(x0, y0), (x1, y1)], width, color)

    # -- text -----------------------------------------------------------------
    def text(self, x, y, s, color, bold=False, space=3):
        """Draws s with the built-in pixel font, top of capitals at y; returns
        the x after the last glyph."""
        for ch in s:
            if ch == ' ':
                x += space
                continue
            rows, left, width = glyph(ch)
            for dy, row in enumerate(rows):
                for dx in range(left, left + width):
                    if row[dx] == '#':
                        self.px(x + dx - left, y + dy, color)
                        if bold:
                            self.px(x + dx - left + 1, y + dy, color)
            x += width + (2 if bold else 1)
        return x

    # -- reading back ---------------------------------------------------------
    def rgb(self, x, y):
        r, g, b, _ = self.p[y][x]
        return (_q(r), _q(g), _q(b))

    def alpha(self, x, y):
        return _q(self.p[y][x][3])


def _q(v):
    return max(0, min(255, int(v + 0.5)))


def _seg_dist(px_, py_, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px_ - ax) * dx + (py_ - ay) * dy) / ll))
    qx, qy = ax + t * dx - px_, ay + t * dy - py_
    return math.sqrt(qx * qx + qy * qy)


def text_width(s, bold=False, space=3):
    w = 0
    for ch in s:
        w += space if ch == ' ' else glyph(ch)[2] + (2 if bold else 1)
    return w - (2 if bold else 1)


def catmull_rom(ctrl, steps=12):
    """A smooth curve through the control points."""
    pts = [ctrl[0]] + list(ctrl) + [ctrl[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * (2 * p1[k] + (-p0[k] + p2[k]) * t
                                    + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                                    + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                             for k in range(2)))
    out.append(ctrl[-1])
    return out


# ---------------------------------------------------------------------------
# A small pixel font: capitals 7 rows high, descenders 2 rows below.
# ---------------------------------------------------------------------------

_FONT = {
    'A': ".###. #...# #...# ##### #...# #...# #...#",
    'B': "####. #...# #...# ####. #...# #...# ####.",
    'C': ".###. #...# #.... #.... #.... #...# .###.",
    'D': "###.. #..#. #...# #...# #...# #..#. ###..",
    'E': "##### #.... #.... ####. #.... #.... #####",
    'F': "##### #.... #.... ####. #.... #.... #....",
    'G': ".###. #...# #.... #.### #...# #...# .####",
    'H': "#...# #...# #...# ##### #...# #...# #...#",
    'I': "###.. .#... .#... .#... .#... .#... ###..",
    'J': "..### ...#. ...#. ...#. ...#. #..#. .##..",
    'K': "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    'L': "#.... #.... #.... #.... #.... #.... #####",
    'M': "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    'N': "#...# #...# ##..# #.#.# #..## #...# #...#",
    'O': ".###. #...# #...# #...# #...# #...# .###.",
    'P': "####. #...# #...# ####. #.... #.... #....",
    'Q': ".###. #...# #...# #...# #.#.# #..#. .##.#",
    'R': "####. #...# #...# ####. #.#.. #..#. #...#",
    'S': ".#### #.... #.... .###. ....# ....# ####.",
    'T': "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    'U': "#...# #...# #...# #...# #...# #...# .###.",
    'V': "#...# #...# #...# #...# #...# .#.#. ..#..",
    'W': "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    'X': "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    'Y': "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    'Z': "##### ....# ...#. ..#.. .#... #.... #####",
    'a': "..... ..... .###. ....# .#### #...# .####",
    'b': "#.... #.... #.##. ##..# #...# #...# ####.",
    'c': "..... ..... .###. #.... #.... #...# .###.",
    'd': "....# ....# .##.# #..## #...# #...# .####",
    'e': "..... ..... .###. #...# ##### #.... .###.",
    'f': "..##. .#..# .#... ###.. .#... .#... .#...",
    'g': "..... ..... .#### #...# #...# #...# .#### ....# .###.",
    'h': "#.... #.... #.##. ##..# #...# #...# #...#",
    'i': ".#... ..... ##... .#... .#... .#... ###..",
    'j': "...#. ..... ..##. ...#. ...#. ...#. ...#. #..#. .##..",
    'k': "#.... #.... #..#. #.#.. ##... #.#.. #..#.",
    'l': "##... .#... .#... .#... .#... .#... ###..",
    'm': "..... ..... ##.#. #.#.# #.#.# #...# #...#",
    'n': "..... ..... #.##. ##..# #...# #...# #...#",
    'o': "..... ..... .###. #...# #...# #...# .###.",
    'p': "..... ..... ####. #...# #...# #...# ####. #.... #....",
    'q': "..... ..... .#### #...# #...# #...# .#### ....# ....#",
    'r': "..... ..... #.##. ##..# #.... #.... #....",
    's': "..... ..... .###. #.... .###. ....# ####.",
    't': ".#... .#... ###.. .#... .#... .#..# ..##.",
    'u': "..... ..... #...# #...# #...# #..## .##.#",
    'v': "..... ..... #...# #...# #...# .#.#. ..#..",
    'w': "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    'x': "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    'y': "..... ..... #...# #...# #...# #...# .#### ....# .###.",
    'z': "..... ..... ##### ...#. ..#.. .#... #####",
    '0': ".###. #...# #..## #.#.# ##..# #...# .###.",
    '1': "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    '2': ".###. #...# ....# ...#. ..#.. .#... #####",
    '3': "##### ...#. ..#.. ...#. ....# #...# .###.",
    '4': "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    '5': "##### #.... ####. ....# ....# #...# .###.",
    '6': "..##. .#... #.... ####. #...# #...# .###.",
    '7': "##### ....# ...#. ..#.. .#... .#... .#...",
    '8': ".###. #...# #...# .###. #...# #...# .###.",
    '9': ".###. #...# #...# .#### ....# ...#. .##..",
    ':': "..... ..... #.... ..... ..... #.... .....",
    '.': "..... ..... ..... ..... ..... ..... #....",
    ',': "..... ..... ..... ..... ..... .#... .#... #....",
    '-': "..... ..... ..... ####. ..... ..... .....",
    '_': "..... ..... ..... ..... ..... ..... #####",
    '"': "#.#.. #.#.. ..... ..... ..... ..... .....",
    "'": "#.... #.... ..... ..... ..... ..... .....",
    '?': ".###. #...# ....# ...#. ..#.. ..... ..#..",
    '!': "#.... #.... #.... #.... #.... ..... #....",
    '(': "..#.. .#... #.... #.... #.... .#... ..#..",
    ')': "#.... .#... ..#.. ..#.. ..#.. .#... #....",
    '/': "....# ...#. ...#. ..#.. .#... .#... #....",
}


def glyph(ch):
    """Rows of the glyph, its first used column and its width in pixels."""
    rows = _FONT[ch].split()
    cols = [x for x in range(5) if any(r[x] == '#' for r in rows)]
    return rows, cols[0], cols[-1] - cols[0] + 1


# ---------------------------------------------------------------------------
# File writers.
# ---------------------------------------------------------------------------


def bmp_bytes(c):
    """An uncompressed 24-bit BMP, bottom-up rows padded to 4 bytes."""
    stride = (c.w * 3 + 3) & ~3
    pad = b'\0' * (stride - c.w * 3)
    rows = []
    for y in range(c.h - 1, -1, -1):
        line = bytearray()
        for x in range(c.w):
            r, g, b = c.rgb(x, y)
            line += bytes((b, g, r))
        rows.append(bytes(line) + pad)
    pixels = b''.join(rows)
    info = struct.pack('<IiiHHIIiiII', 40, c.w, c.h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return head + info + pixels


def ico_bytes(images):
    """An icon file of 32-bit images with alpha, each with its AND mask."""
    blobs = []
    for c in images:
        xor = bytearray()
        for y in range(c.h - 1, -1, -1):
            for x in range(c.w):
                r, g, b = c.rgb(x, y)
                a = c.alpha(x, y)
                if a == 0:
                    r = g = b = 0
                xor += bytes((b, g, r, a))
        mstride = ((c.w + 31) // 32) * 4
        mask = bytearray()
        for y in range(c.h - 1, -1, -1):
            row = bytearray(mstride)
            for x in range(c.w):
                if c.alpha(x, y) < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        info = struct.pack('<IiiHHIIiiII', 40, c.w, c.h * 2, 1, 32, 0,
                           len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append(info + bytes(xor) + bytes(mask))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', c.w % 256, c.h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


# ---------------------------------------------------------------------------
# The pictures.
# ---------------------------------------------------------------------------

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
ORANGE = (255, 102, 0)
FACE = (192, 192, 192)        # button face; also the toolbar's background
SHADOW = (128, 128, 128)
DKSHADOW = (64, 64, 64)
TREE_BG = (255, 255, 240)     # the popup tree's background colour


def overlay():
    """133: the Start-button overlay, a one-pixel orange/black checkerboard
    (black is the colour the overlay blit leaves transparent)."""
    c = Canvas(100, 75, BLACK)
    for y in range(75):
        for x in range(100):
            if (x + y) % 2 == 0:
                c.px(x, y, ORANGE)
    return c


def _gear_mask(cx, cy, rb, tooth, r_hole, wide=1):
    """The pixels of an eight-toothed gear wheel round the pixel (cx, cy): a
    disc of radius rb with a round hole, four teeth 2 * wide + 1 pixels wide
    along the axes and four along the diagonals, each tooth pixels long. Judged
    at pixel centres, so the wheel comes out symmetric."""
    cells = set()
    top = rb + tooth + 0.5
    for dy in range(-rb - tooth - 1, rb + tooth + 2):
        for dx in range(-rb - tooth - 1, rb + tooth + 2):
            r = math.hypot(dx, dy)
            if r <= r_hole:
                continue
            lo, hi = sorted((abs(dx), abs(dy)))
            body = r <= rb + 0.5
            straight = lo <= wide and hi <= top
            diagonal = hi - lo <= wide and r <= top + 0.4
            if body or straight or diagonal:
                cells.add((cx + dx, cy + dy))
    return cells


def _gear(c, cells, body, edge):
    """Paints a gear mask: a dark outline on every pixel that touches the
    outside or the hole, a lit upper-left and a shaded lower-right."""
    xs = [x for x, _ in cells]
    ys = [y for _, y in cells]
    mx, my = (min(xs) + max(xs)) / 2.0, (min(ys) + max(ys)) / 2.0
    lit = tuple(min(255, v + 60) for v in body)
    dark = tuple(max(0, v - 40) for v in body)
    for (x, y) in sorted(cells):
        if any(n not in cells for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
            col = edge
        elif (x - mx) + (y - my) < -2.5:
            col = lit
        elif (x - mx) + (y - my) > 2.5:
            col = dark
        else:
            col = body
        c.px(x, y, col)


def two_gears():
    """157: a process, two gear wheels in mesh."""
    c = Canvas(16, 16, WHITE)
    big = _gear_mask(6, 9, 3, 2, 1.5)
    small = _gear_mask(12, 3, 2, 1, 0.5, wide=0)
    _gear(c, small - big, (222, 168, 60), (110, 70, 10))
    _gear(c, big, (150, 158, 176), (44, 48, 64))
    return c


def one_gear():
    """158: a thread, one gear wheel."""
    c = Canvas(16, 16, WHITE)
    _gear(c, _gear_mask(7, 7, 4, 2, 1.5), (150, 158, 176), (44, 48, 64))
    return c


def window_visible():
    """159: a visible window."""
    c = Canvas(16, 16, WHITE)
    c.art(0, 0, [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kbbbbbbbbbbbbk.",
        ".kbllllbbbbgrgk.",
        ".kbbbbbbbbbbbbk.",
        ".kkkkkkkkkkkkkk.",
        ".kccccccccccccK.",
        ".kcsssssscccccK.",
        ".kccccccccccccK.",
        ".kcsssssssssccK.",
        ".kccccccccccccK.",
        ".kcsssssccccccK.",
        ".kccccccccccccK.",
        ".kKKKKKKKKKKKKK.",
        "................",
        "................",
    ], {
        'k': (40, 48, 80), 'K': (24, 28, 48), 'b': (36, 92, 200), 'l': (200, 220, 255),
        'g': (230, 230, 230), 'r': (216, 56, 40), 'c': (232, 240, 252), 's': (150, 160, 180)})
    return c


def window_hidden():
    """160: a hidden window: the same window, drawn as a dotted outline."""
    c = Canvas(16, 16, WHITE)
    c.art(0, 0, [
        "................",
        ".k.k.k.k.k.k.k..",
        "..............k.",
        ".k..pppp........",
        "..............k.",
        ".k.k.k.k.k.k.k..",
        "..............k.",
        ".k..............",
        "..............k.",
        ".k..............",
        "..............k.",
        ".k..............",
        "..............k.",
        ".k.k.k.k.k.k.k..",
    ], {'k': (60, 70, 110), 'p': (160, 180, 220)})
    return c


def toolbar_button():
    """Toolbar 128: one 16 x 15 button image on the button face."""
    c = Canvas(16, 15, FACE)
    _node_tree(c, 0.0, -0.5, 16)
    return c


def _node(c, x0, y0, size, fill, edge):
    """A rounded square node with a lit top edge."""
    c.shape(lambda x, y: _rounded(x, y, x0, y0, x0 + size, y0 + size, size * 0.22), edge,
            (x0 - 1, y0 - 1, x0 + size + 1, y0 + size + 1))
    inset = max(1.0, size / 9.0)
    c.shape(lambda x, y: _rounded(x, y, x0 + inset, y0 + inset, x0 + size - inset, y0 + size - inset,
                                  size * 0.15), fill, (x0, y0, x0 + size, y0 + size))
    lit = tuple(min(255, v + 70) for v in fill)
    c.shape(lambda x, y: _rounded(x, y, x0 + inset, y0 + inset, x0 + size - inset, y0 + size - inset,
                                  size * 0.15) and y < y0 + size * 0.42, lit, (x0, y0, x0 + size, y0 + size))


def _rounded(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def _node_tree(c, ox, oy, size):
    """A small tree of nodes, drawn to fit a size x size square at (ox, oy):
    an orange root over two blue children, joined by lines."""
    s = size / 16.0
    ink = (60, 60, 72)
    lw = max(1.0, 1.0 * s)
    mid = ox + 8.0 * s
    bar = oy + 8.5 * s
    c.line(mid, oy + 5 * s, mid, bar, lw, ink)
    c.line(ox + 3.5 * s, bar, ox + 12.5 * s, bar, lw, ink)
    c.line(ox + 3.5 * s, bar, ox + 3.5 * s, oy + 11 * s, lw, ink)
    c.line(ox + 12.5 * s, bar, ox + 12.5 * s, oy + 11 * s, lw, ink)
    _node(c, ox + 5.0 * s, oy + 0.5 * s, 6.0 * s, ORANGE, (150, 50, 0))
    _node(c, ox + 0.5 * s, oy + 10.0 * s, 6.0 * s, (40, 110, 220), (16, 48, 120))
    _node(c, ox + 9.5 * s, oy + 10.0 * s, 6.0 * s, (40, 110, 220), (16, 48, 120))


def app_icon(size):
    """Icon 128: the tree of nodes on a transparent background."""
    c = Canvas(size, size, BLACK, alpha=0)
    _node_tree(c, 0.0, 0.0, size)
    return c


def push_pin():
    """253: a black push-pin on grey (the clip button), leaning with its
    point to the lower left."""
    c = Canvas(20, 20, FACE)
    # Along the pin: u from the top of the head towards the point, v across.
    ax, ay = 15.6, 3.4
    ux, uy = -math.sqrt(0.5), math.sqrt(0.5)

    def uv(x, y):
        du, dv = x - ax, y - ay
        return du * ux + dv * uy, -du * uy + dv * ux

    def part(u0, u1, half, r):
        return lambda x, y: _rounded(*uv(x, y), u0, -half, u1, half, r)

    head, waist, collar = part(0.0, 3.4, 3.9, 1.4), part(3.0, 6.6, 1.7, 0.3), part(6.3, 7.9, 4.5, 0.7)
    box = (0, 0, 19, 19)

    def point(t):
        return ax + ux * t, ay + uy * t
    c.stroke([point(7.5), point(14.5)], 1.3, (96, 96, 104))
    c.stroke([point(14.5), point(16.2)], 0.8, (120, 120, 128))
    c.shape(lambda x, y: head(x, y) or waist(x, y) or collar(x, y), (18, 18, 22), box)
    # Shine on the lit edges of the head and the collar.
    shine = (150, 150, 160)
    c.stroke([(ax + ux * 0.9 - uy * 2.6, ay + uy * 0.9 + ux * 2.6),
              (ax + ux * 2.6 - uy * 2.6, ay + uy * 2.6 + ux * 2.6)], 1.0, shine)
    c.stroke([(ax + ux * 7.0 - uy * 3.4, ay + uy * 7.0 + ux * 3.4),
              (ax + ux * 7.1 - uy * 1.6, ay + uy * 7.1 + ux * 1.6)], 0.9, shine)
    return c


def help_page():
    """255: a blue question mark on a white page (the help button)."""
    c = Canvas(20, 20, FACE)
    edge = (64, 64, 64)
    c.polygon([(3.5, 1.5), (12.5, 1.5), (16.5, 5.5), (16.5, 18.5), (3.5, 18.5)], edge)
    c.polygon([(4.5, 2.5), (11.8, 2.5), (15.5, 6.2), (15.5, 17.5), (4.5, 17.5)], WHITE)
    c.polygon([(11.5, 1.5), (12.5, 1.5), (16.5, 5.5), (16.5, 6.5), (11.5, 6.5)], edge)
    c.polygon([(12.5, 2.9), (15.1, 5.5), (12.5, 5.5)], (220, 220, 220))
    c.art(6, 5, [
        ".####.",
        "##..##",
        "....##",
        "...##.",
        "..##..",
        "..##..",
        "......",
        "..##..",
        "..##..",
    ], {'#': (0, 64, 210)})
    return c


def floppy():
    """257: a floppy disk (the save button)."""
    c = Canvas(20, 20, FACE)
    c.art(0, 0, [
        "....................",
        "....................",
        "..kkkkkkkkkkkkkkk...",
        "..kddsssssssssddkk..",
        "..kddsssssshhsdddk..",
        "..kddsssssshhsdddk..",
        "..kddsssssshhsdddk..",
        "..kdddssssssssdddk..",
        "..kdddddddddddddDk..",
        "..kdddddddddddddDk..",
        "..kddwwwwwwwwwwwDk..",
        "..kddwllllllllwwDk..",
        "..kddwwwwwwwwwwwDk..",
        "..kddwllllllwwwwDk..",
        "..kddwwwwwwwwwwwDk..",
        "..kddwllllllllwwDk..",
        "..kddwwwwwwwwwwwDk..",
        "..kkkkkkkkkkkkkkkk..",
        "....................",
        "....................",
    ], {'k': (16, 16, 32), 'd': (44, 72, 150), 'D': (30, 50, 110), 's': (214, 214, 220),
        'h': (44, 72, 150), 'w': WHITE, 'l': (120, 140, 210)})
    return c


def swirl():
    """254: a thin grey swirl on a light background (the popup's ornament)."""
    c = Canvas(56, 20, (250, 250, 242))
    grey = (120, 120, 120)

    def curl(cx, cy, r0, turns, start, direction):
        pts = []
        n = 60
        for i in range(n + 1):
            t = i / n
            a = start + direction * t * turns * 2 * math.pi
            r = r0 * (1.0 - 0.78 * t)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        return pts

    # A gentle wave across the middle that rolls up into a curl at each end.
    wave = [(14.0 + i * 0.5, 10.0 + 3.2 * math.sin((i * 0.5) / 28.0 * 2 * math.pi)) for i in range(57)]
    left = curl(9.0, 10.0, 5.0, 1.25, 0.0, -1.0)
    right = curl(47.0, 10.0, 5.0, 1.25, math.pi, -1.0)
    c.stroke(list(reversed(left)) + wave + right, 1.1, grey)
    return c


# -- the tip picture ---------------------------------------------------------

TIP_TEXT = "Click the red square on the Start button to start"


def _popup_scene(c, x0, y0, w, h, icons):
    """The tree popup as the user sees it: sizing frame, button strip, tree."""
    x1, y1 = x0 + w - 1, y0 + h - 1
    c.rect(x0, y0, x1, y1, FACE)
    c.bevel(x0, y0, x1, y1, (224, 224, 224), SHADOW, DKSHADOW)
    c.bevel(x0 + 1, y0 + 1, x1 - 1, y1 - 1, WHITE, (160, 160, 160))
    cx0, cy0 = x0 + 4, y0 + 4          # the client area
    cw = w - 8
    c.paste(icons['clip'], cx0, cy0)
    c.paste(icons['save'], cx0 + 25, cy0)
    c.paste(icons['swirl'], x0 + w // 2 - 28, cy0)
    c.paste(icons['help'], x0 + w - 26, cy0)
    # The tree, 2 pixels in from the client edges, below the 22-pixel strip.
    tx0, ty0, tx1, ty1 = cx0 + 2, cy0 + 22, cx0 + cw - 3, y1 - 6
    sub = Canvas(tx1 - tx0 + 1, ty1 - ty0 + 1, TREE_BG)
    rows = [
        (0, 'p', "Process: 00000004 - System", '+'),
        (0, 'p', "Process: 000005A4 - explorer.exe", '-'),
        (1, 't', "Thread: 000005A8", '-'),
        (2, 'w', "Window: 00010064 \"\" Shell_TrayWnd", None),
        (2, 'h', "Window: 0001006A \"Start\" Button", None),
    ]
    dots = (150, 150, 150)
    row_h = 16

    def dotted(x, ya, yb):
        for y in range(ya, yb + 1, 2):
            sub.px(x, y, dots)

    # Trunks: the root level and the expanded items run on past the bottom.
    dotted(9, 8, sub.h)
    dotted(28, row_h + 16, sub.h)
    dotted(47, 2 * row_h + 16, 4 * row_h + 8)
    for i, (depth, kind, label, box) in enumerate(rows):
        top = 1 + i * row_h
        mid = top + 8
        lx = 9 + depth * 19
        for x in range(lx, lx + 10, 2):
            sub.px(x, mid, dots)
        if box:
            sub.rect(lx - 4, mid - 4, lx + 4, mid + 4, WHITE)
            sub.frame(lx - 4, mid - 4, lx + 4, mid + 4, (130, 135, 150))
            sub.rect(lx - 2, mid, lx + 2, mid, BLACK)
            if box == '+':
                sub.rect(lx, mid - 2, lx, mid + 2, BLACK)
        sub.paste(icons[kind], lx + 9, top, key=WHITE)
        sub.text(lx + 27, top + 4, label, BLACK)
    c.paste(sub, tx0, ty0)


def _start_button(c, x0, y0, w, h):
    x1, y1 = x0 + w - 1, y0 + h - 1
    c.rect(x0, y0, x1, y1, FACE)
    c.bevel(x0, y0, x1, y1, WHITE, SHADOW, BLACK)
    # A four-coloured flag and the bold word.
    fx, fy = x0 + 5, y0 + (h - 10) // 2
    for (dx, dy, col) in ((0, 0, (230, 60, 30)), (5, 0, (40, 170, 60)),
                          (0, 5, (30, 90, 220)), (5, 5, (250, 200, 20))):
        c.rect(fx + dx, fy + dy, fx + dx + 3, fy + dy + 3, col)
    c.text(fx + 13, y0 + (h - 7) // 2, "Start", BLACK, bold=True)


def _wobbly_loop(cx, cy, rx, ry, start, turns, squareness, wobble, drift, n=60):
    """Points of a loop drawn by hand: a rounded box shape (squareness 2 is
    an ellipse, more is boxier) that overshoots and drifts a little."""
    pts = []
    for i in range(n + 1):
        t = i / n
        a = start + t * turns * 2 * math.pi
        ca, sa = math.cos(a), math.sin(a)
        ex = 2.0 / squareness
        x = math.copysign(abs(ca) ** ex, ca)
        y = math.copysign(abs(sa) ** ex, sa)
        k = 1.0 + wobble * math.sin(3 * a + 0.7)
        pts.append((cx + rx * k * x + drift[0] * t, cy + ry * k * y + drift[1] * t))
    return pts


def tip(icons):
    """290: the start-up tip, 330 x 170."""
    W, H = 330, 170
    c = Canvas(W, H, WHITE)
    # The message along the top, with wide word gaps for the loop to pass.
    ink = (0, 0, 90)
    sp = 5
    tw = text_width(TIP_TEXT, bold=True, space=sp)
    tx, ty = (W - tw) // 2, 8
    c.text(tx, ty, TIP_TEXT, ink, bold=True, space=sp)
    # The desktop, its taskbar and the Start button.
    sy = 26
    c.rect(0, sy, W - 1, H - 1, (58, 110, 165))
    tb = H - 22
    c.rect(0, tb, W - 1, H - 1, FACE)
    c.rect(0, tb, W - 1, tb, (224, 224, 224))
    c.rect(0, tb + 1, W - 1, tb + 1, WHITE)
    bx, by, bw, bh = 6, tb + 3, 58, 18
    _start_button(c, bx, by, bw, bh)
    # The overlay on the button's left half: every other pixel orange.
    for y in range(bh):
        for x in range(bw // 2):
            if (x + y) % 2 == 0:
                c.px(bx + x, by + y, ORANGE)
    # A clock in the tray, for a taskbar that looks lived in.
    c.rect(W - 48, tb + 3, W - 3, H - 2, FACE)
    c.bevel(W - 48, tb + 3, W - 3, H - 2, SHADOW, WHITE)
    c.text(W - 38, tb + 8, "12:00", BLACK)
    # The popup, open above the Start button.
    _popup_scene(c, bx, sy + 4, 196, tb - sy - 10, icons)
    # The mouse pointer on the overlay.
    c.art(bx + 5, by + 6, [
        "k...........",
        "kk..........",
        "kwk.........",
        "kwwk........",
        "kwwwk.......",
        "kwwwwk......",
        "kwwwwwk.....",
        "kwwwwwwk....",
        "kwwwwwwwk...",
        "kwwwwwkkkk..",
        "kwwkwwk.....",
        "kwk.kwwk....",
        "kk..kwwk....",
    ], {'k': BLACK, 'w': WHITE})
    # The red loop: round the words "red square", off to the right of the
    # popup, down to the taskbar and round the overlay.
    red = (214, 16, 16)
    gap = (3 + sp) / 2.0 + 0.5
    rx0 = tx + text_width("Click the ", bold=True, space=sp) - gap
    rx1 = tx + text_width("Click the red square", bold=True, space=sp) + gap + 1
    rcx, rcy = (rx0 + rx1) / 2.0, ty + 4.5
    words = _wobbly_loop(rcx, rcy, (rx1 - rx0) / 2.0, 8.0, math.pi * 0.12, -1.05, 6.0, 0.02, (1.0, 1.0))
    ox, oy = bx + bw / 4.0, by + bh / 2.0 - 1.0
    ring = _wobbly_loop(ox, oy, 18.0, 9.5, -math.pi * 0.45, -1.08, 3.0, 0.04, (1.5, 0.5))
    swoop = catmull_rom([
        words[-1], (rx1 + 16.0, 21.0), (212.0, 23.0), (244.0, 50.0), (246.0, 110.0),
        (222.0, 145.0), (150.0, 156.0), (90.0, 155.0), ring[0],
    ], steps=14)
    c.stroke(words + swoop[1:-1] + ring, 2.4, red)
    return c


# ---------------------------------------------------------------------------


def build():
    icons = {
        'p': two_gears(), 't': one_gear(), 'w': window_visible(), 'h': window_hidden(),
        'clip': push_pin(), 'help': help_page(), 'save': floppy(), 'swirl': swirl(),
    }
    files = {
        'overlay.bmp': bmp_bytes(overlay()),
        'process.bmp': bmp_bytes(icons['p']),
        'thread.bmp': bmp_bytes(icons['t']),
        'window.bmp': bmp_bytes(icons['w']),
        'window_hidden.bmp': bmp_bytes(icons['h']),
        'clip.bmp': bmp_bytes(icons['clip']),
        'swirl.bmp': bmp_bytes(icons['swirl']),
        'help.bmp': bmp_bytes(icons['help']),
        'save.bmp': bmp_bytes(icons['save']),
        'tip.bmp': bmp_bytes(tip(icons)),
        'toolbar.bmp': bmp_bytes(toolbar_button()),
        'korvane.ico': ico_bytes([app_icon(32), app_icon(16)]),
    }
    return files


def main(argv):
    out = argv[1] if len(argv) > 1 else HERE
    for name, data in sorted(build().items()):
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
