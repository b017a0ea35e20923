#!/usr/bin/env python3
"""Draw Tessarion's picture and window icon.

Writes, next to the other data files:

  data/picture.gif  140 x 160, one frame, 16 shades of blue: a twenty-sided
                    die glowing in a starry night sky, with a small six-sided
                    die and a four-sided die resting beneath it.
  data/icon32.png   32 x 32 palette image, twenty-sided die, transparent corners.
  data/icon16.png   16 x 16 palette image of the same die.
  data/icon48.png ... data/icon256.png
                    the same die at 48, 64, 128 and 256 pixels for the desktop's
                    icon theme, its rim smoothed into transparency (RGBA).
  data/icon.svg     the same die as polygons, for any size.

Everything is drawn from simple geometry (polygons, lines, discs and radial
gradients).  Only the Python standard library is used: the GIF is written
with a small LZW encoder of our own, the PNG with zlib, the SVG as text.

Drawing works on "levels": a float from 0 (darkest navy) to 15 (palest sky
blue) per pixel.  Solid shapes are supersampled and rounded to the nearest
level; the soft glow of the sky is ordered-dithered so the gradient has no
bands.  The output is deterministic: running the script twice gives the
same bytes.
"""

import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------------------
# Palette: 16 blues from dark navy to pale sky blue.

PALETTE_STOPS = [
    (0.00, (2, 3, 14)),
    (0.20, (6, 16, 52)),
    (0.45, (18, 52, 120)),
    (0.70, (52, 112, 196)),
    (0.88, (128, 182, 238)),
    (1.00, (222, 238, 255)),
]


def make_palette(levels=16):
    colours = []
    for i in range(levels):
        t = i / (levels - 1)
        for (t0, c0), (t1, c1) in zip(PALETTE_STOPS, PALETTE_STOPS[1:]):
            if t0 <= t <= t1:
                f = (t - t0) / (t1 - t0)
                colours.append(tuple(int(round(a + (b - a) * f)) for a, b in zip(c0, c1)))
                break
    assert len(colours) == levels
    for r, g, b in colours:
        assert b >= g >= r, "every palette entry must be a blue"
    return colours


PALETTE = make_palette()
TOP = len(PALETTE) - 1

BAYER4 = [
    [0, 8, 2, 10],
    [12, 4, 14, 6],
    [3, 11, 1, 9],
    [15, 7, 13, 5],
]

# ---------------------------------------------------------------------------
# Geometry helpers.


def point_in_triangle(px, py, a, b, c):
    def side(p1, p2):
        return (px - p2[0]) * (p1[1] - p2[1]) - (p1[0] - p2[0]) * (py - p2[1])
    d1, d2, d3 = side(a, b), side(b, c), side(c, a)
    has_neg = d1 < 0 or d2 < 0 or d3 < 0
    has_pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (has_neg and has_pos)


def point_in_polygon(px, py, poly):
    inside = False
    n = len(poly)
    for i in range(n):
        x1, y1 = poly[i]
        x2, y2 = poly[(i + 1) % n]
        if (y1 > py) != (y2 > py):
            x = x1 + (py - y1) * (x2 - x1) / (y2 - y1)
            if px < x:
                inside = not inside
    return inside


def distance_to_segment(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    qx, qy = ax + t * dx, ay + t * dy
    return math.hypot(px - qx, py - qy)


class Shape:
    """A flat-shaded solid: filled faces, light edges, optional dark marks."""

    def __init__(self):
        self.faces = []   # (triangle or polygon points, level)
        self.edges = []   # (a, b, level, half width)
        self.marks = []   # (polygon points, level): drawn on top of faces

    def sample(self, x, y):
        """Level of the shape at (x, y), or None when the point is outside."""
        level = None
        for poly, face_level in self.faces:
            if len(poly) == 3:
                hit = point_in_triangle(x, y, *poly)
            else:
                hit = point_in_polygon(x, y, poly)
            if hit:
                level = face_level
                break
        if level is None:
            return None
        for poly, mark_level in self.marks:
            if point_in_polygon(x, y, poly):
                level = mark_level
        for a, b, edge_level, half in self.edges:
            if distance_to_segment(x, y, a, b) <= half:
                level = edge_level
        return level


def render_shape(shape, width, height, background, supersample=4, box=None):
    """Rasterise shape over a background level function.

    Returns (levels, coverage) as flat lists of floats.  Pixels outside box
    (x0, y0, x1, y1) are left to the background alone.
    """
    levels = [0.0] * (width * height)
    coverage = [0.0] * (width * height)
    n = supersample
    offsets = [(i + 0.5) / n for i in range(n)]
    x0, y0, x1, y1 = box if box else (0, 0, width, height)
    for y in range(height):
        for x in range(width):
            k = y * width + x
            if not (x0 <= x < x1 and y0 <= y < y1):
                levels[k] = background(x, y)
                continue
            total = 0.0
            hits = 0
            for oy in offsets:
                for ox in offsets:
                    v = shape.sample(x + ox, y + oy)
                    if v is not None:
                        total += v
                        hits += 1
            cover = hits / (n * n)
            coverage[k] = cover
            if hits == 0:
                levels[k] = background(x, y)
            else:
                inside = total / hits
                levels[k] = inside * cover + background(x, y) * (1 - cover)
    return levels, coverage


# ---------------------------------------------------------------------------
# The twenty-sided die, seen face on: a hexagon outline around an upward
# central triangle, ten visible faces.

def d20_shape(cx, cy, radius, inner=0.54, light=(-0.55, -0.83), edge_half=0.55,
              base=7.5, spread=5.0, centre_level=12, edge_level=15):
    hexagon = []
    for i in range(6):
        a = math.radians(-90 + 60 * i)
        hexagon.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    v0, v1, v2, v3, v4, v5 = hexagon
    tri = []
    for ang in (-90, 30, 150):
        a = math.radians(ang)
        tri.append((cx + radius * inner * math.cos(a), cy + radius * inner * math.sin(a)))
    A, B, C = tri
    outer = [
        (A, v5, v0), (A, v0, v1), (A, B, v1), (B, v1, v2), (B, v2, v3),
        (B, C, v3), (C, v3, v4), (C, v4, v5), (C, A, v5),
    ]
    shape = Shape()
    shape.faces.append(((A, B, C), centre_level))
    lx, ly = light
    for face in outer:
        mx = sum(p[0] for p in face) / 3 - cx
        my = sum(p[1] for p in face) / 3 - cy
        d = math.hypot(mx, my) or 1.0
        lit = (mx * lx + my * ly) / d          # -1 (away) .. 1 (towards light)
        level = int(round(base + spread * lit))
        shape.faces.append((face, max(1, min(TOP - 1, level))))
    lines = [(hexagon[i], hexagon[(i + 1) % 6]) for i in range(6)]
    lines += [(A, B), (B, C), (C, A)]
    lines += [(A, v5), (A, v0), (A, v1), (B, v1), (B, v2), (B, v3),
              (C, v3), (C, v4), (C, v5)]
    for a, b in lines:
        shape.edges.append((a, b, edge_level, edge_half))
    return shape, hexagon, tri


# A tiny 3 x 5 pixel font for the digits on the die.
DIGITS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
}


def digit_marks(text, left, top, scale, level):
    marks = []
    x = left
    for ch in text:
        rows = DIGITS[ch]
        for r, row in enumerate(rows):
            for c, cell in enumerate(row):
                if cell == "#":
                    x0 = x + c * scale
                    y0 = top + r * scale
                    marks.append(([(x0, y0), (x0 + scale, y0), (x0 + scale, y0 + scale),
                                   (x0, y0 + scale)], level))
        x += (len(rows[0]) + 1) * scale
    return marks


def cube_shape(cx, cy, size, top_level=12, left_level=7, right_level=4, edge_level=14):
    """A six-sided die in isometric view, three pips on its top face."""
    s = size
    h = s * 0.5
    top = [(cx, cy - h), (cx + s * 0.87, cy), (cx, cy + h), (cx - s * 0.87, cy)]
    left = [(cx - s * 0.87, cy), (cx, cy + h), (cx, cy + h + s), (cx - s * 0.87, cy + s)]
    right = [(cx, cy + h), (cx + s * 0.87, cy), (cx + s * 0.87, cy + s), (cx, cy + h + s)]
    shape = Shape()
    shape.faces += [(top, top_level), (left, left_level), (right, right_level)]
    outline = [top[0], top[1], right[2], right[3], left[3], left[0]]
    for i in range(len(outline)):
        shape.edges.append((outline[i], outline[(i + 1) % len(outline)], edge_level, 0.45))
    for a, b in ((top[3], top[2]), (top[2], top[1]), (top[2], left[2])):
        shape.edges.append((a, b, edge_level, 0.45))

    def pip(px, py, r, level):
        return ([(px + r * math.cos(t * math.pi / 4), py + r * 0.6 * math.sin(t * math.pi / 4))
                 for t in range(8)], level)

    # Three pips on the top face, along its long diagonal.
    for f in (-0.5, 0.0, 0.5):
        shape.marks.append(pip(cx + f * s * 0.87, cy, s * 0.16, 2))
    # Two pips on the left face, one on the right face.
    for fx, fy in ((0.3, 0.35), (0.7, 0.75)):
        px = cx - s * 0.87 + fx * s * 0.87
        py = cy + fx * h + fy * s
        shape.marks.append(pip(px, py, s * 0.13, 1))
    shape.marks.append(pip(cx + s * 0.435, cy + h * 0.5 + s * 0.5, s * 0.13, 0))
    return shape


def d4_shape(cx, cy, size, edge_level=14):
    """A four-sided die: a triangle split into a lit and a shaded face."""
    apex = (cx, cy - size)
    left = (cx - size * 0.95, cy + size * 0.55)
    right = (cx + size * 0.95, cy + size * 0.55)
    front = (cx + size * 0.12, cy + size * 0.75)
    shape = Shape()
    shape.faces.append(((apex, left, front), 10))
    shape.faces.append(((apex, front, right), 5))
    for a, b in ((apex, left), (left, front), (front, right), (right, apex), (apex, front)):
        shape.edges.append((a, b, edge_level, 0.45))
    return shape


# ---------------------------------------------------------------------------
# The picture.

class Rng:
    """Small deterministic generator (LCG) so the stars never move."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (1664525 * self.state + 1013904223) & 0xFFFFFFFF
        return self.state / 2 ** 32


def draw_picture():
    width, height = 140, 160
    cx, cy, radius = 70.0, 70.0, 50.0

    def sky(x, y):
        # Night sky: dark at the top, a little lighter near the ground, with
        # a soft halo around the die.
        base = 0.2 + 1.4 * (y / height) ** 2
        d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
        halo = 7.2 * math.exp(-max(0.0, d - radius * 0.78) / 13.0)
        floor = 2.6 * math.exp(-((y + 0.5 - 146) / 7.0) ** 2) * math.exp(-((x + 0.5 - cx) / 55.0) ** 2)
        return min(TOP - 2.0, base + halo + floor)

    shapes = []
    d20, hexagon, _ = d20_shape(cx, cy, radius, base=7.8, spread=4.0, centre_level=13)
    # "20" on the central face, dark on light.
    scale = 3
    text_w = (3 * 2 + 1) * scale
    d20.marks += digit_marks("20", cx - text_w / 2, cy - 2.5 * scale + 1.5, scale, 2)
    shapes.append((d20, (int(cx - radius) - 1, int(cy - radius) - 1,
                         int(cx + radius) + 2, int(cy + radius) + 2)))
    cube = cube_shape(32.0, 132.0, 14.0)
    shapes.append((cube, (16, 120, 50, 160)))
    d4 = d4_shape(110.0, 141.0, 13.0)
    shapes.append((d4, (94, 124, 126, 160)))

    # Start from the sky, then lay each shape over it.
    levels = [sky(x, y) for y in range(height) for x in range(width)]
    solid = [False] * (width * height)
    for shape, box in shapes:
        x0, y0, x1, y1 = box
        for y in range(max(0, y0), min(height, y1)):
            for x in range(max(0, x0), min(width, x1)):
                k = y * width + x
                total = 0.0
                hits = 0
                for oy in (0.125, 0.375, 0.625, 0.875):
                    for ox in (0.125, 0.375, 0.625, 0.875):
                        v = shape.sample(x + ox, y + oy)
                        if v is not None:
                            total += v
                            hits += 1
                if hits:
                    cover = hits / 16.0
                    levels[k] = (total / hits) * cover + levels[k] * (1 - cover)
                    solid[k] = True

    # Stars, kept off the die and its halo.
    rng = Rng(20241206)
    stars = []
    while len(stars) < 70:
        x = int(rng.next() * width)
        y = int(rng.next() * 150)
        bright = rng.next()
        if math.hypot(x - cx, y - cy) < radius + 12:
            continue
        if y > 112 and (x < 52 or x > 90):
            continue
        stars.append((x, y, bright))
    for x, y, bright in stars:
        k = y * width + x
        if solid[k]:
            continue
        if bright > 0.93:
            # A bright star with a small cross of light.
            levels[k] = TOP
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                xx, yy = x + dx, y + dy
                if 0 <= xx < width and 0 <= yy < height and not solid[yy * width + xx]:
                    levels[yy * width + xx] = max(levels[yy * width + xx], 10.0)
        else:
            levels[k] = max(levels[k], 6.0 + 7.0 * bright)
        solid[k] = True

    # Sparkles on the die's rim: short four-pointed glints.
    for gx, gy in ((hexagon[0][0], hexagon[0][1]), (hexagon[5][0] + 2, hexagon[5][1] + 1)):
        gx, gy = int(round(gx)), int(round(gy))
        for r in range(-4, 5):
            for xx, yy in ((gx + r, gy), (gx, gy + r)):
                if 0 <= xx < width and 0 <= yy < height:
                    k = yy * width + xx
                    levels[k] = max(levels[k], TOP - abs(r) * 1.3)
                    solid[k] = True

    # Quantise: round solid pixels, dither the sky.
    pixels = bytearray(width * height)
    for y in range(height):
        for x in range(width):
            k = y * width + x
            v = levels[k]
            if solid[k]:
                q = int(round(v))
            else:
                q = int(math.floor(v + (BAYER4[y % 4][x % 4] + 0.5) / 16.0))
            pixels[k] = max(0, min(TOP, q))
    return width, height, pixels


# ---------------------------------------------------------------------------
# Icons: the same die, transparent around it.  Index 0 is transparent; the
# blues use indices 1 to 15 (palette levels 1 to 15).

def draw_icon(size):
    cx = cy = size / 2.0
    radius = size / 2.0 - 0.3
    if size >= 32:
        shape, _, _ = d20_shape(cx, cy, radius, inner=0.56, edge_half=0.5,
                                base=7.0, spread=3.8, centre_level=14, edge_level=15)
    else:
        # At 16 pixels the inner edges would blur into the faces: keep the
        # outline dark and let the face shading carry the shape.
        shape, _, _ = d20_shape(cx, cy, radius, inner=0.6, edge_half=0.3,
                                base=7.5, spread=4.0, centre_level=14, edge_level=11)
    levels, coverage = render_shape(shape, size, size, lambda x, y: 1.0, supersample=6)
    pixels = bytearray(size * size)
    for k in range(size * size):
        if coverage[k] < 0.45:
            pixels[k] = 0
        else:
            # Shade the partly covered rim towards the darkest blue.
            v = levels[k] if coverage[k] > 0.9 else min(levels[k], 3.0)
            pixels[k] = max(1, min(TOP, int(round(v))))
    return size, size, pixels


# The desktop's larger icons: lines grow slower than the die, so the edges stay
# fine, and the partly covered rim fades into transparency instead of a dark
# outline.

def icon_die(size, inset=False):
    """The icon's die; inset shrinks it by half an edge, so that edges drawn as
    strokes around it (not cut off at its rim) end where the rasters' do."""
    scale = size / 32.0
    half = 0.5 * scale ** 0.6
    cx = cy = size / 2.0
    radius = size / 2.0 - 0.3 * scale - (half if inset else 0.0)
    return d20_shape(cx, cy, radius, inner=0.56, edge_half=half, base=7.0,
                     spread=3.8, centre_level=14, edge_level=15)


def colour_at(level):
    """The blue of a level between two palette entries, blended."""
    level = max(0.0, min(float(TOP), level))
    low = int(math.floor(level))
    high = min(TOP, low + 1)
    f = level - low
    return tuple(int(round(a + (b - a) * f)) for a, b in zip(PALETTE[low], PALETTE[high]))


def draw_large_icon(size):
    shape, _, _ = icon_die(size)
    levels, coverage = render_shape(shape, size, size, lambda x, y: 0.0, supersample=4)
    pixels = bytearray()
    for k in range(size * size):
        if coverage[k] == 0:
            pixels += bytes(4)
            continue
        # render_shape mixed the background into the level: take it out again.
        pixels += bytes(colour_at(levels[k] / coverage[k])) + bytes((int(round(255 * coverage[k])),))
    return size, size, pixels


def svg_points(points):
    return " ".join("%.3f,%.3f" % p for p in points)


def write_svg(path, size):
    """The die at size units, the same faces and edges as the rasters."""
    # No clipping: renderers of small SVG profiles (icon themes) may lack it.
    shape, _, _ = icon_die(size, inset=True)
    hexcode = lambda level: "#%02x%02x%02x" % PALETTE[level]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
             'viewBox="0 0 %d %d">' % (size, size, size, size),
             '  <title>Tessarion</title>',
             '  <g stroke-linejoin="round">']
    for points, level in shape.faces:
        colour = hexcode(level)
        # A hairline of the face's own colour closes the seams between faces.
        lines.append('    <polygon points="%s" fill="%s" stroke="%s" stroke-width="0.2"/>'
                     % (svg_points(points), colour, colour))
    for a, b, level, half in shape.edges:
        lines.append('    <line x1="%.3f" y1="%.3f" x2="%.3f" y2="%.3f" stroke="%s" '
                     'stroke-width="%.3f" stroke-linecap="round"/>'
                     % (a[0], a[1], b[0], b[1], hexcode(level), 2 * half))
    lines += ['  </g>', '</svg>', '']
    data = "\n".join(lines).encode("ascii")
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


# ---------------------------------------------------------------------------
# GIF writer (GIF89a, one frame, 16-colour global table, LZW of our own).

def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, code_width = reset()
    emit(clear, code_width)
    current = ()
    for value in indices:
        candidate = current + (value,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], code_width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << code_width) and code_width < 12:
                code_width += 1
        else:
            emit(clear, code_width)
            table, next_code, code_width = reset()
        current = (value,)
    if current:
        emit(table[current], code_width)
    emit(end, code_width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def write_gif(path, width, height, pixels, palette):
    assert len(palette) == 16
    data = bytearray(b"GIF89a")
    # Global colour table present, 8 bits colour resolution, 2^(3+1) = 16 entries.
    data += struct.pack("<HHBBB", width, height, 0x80 | (7 << 4) | 3, 0, 0)
    for r, g, b in palette:
        data += bytes((r, g, b))
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
    min_code_size = 4
    data.append(min_code_size)
    stream = lzw_encode(pixels, min_code_size)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data.append(0)      # end of image data
    data.append(0x3B)   # trailer
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


# ---------------------------------------------------------------------------
# PNG writers: colour type 3 (palette, 8 bits per index, tRNS for index 0) and
# colour type 6 (8-bit RGBA).

def png_chunk(kind, payload):
    return (struct.pack(">I", len(payload)) + kind + payload
            + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))


def write_png(path, width, height, pixels, palette, transparent_index=None):
    assert len(palette) <= 16
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter type: none
        raw += pixels[y * width:(y + 1) * width]
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
    data += png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if transparent_index is not None:
        data += png_chunk(b"tRNS", bytes([255] * transparent_index + [0]))
    data += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


def write_rgba_png(path, width, height, pixels):
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter type: none
        raw += pixels[y * width * 4:(y + 1) * width * 4]
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    data += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)
    return len(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.normpath(os.path.join(here, os.pardir, "data"))
    if len(sys.argv) > 1:
        out = sys.argv[1]

    w, h, pixels = draw_picture()
    size = write_gif(os.path.join(out, "picture.gif"), w, h, pixels, PALETTE)
    print("wrote picture.gif (%dx%d, %d bytes)" % (w, h, size))

    for n in (32, 16):
        w, h, pixels = draw_icon(n)
        name = "icon%d.png" % n
        size = write_png(os.path.join(out, name), w, h, pixels, PALETTE, transparent_index=0)
        print("wrote %s (%dx%d, %d bytes)" % (name, w, h, size))

    for n in (48, 64, 128, 256):
        w, h, pixels = draw_large_icon(n)
        name = "icon%d.png" % n
        size = write_rgba_png(os.path.join(out, name), w, h, pixels)
        print("wrote %s (%dx%d, %d bytes)" % (name, w, h, size))

    size = write_svg(os.path.join(out, "icon.svg"), 64)
    print("wrote icon.svg (%d bytes)" % size)


if __name__ == "__main__":
    main()
