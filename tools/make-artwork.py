#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw Vantrel's artwork procedurally and write it into an assets folder.

Usage: make-artwork.py [OUTPUT_DIR]     (default: <repo>/assets)

Only the Python standard library is used for drawing.  PNG and ICO files are
encoded here; JPEG and BMP files are encoded by ImageMagick's `convert`, with
metadata stripped and fixed encoder settings so that the output is
byte-identical from run to run.

Drawing model: every shape is a signed distance function in unit coordinates
(0..1 across the image, y pointing down).  Each pixel is supersampled and each
sample gets an analytic coverage from the distance, which gives clean
anti-aliased edges at every size from the same description.
"""

import math
import os
import struct
import subprocess
import sys
import zlib

# --------------------------------------------------------------------------
# Palette

def hex_rgb(h):
    h = h.lstrip('#')
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))

SLATE = hex_rgb('#3B5B92')
SLATE_DARK = hex_rgb('#243A63')
TEAL = hex_rgb('#008080')
TEAL_LIGHT = hex_rgb('#5CC8C0')
AMBER = hex_rgb('#F2A33A')
WHITE = hex_rgb('#FFFFFF')
COLUMN_GREY = hex_rgb('#CDCDCD')
BADGE = hex_rgb('#F7F8FA')
GREEN = hex_rgb('#2EB872')
GREEN_DARK = hex_rgb('#1F7A4C')
GREEN_DIM = hex_rgb('#1C5E3D')
GREEN_DIM_DARK = hex_rgb('#134029')
INK = hex_rgb('#1B2433')

# --------------------------------------------------------------------------
# Shapes: objects with sd(x, y) -> signed distance (negative inside) and a
# bounding box (x0, y0, x1, y1) outside of which sd > 0 is guaranteed.


class Circle:
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def sd(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ring:
    """Annulus of centre radius r and thickness w."""

    def __init__(self, cx, cy, r, w):
        self.cx, self.cy, self.r, self.w = cx, cy, r, w
        e = r + w / 2
        self.bbox = (cx - e, cy - e, cx + e, cy + e)

    def sd(self, x, y):
        return abs(math.hypot(x - self.cx, y - self.cy) - self.r) - self.w / 2


class Arc:
    """Circular arc with round caps.  Angles in degrees, y-down (0 = right,
    90 = down); the arc runs from start through start + sweep."""

    def __init__(self, cx, cy, r, start, sweep, w):
        self.cx, self.cy, self.r, self.w = cx, cy, r, w
        self.a0 = math.radians(start)
        self.sweep = math.radians(sweep)
        a1 = self.a0 + self.sweep
        self.e0 = (cx + r * math.cos(self.a0), cy + r * math.sin(self.a0))
        self.e1 = (cx + r * math.cos(a1), cy + r * math.sin(a1))
        e = r + w / 2
        self.bbox = (cx - e, cy - e, cx + e, cy + e)

    def sd(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        t = (math.atan2(dy, dx) - self.a0) % (2 * math.pi)
        if t <= self.sweep:
            return abs(math.hypot(dx, dy) - self.r) - self.w / 2
        d0 = math.hypot(x - self.e0[0], y - self.e0[1])
        d1 = math.hypot(x - self.e1[0], y - self.e1[1])
        return min(d0, d1) - self.w / 2


class Segment:
    """Line segment with round caps (a capsule) of thickness w."""

    def __init__(self, ax, ay, bx, by, w):
        self.a, self.b, self.w = (ax, ay), (bx, by), w
        e = w / 2
        self.bbox = (min(ax, bx) - e, min(ay, by) - e,
                     max(ax, bx) + e, max(ay, by) + e)

    def sd(self, x, y):
        return seg_dist(x, y, self.a, self.b) - self.w / 2


class RoundRect:
    def __init__(self, x0, y0, x1, y1, r):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hw, self.hh = (x1 - x0) / 2, (y1 - y0) / 2
        self.r = min(r, self.hw, self.hh)
        self.bbox = (x0, y0, x1, y1)

    def sd(self, x, y):
        qx = abs(x - self.cx) - (self.hw - self.r)
        qy = abs(y - self.cy) - (self.hh - self.r)
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r


class Polygon:
    def __init__(self, pts):
        self.pts = list(pts)
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def sd(self, x, y):
        pts = self.pts
        n = len(pts)
        best = float('inf')
        inside = False
        for i in range(n):
            a = pts[i]
            b = pts[(i + 1) % n]
            best = min(best, seg_dist(x, y, a, b))
            if (a[1] > y) != (b[1] > y):
                xc = a[0] + (y - a[1]) * (b[0] - a[0]) / (b[1] - a[1])
                if x < xc:
                    inside = not inside
        return -best if inside else best


class Offset:
    """Grow (d > 0) or shrink (d < 0) a shape; growing rounds its corners."""

    def __init__(self, shape, d):
        self.shape, self.d = shape, d
        x0, y0, x1, y1 = shape.bbox
        g = max(d, 0.0)
        self.bbox = (x0 - g, y0 - g, x1 + g, y1 + g)

    def sd(self, x, y):
        return self.shape.sd(x, y) - self.d


class Union:
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (min(s.bbox[0] for s in shapes), min(s.bbox[1] for s in shapes),
                     max(s.bbox[2] for s in shapes), max(s.bbox[3] for s in shapes))

    def sd(self, x, y):
        return min(s.sd(x, y) for s in self.shapes)


class Intersect:
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (max(s.bbox[0] for s in shapes), max(s.bbox[1] for s in shapes),
                     min(s.bbox[2] for s in shapes), min(s.bbox[3] for s in shapes))

    def sd(self, x, y):
        return max(s.sd(x, y) for s in self.shapes)


class Subtract:
    def __init__(self, shape, cut):
        self.shape, self.cut = shape, cut
        self.bbox = shape.bbox

    def sd(self, x, y):
        return max(self.shape.sd(x, y), -self.cut.sd(x, y))


class Everything:
    bbox = (0.0, 0.0, 1.0, 1.0)

    def sd(self, x, y):
        return -1.0


def seg_dist(x, y, a, b):
    ax, ay = a
    bx, by = b
    vx, vy = bx - ax, by - ay
    wx, wy = x - ax, y - ay
    ll = vx * vx + vy * vy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, (wx * vx + wy * vy) / ll))
    return math.hypot(wx - t * vx, wy - t * vy)


# --------------------------------------------------------------------------
# Paints: a plain colour or a function of (x, y) -> (r, g, b).


def linear_gradient(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy

    def paint(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / ll))
        return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(3))
    return paint


# --------------------------------------------------------------------------
# Rendering


class Image:
    """RGBA image, premultiplied floats 0..1 while drawing."""

    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        if background is None:
            self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        else:
            r, g, b = (c / 255.0 for c in background)
            self.px = [[r, g, b, 1.0] for _ in range(w * h)]

    def draw(self, shape, paint, alpha=1.0, ss=3):
        """Fill `shape` with `paint` (colour tuple or function)."""
        w, h = self.w, self.h
        scale = float(max(w, h))
        # Coverage ramps over one subsample width.
        ramp = 1.0 / (scale * ss)
        x0, y0, x1, y1 = shape.bbox
        px0 = max(0, int(math.floor(x0 * scale - 1)))
        py0 = max(0, int(math.floor(y0 * scale - 1)))
        px1 = min(w, int(math.ceil(x1 * scale + 1)))
        py1 = min(h, int(math.ceil(y1 * scale + 1)))
        offs = [(k + 0.5) / ss for k in range(ss)]
        n = ss * ss
        fixed = None if callable(paint) else tuple(c / 255.0 for c in paint)
        for py in range(py0, py1):
            for px in range(px0, px1):
                cov = 0.0
                cr = cg = cb = 0.0
                for oy in offs:
                    y = (py + oy) / scale
                    for ox in offs:
                        x = (px + ox) / scale
                        c = 0.5 - shape.sd(x, y) / ramp
                        if c <= 0.0:
                            continue
                        if c > 1.0:
                            c = 1.0
                        cov += c
                        if fixed is None:
                            pr, pg, pb = paint(x, y)
                            cr += c * pr
                            cg += c * pg
                            cb += c * pb
                if cov <= 0.0:
                    continue
                if fixed is None:
                    col = (cr / cov / 255.0, cg / cov / 255.0, cb / cov / 255.0)
                else:
                    col = fixed
                a = alpha * cov / n
                p = self.px[py * w + px]
                k = 1.0 - a
                p[0] = col[0] * a + p[0] * k
                p[1] = col[1] * a + p[1] * k
                p[2] = col[2] * a + p[2] * k
                p[3] = a + p[3] * k

    def rgba8(self):
        """List of (r, g, b, a) 8-bit tuples, straight (not premultiplied)."""
        out = []
        for r, g, b, a in self.px:
            if a <= 0.0:
                out.append((0, 0, 0, 0))
                continue
            a8 = to8(a)
            if a8 == 0:
                out.append((0, 0, 0, 0))
                continue
            out.append((to8(r / a), to8(g / a), to8(b / a), a8))
        return out

    def rgb8(self):
        return [(r, g, b) for r, g, b, _ in self.rgba8()]


def to8(v):
    return max(0, min(255, int(v * 255.0 + 0.5)))


class Svg:
    """A canvas with Image's draw() that writes the shapes as SVG instead of
    pixels, for the scalable icon.  It knows the shapes the icon uses."""

    def __init__(self, size):
        self.size = size
        self.elements = []

    def _n(self, v):
        return ('%.3f' % (v * self.size)).rstrip('0').rstrip('.')

    def _points(self, pts):
        return ' '.join('%s,%s' % (self._n(x), self._n(y)) for x, y in pts)

    def draw(self, shape, paint):
        colour = '#%02X%02X%02X' % paint
        if isinstance(shape, Arc):
            large = 1 if shape.sweep > math.pi else 0
            self.elements.append(
                '<path d="M%s %sA%s %s 0 %d 1 %s %s" fill="none" stroke="%s" '
                'stroke-width="%s" stroke-linecap="round"/>' % (
                    self._n(shape.e0[0]), self._n(shape.e0[1]), self._n(shape.r),
                    self._n(shape.r), large, self._n(shape.e1[0]),
                    self._n(shape.e1[1]), colour, self._n(shape.w)))
        elif isinstance(shape, Offset) and isinstance(shape.shape, Polygon):
            # Growing a polygon rounds its corners: a round-joined stroke.
            self.elements.append(
                '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" '
                'stroke-linejoin="round"/>' % (self._points(shape.shape.pts), colour,
                                               colour, self._n(2 * shape.d)))
        elif isinstance(shape, Polygon):
            self.elements.append('<polygon points="%s" fill="%s"/>' % (
                self._points(shape.pts), colour))
        else:
            raise TypeError('no SVG form for %s' % type(shape).__name__)

    def text(self):
        return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
                'viewBox="0 0 %d %d">\n%s\n</svg>\n' % (
                    self.size, self.size, self.size, self.size,
                    '\n'.join(self.elements)))


# --------------------------------------------------------------------------
# Encoders


def write_png(path, w, h, rgba):
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for r, g, b, a in rgba[y * w:(y + 1) * w]:
            raw += bytes((r, g, b, a))

    def chunk(tag, data):
        c = struct.pack('>I', len(data)) + tag + data
        return c + struct.pack('>I', zlib.crc32(tag + data) & 0xffffffff)

    data = b'\x89PNG\r\n\x1a\n'
    data += chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0))
    data += chunk(b'IDAT', zlib.compress(bytes(raw), 9))
    data += chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(data)


def run_convert(w, h, rgb, args, out):
    raw = b''.join(bytes(p) for p in rgb)
    cmd = ['convert', '-size', '%dx%d' % (w, h), '-depth', '8', 'rgb:-',
           '-strip', '-type', 'TrueColor'] + args + [out]
    subprocess.run(cmd, input=raw, check=True)


def write_jpeg(path, w, h, rgb):
    # 4:4:4 keeps coloured edges crisp at these small sizes.
    run_convert(w, h, rgb,
                ['-quality', '90', '-sampling-factor', '1x1,1x1,1x1',
                 '-interlace', 'None', '-define', 'jpeg:optimize-coding=true',
                 '-define', 'jpeg:dct-method=islow'],
                'jpeg:' + path)


def write_bmp24(path, w, h, rgb):
    run_convert(w, h, rgb, ['-alpha', 'off', '-compress', 'None'], 'BMP3:' + path)


def ico_palette():
    """Fixed 256-colour palette: black first (index 0 is what transparent
    pixels hold, so the AND/XOR masks leave the screen untouched), brand
    colours, a 6x6x6 cube, then greys."""
    pal = [(0, 0, 0)]
    brand = (SLATE, TEAL, AMBER)
    for c in brand + (SLATE_DARK, TEAL_LIGHT, WHITE):
        if c not in pal:
            pal.append(c)
    # Tints between the brand colours and white / each other, so that the
    # anti-aliased edges keep their hue after quantisation.
    for i, c in enumerate(brand):
        for other in (WHITE,) + brand[i + 1:]:
            steps = 8 if other == WHITE else 4
            for t in (j / steps for j in range(1, steps)):
                m = tuple(int(c[k] + (other[k] - c[k]) * t + 0.5) for k in range(3))
                if m not in pal:
                    pal.append(m)
    levels = (0, 51, 102, 153, 204, 255)
    for r in levels:
        for g in levels:
            for b in levels:
                if (r, g, b) not in pal:
                    pal.append((r, g, b))
    assert len(pal) <= 256
    # Fill up with greys, each as far as possible from the greys present.
    while len(pal) < 256:
        greys = [c[0] for c in pal if c[0] == c[1] == c[2]]
        v = max(range(256), key=lambda g: (min(abs(g - h) for h in greys), -g))
        pal.append((v, v, v))
    assert len(pal) == 256
    return pal


def nearest(pal, c, cache):
    idx = cache.get(c)
    if idx is None:
        best = None
        for i, p in enumerate(pal):
            d = (2 * (p[0] - c[0]) ** 2 + 4 * (p[1] - c[1]) ** 2
                 + 3 * (p[2] - c[2]) ** 2)
            if best is None or d < best:
                best, idx = d, i
        cache[c] = idx
    return idx


def and_mask(w, h, rgba, threshold):
    """1 bpp, bottom-up, rows padded to 32 bits; 1 = transparent."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if rgba[y * w + x][3] < threshold:
                row[x >> 3] |= 0x80 >> (x & 7)
        out += row
    return bytes(out)


def bmp_header(w, h, bpp, image_size, colours):
    return struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, bpp, 0, image_size,
                       0, 0, colours, 0)


def ico_image_32(w, h, rgba):
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for r, g, b, a in rgba[y * w:(y + 1) * w]:
            xor += bytes((b, g, r, a))
    mask = and_mask(w, h, rgba, 1)
    return bmp_header(w, h, 32, len(xor) + len(mask), 0) + bytes(xor) + mask


def ico_image_8(w, h, rgba, pal):
    cache = {}
    stride = (w + 3) & ~3
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            r, g, b, a = rgba[y * w + x]
            row[x] = nearest(pal, (r, g, b), cache) if a >= 128 else 0
        xor += row
    mask = and_mask(w, h, rgba, 128)
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in pal)
    return (bmp_header(w, h, 8, len(xor) + len(mask), 256) + table
            + bytes(xor) + mask)


def write_ico(path, images):
    """images: list of (w, h, bpp, data)."""
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    blobs = b''
    for w, h, bpp, data in images:
        entries += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, bpp,
                               len(data), offset)
        offset += len(data)
        blobs += data
    with open(path, 'wb') as f:
        f.write(head + entries + blobs)


# --------------------------------------------------------------------------
# Artwork

ARROW = [(0.0, 0.0), (0.0, 0.80), (0.19, 0.63), (0.31, 0.90),
         (0.44, 0.84), (0.32, 0.58), (0.57, 0.58)]


def arrow_polygon(tx, ty, s):
    return Polygon([(tx + x * s, ty + y * s) for x, y in ARROW])


def draw_pointer_motif(img, fill, outline, ring_inner, ring_outer,
                       tx, ty, s, size):
    """Arrow pointer with its tip at (tx, ty), height s, and two click rings
    around the tip.  `size` is the pixel size, used for minimum widths."""
    px = 1.0 / size
    rw = max(0.055 * s / 0.56, 1.1 * px)
    ow = 0.045 * s / 0.56
    if size <= 48:
        # Keep the arrow's straight edges on pixel boundaries at icon sizes.
        ow = max(1, round(ow * size)) * px
        tx = round(tx * size) * px
        ty = round(ty * size) * px
    r1 = 0.15 * s / 0.56
    r2 = 0.27 * s / 0.56
    if size < 24:
        # Small sizes: a single, bolder ring reads better than two.
        img.draw(Arc(tx, ty, (r1 + r2) / 2, 112, 268, rw * 1.25), ring_outer)
    else:
        img.draw(Arc(tx, ty, r2, 112, 268, rw), ring_outer)
        img.draw(Arc(tx, ty, r1, 112, 268, rw), ring_inner)
    arrow = arrow_polygon(tx, ty, s)
    img.draw(Offset(arrow, ow), outline)
    img.draw(arrow, fill)


def motif_layout(margin):
    """Tip position and arrow height so the motif fills [margin, 1-margin]."""
    # Extent relative to the tip, for arrow height s: left/up by the outer
    # ring (0.27/0.56 s plus half a ring width), right by 0.57 s, down 0.90 s.
    k_ring = (0.27 + 0.0275) / 0.56
    k_out = 0.045 / 0.56
    width = k_ring + 0.57 + k_out
    height = k_ring + 0.90 + k_out
    s = (1.0 - 2 * margin) / max(width, height)
    tx = 0.5 - width * s / 2 + k_ring * s
    ty = 0.5 - height * s / 2 + k_ring * s
    return tx, ty, s


def app_icon(size, img=None):
    """The program icon at `size` pixels, on `img` (an Image by default)."""
    img = img or Image(size, size)
    margin = 0.06 if size < 24 else 0.04
    tx, ty, s = motif_layout(margin)
    draw_pointer_motif(img, WHITE, SLATE, AMBER, TEAL, tx, ty, s, size)
    return img


def about_banner(size=64):
    img = Image(size, size)
    img.draw(Everything(), linear_gradient(0.0, 0.0, TEAL, 1.0, 1.0, SLATE))
    tx, ty, s = motif_layout(0.12)
    draw_pointer_motif(img, WHITE, SLATE_DARK, AMBER, TEAL_LIGHT, tx, ty, s, size)
    return img


def corner_base(size=110):
    img = Image(size, size, COLUMN_GREY)
    img.draw(Circle(0.5, 0.5, 0.43), BADGE)
    img.draw(Ring(0.5, 0.5, 0.43, 0.012), hex_rgb('#B9BEC8'))
    return img


def corner_clicker(size=110):
    img = corner_base(size)
    # Mouse body.
    x0, y0, x1, y1 = 0.34, 0.27, 0.66, 0.78
    r = 0.16
    stroke = 0.035
    body = RoundRect(x0, y0, x1, y1, r)
    split_y = 0.47
    img.draw(body, WHITE)
    left_button = Intersect(Offset(body, -stroke / 2),
                            RoundRect(0.0, 0.0, 0.5, split_y, 0.0))
    img.draw(left_button, TEAL)
    img.draw(Subtract(Offset(body, stroke / 2), Offset(body, -stroke / 2)), SLATE)
    img.draw(Segment(x0 + 0.01, split_y, x1 - 0.01, split_y, stroke * 0.8), SLATE)
    img.draw(Segment(0.5, y0 + 0.01, 0.5, split_y, stroke * 0.8), SLATE)
    # Click marks around the left button.
    cx, cy = 0.36, 0.28
    for ang in (200, 235, 270):
        a = math.radians(ang)
        img.draw(Segment(cx + 0.075 * math.cos(a), cy + 0.075 * math.sin(a),
                         cx + 0.135 * math.cos(a), cy + 0.135 * math.sin(a),
                         0.03), AMBER)
    return img


def corner_shutdown(size=110):
    img = corner_base(size)
    cx, cy = 0.47, 0.50
    w = 0.065
    img.draw(Arc(cx, cy, 0.20, -50, 280, w), SLATE)
    img.draw(Segment(cx, cy - 0.27, cx, cy - 0.06, w), SLATE)
    # Clock badge.
    bx, by, br = 0.66, 0.66, 0.135
    img.draw(Circle(bx, by, br + 0.025), BADGE)
    img.draw(Circle(bx, by, br), TEAL)
    img.draw(Ring(bx, by, br - 0.01, 0.012), hex_rgb('#33A3A3'))
    hw = 0.026
    img.draw(Segment(bx, by, bx, by - 0.085, hw), WHITE)
    img.draw(Segment(bx, by, bx + 0.065, by + 0.02, hw), WHITE)
    img.draw(Circle(bx, by, 0.02), WHITE)
    return img


def corner_about(size=110):
    img = corner_base(size)
    img.draw(Circle(0.5, 0.5, 0.29), SLATE)
    img.draw(Ring(0.5, 0.5, 0.335, 0.022), TEAL)
    img.draw(Circle(0.5, 0.36, 0.042), WHITE)
    img.draw(RoundRect(0.463, 0.45, 0.537, 0.67, 0.012), WHITE)
    img.draw(RoundRect(0.43, 0.45, 0.537, 0.49, 0.01), WHITE)
    img.draw(RoundRect(0.43, 0.635, 0.57, 0.675, 0.01), WHITE)
    return img


# The pointer beside "Current position", in pixels of its 15 x 21 picture.
POINTER = [(1, 1), (1, 17), (5, 13), (8.5, 20), (11.5, 20), (8, 13),
           (7.8, 12.5), (12.5, 12.5)]


def current_position(w=15, h=21):
    """Crisp (not anti-aliased) pointer arrow drawn on the pixel grid:
    1-pixel dark outline, white inside, on white."""
    # The tiny shift breaks ties for pixel centres lying exactly on the
    # 45-degree edges.
    arrow = Polygon([(x + 1 - 0.01, y - 0.013) for x, y in POINTER])

    def ins(x, y):
        return 0 <= x < w and 0 <= y < h and arrow.sd(x + 0.5, y + 0.5) < 0

    rgb = []
    for y in range(h):
        for x in range(w):
            if not ins(x, y):
                rgb.append(WHITE)
            elif all(ins(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                rgb.append(WHITE)
            else:
                rgb.append(INK)
    return rgb


def current_position_large(w=30, h=42):
    """The same pointer drawn twice as large: an outline as wide as one pixel
    of the small picture, straight edges on the pixel grid, slanted edges
    smooth."""
    img = Image(w, h, WHITE)
    unit = 2.0 / max(w, h)  # one pixel of the small picture
    # The small picture's corners, less the kink at the tail's root that only
    # steers which pixels its edge takes there.
    corners = POINTER[:5] + [(8, 12.5)] + POINTER[7:]
    arrow = Polygon([((x + 1) * unit, y * unit) for x, y in corners])
    img.draw(arrow, INK)
    img.draw(Offset(arrow, -unit), WHITE)
    return img.rgb8()


def working(frame, size=20):
    img = Image(size, size, WHITE)
    if frame == 1:
        border, body, dot, dot_r = GREEN_DARK, GREEN, WHITE, 0.22
    else:
        border, body, dot, dot_r = GREEN_DIM_DARK, GREEN_DIM, hex_rgb('#6FA88A'), 0.13
    img.draw(RoundRect(0.05, 0.05, 0.95, 0.95, 0.16), border)
    img.draw(RoundRect(0.11, 0.11, 0.89, 0.89, 0.11), body)
    img.draw(Circle(0.5, 0.5, dot_r), dot)
    return img


# --------------------------------------------------------------------------


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, '..', 'assets')
    out = os.path.abspath(out)
    os.makedirs(out, exist_ok=True)

    def path(name):
        return os.path.join(out, name)

    # Each picture at its own size, and a rendition twice as large ("@2x")
    # that the program draws instead on a high-density screen.
    for scale, suffix in ((1, ''), (2, '@2x')):
        for name, fn in (('corner-clicker', corner_clicker),
                         ('corner-shutdown', corner_shutdown),
                         ('corner-about', corner_about)):
            img = fn(110 * scale)
            write_jpeg(path(name + suffix + '.jpg'), img.w, img.h, img.rgb8())

        img = about_banner(64 * scale)
        write_jpeg(path('about-banner%s.jpg' % suffix), img.w, img.h, img.rgb8())

        for frame in (1, 2):
            img = working(frame, 20 * scale)
            write_jpeg(path('working-%d%s.jpg' % (frame, suffix)), img.w, img.h, img.rgb8())

    # The pointer is pixel art at its own size and drawn anew twice as large.
    write_bmp24(path('current-position.bmp'), 15, 21, current_position())
    write_bmp24(path('current-position@2x.bmp'), 30, 42, current_position_large())

    icons = {}
    for size in (16, 22, 24, 32, 48, 64, 128, 256):
        icons[size] = app_icon(size).rgba8()
        write_png(path('vantrel-%d.png' % size), size, size, icons[size])
    # The scalable icon draws the large sizes' shapes.
    with open(path('vantrel.svg'), 'w') as f:
        f.write(app_icon(256, Svg(256)).text())

    pal = ico_palette()
    images = []
    for bpp in (8, 32):
        for size in (48, 32, 16):
            if bpp == 8:
                data = ico_image_8(size, size, icons[size], pal)
            else:
                data = ico_image_32(size, size, icons[size])
            images.append((size, size, bpp, data))
    write_ico(path('vantrel.ico'), images)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
