#!/usr/bin/env python3
"""Draws Zvukolet's application icon and its two image strips.

    python3 generate_images.py --out <dir> [--preview]

writes <dir>/zvukolet.ico (16, 32 and 48 px), <dir>/male_ikony.bmp (34 images of 16 x 16),
<dir>/velke_ikony.bmp (10 images of 32 x 32) and the seven jump-list task icons
<dir>/skok_*.ico (16 and 32 px); --preview adds enlarged PNG sheets of
all three for looking at them.

Every picture is a short function below, drawn in a 16 x 16 unit square with a few vector
shapes; the same definition serves every pixel size. To change a picture, edit its
function and rebuild. The strips are loaded with ImageList_AddMasked and mask colour 0,
so a transparent pixel is written as RGB 0 with alpha 0 and no visible pixel is ever
written as RGB 0 (not even after the grey conversion of the disabled image list).

Standard library only; the output is the same bytes on every run.
"""

import argparse
import math
import os
import struct
import zlib

UNITS = 16  # pictures are defined in a 16 x 16 unit square
SUBROWS = 8  # vertical samples per pixel; the horizontal coverage of each sample is exact

# ---------------------------------------------------------------------------------------
# Shapes: closed contours filled by the non-zero rule, combined through coverage masks.
# ---------------------------------------------------------------------------------------


def _signed_area(points):
    return sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]))


def _oriented(points):
    # One orientation for every contour, so that overlapping contours of one shape unite.
    points = list(points)
    return points if _signed_area(points) >= 0 else points[::-1]


class Shape:
    def __or__(self, other):
        return Combined("union", self, other)

    def __sub__(self, other):
        return Combined("minus", self, other)

    def __and__(self, other):
        return Combined("and", self, other)


class Contours(Shape):
    def __init__(self, contours):
        self.contours = [_oriented(c) for c in contours if len(c) >= 3]

    def map(self, fn):
        return Contours([[fn(x, y) for x, y in c] for c in self.contours])

    def bbox(self):
        xs = [x for c in self.contours for x, _ in c]
        ys = [y for c in self.contours for _, y in c]
        return min(xs), min(ys), max(xs), max(ys)

    def mask(self, size):
        return _rasterise(self.contours, size)

    def outline(self, width):
        if len(self.contours) > 1:
            # Overlapping contours form one body; their inner edges are no border.
            parts = [Contours([c]) for c in self.contours]
            union = parts[0]
            for part in parts[1:]:
                union = union | part
            return union.outline(width)
        return Contours(_closed_stroke(self.contours[0], width))


class Combined(Shape):
    def __init__(self, op, a, b):
        self.op, self.a, self.b = op, a, b

    def map(self, fn):
        return Combined(self.op, self.a.map(fn), self.b.map(fn))

    def bbox(self):
        if self.op == "minus":
            return self.a.bbox()
        (ax0, ay0, ax1, ay1), (bx0, by0, bx1, by1) = self.a.bbox(), self.b.bbox()
        if self.op == "and":
            return max(ax0, bx0), max(ay0, by0), min(ax1, bx1), min(ay1, by1)
        return min(ax0, bx0), min(ay0, by0), max(ax1, bx1), max(ay1, by1)

    def mask(self, size):
        a, b = self.a.mask(size), self.b.mask(size)
        if self.op == "union":
            return [p + q - p * q for p, q in zip(a, b)]
        if self.op == "minus":
            return [p * (1.0 - q) for p, q in zip(a, b)]
        return [p * q for p, q in zip(a, b)]

    def outline(self, width):
        # The visible border of a combination: each part's border where the other part
        # does not cover it (union, difference) or where it does (intersection).
        sa, sb = self.a.outline(width), self.b.outline(width)
        if self.op == "union":
            return (sa - self.b) | (sb - self.a)
        if self.op == "minus":
            return (sa - self.b) | (sb & self.a)
        return (sa & self.b) | (sb & self.a)


def _rasterise(contours, size):
    """Coverage (0..1) of each pixel of a size x size picture by the contours."""
    scale = size / UNITS
    cover = [0.0] * (size * size)
    rows = [[] for _ in range(size)]
    for contour in contours:
        pts = [(x * scale, y * scale) for x, y in contour]
        for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
            if y0 == y1:
                continue
            winding = 1 if y1 > y0 else -1
            if y0 > y1:
                x0, y0, x1, y1 = x1, y1, x0, y0
            edge = (y0, y1, x0, (x1 - x0) / (y1 - y0), winding)
            for row in range(max(0, math.floor(y0)), min(size, math.floor(y1) + 1)):
                rows[row].append(edge)
    weight = 1.0 / SUBROWS
    for row, edges in enumerate(rows):
        if len(edges) < 2:
            continue
        base = row * size
        for sub in range(SUBROWS):
            y = row + (sub + 0.5) * weight
            crossings = sorted((x0 + (y - y0) * k, w) for y0, y1, x0, k, w in edges if y0 <= y < y1)
            winding = 0
            start = 0.0
            for x, w in crossings:
                if winding == 0:
                    start = x
                winding += w
                if winding == 0:
                    _add_span(cover, base, size, start, x, weight)
    return [min(1.0, c) for c in cover]


def _add_span(cover, base, size, x0, x1, weight):
    x0, x1 = max(0.0, x0), min(float(size), x1)
    if x1 <= x0:
        return
    i0, i1 = math.floor(x0), math.floor(x1)
    if i0 == i1:
        cover[base + i0] += (x1 - x0) * weight
        return
    cover[base + i0] += (i0 + 1 - x0) * weight
    for i in range(i0 + 1, min(i1, size)):
        cover[base + i] += weight
    if i1 < size:
        cover[base + i1] += (x1 - i1) * weight


def _circle_points(cx, cy, rx, ry, a0=0.0, a1=360.0, n=None):
    """Points of an ellipse arc; angles in degrees, clockwise on screen from 3 o'clock."""
    if n is None:
        n = max(8, int(abs(a1 - a0) / 360.0 * 24 * max(2.0, math.sqrt(max(rx, ry)) * 2.2)))
    return [
        (cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
         cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n)))
        for i in range(n + 1)
    ]


def _capsule(p0, p1, width, caps=True):
    (x0, y0), (x1, y1) = p0, p1
    length = math.hypot(x1 - x0, y1 - y0) or 1e-9
    nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
    parts = [[(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]]
    if caps:
        parts += [_circle_points(x, y, width / 2, width / 2, n=12)[:-1] for x, y in (p0, p1)]
    return parts


def _turn(a, b, c):
    v1, v2 = (b[0] - a[0], b[1] - a[1]), (c[0] - b[0], c[1] - b[1])
    n = math.hypot(*v1) * math.hypot(*v2) or 1e-9
    return math.degrees(math.acos(max(-1.0, min(1.0, (v1[0] * v2[0] + v1[1] * v2[1]) / n))))


def _closed_stroke(points, width):
    # Segment rectangles, with round joins only where the contour really turns.
    parts = []
    n = len(points)
    for i in range(n):
        a, b, c = points[i - 1], points[i], points[(i + 1) % n]
        parts += _capsule(b, c, width, caps=False)
        if _turn(a, b, c) > 15:
            parts.append(_circle_points(b[0], b[1], width / 2, width / 2, n=12)[:-1])
    return parts


def poly(*points):
    return Contours([points])


def rect(x0, y0, x1, y1):
    return poly((x0, y0), (x1, y0), (x1, y1), (x0, y1))


def rrect(x0, y0, x1, y1, r):
    corners = [(x1 - r, y0 + r, 270), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    pts = []
    for cx, cy, a in corners:
        pts += _circle_points(cx, cy, r, r, a, a + 90, n=6)
    return Contours([pts])


def ellipse(cx, cy, rx, ry):
    return Contours([_circle_points(cx, cy, rx, ry)[:-1]])


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def line(p0, p1, width, caps=True):
    return Contours(_capsule(p0, p1, width, caps))


def polyline(points, width):
    parts = []
    for p0, p1 in zip(points, points[1:]):
        parts += _capsule(p0, p1, width)
    return Contours(parts)


def arc(cx, cy, r, a0, a1, width, caps=True):
    """A thick arc; angles in degrees, clockwise on screen from 3 o'clock."""
    outer = _circle_points(cx, cy, r + width / 2, r + width / 2, a0, a1)
    inner = _circle_points(cx, cy, r - width / 2, r - width / 2, a0, a1)
    parts = [outer + inner[::-1]]
    if caps:
        for a in (a0, a1):
            x, y = cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))
            parts.append(_circle_points(x, y, width / 2, width / 2, n=12)[:-1])
    return Contours(parts)


def rotated(shape, degrees, cx=8.0, cy=8.0):
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return shape.map(lambda x, y: (cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c))


def flipped_y(shape):
    return shape.map(lambda x, y: (x, UNITS - y))


# ---------------------------------------------------------------------------------------
# Paint and the canvas
# ---------------------------------------------------------------------------------------


def rgb(hex_text, alpha=1.0):
    v = int(hex_text.lstrip("#"), 16)
    return (v >> 16 & 255, v >> 8 & 255, v & 255, alpha)


class Linear:
    """A gradient from colour c0 at point p0 to c1 at p1 (picture units)."""

    def __init__(self, p0, p1, c0, c1):
        self.p0, self.c0, self.c1 = p0, c0, c1
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        n = dx * dx + dy * dy or 1e-9
        self.d = (dx / n, dy / n)

    def at(self, x, y):
        t = (x - self.p0[0]) * self.d[0] + (y - self.p0[1]) * self.d[1]
        return _mix(self.c0, self.c1, min(1.0, max(0.0, t)))


class Radial:
    """A gradient from colour c0 at the centre to c1 at radius r."""

    def __init__(self, cx, cy, r, c0, c1):
        self.cx, self.cy, self.r, self.c0, self.c1 = cx, cy, r, c0, c1

    def at(self, x, y):
        return _mix(self.c0, self.c1, min(1.0, math.hypot(x - self.cx, y - self.cy) / self.r))


def _mix(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


class Tone:
    """The three colours of one coloured body: top of the gradient, bottom, border."""

    def __init__(self, light, dark, edge):
        self.light, self.dark, self.edge = rgb(light), rgb(dark), rgb(edge)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.scale = size / UNITS
        # Border width: 1 px at 16 px, 1.5 px at 32 px, 2 px at 48 px; in picture units.
        self.edge = (1.0 + (size - 16) / 32.0) / self.scale
        self.px = 1.0 / self.scale
        self.pixels = [(0.0, 0.0, 0.0, 0.0)] * (size * size)

    def fill(self, shape, paint):
        at = paint.at if hasattr(paint, "at") else (lambda x, y: paint)
        for i, cover in enumerate(shape.mask(self.size)):
            if cover <= 0.0:
                continue
            x, y = (i % self.size + 0.5) / self.scale, (i // self.size + 0.5) / self.scale
            r, g, b, a = at(x, y)
            self.pixels[i] = _over(self.pixels[i], (r, g, b, a * cover))

    def body(self, shape, tone, border=True):
        """Fills a shape with its tone's top-to-bottom gradient and draws its border."""
        _, y0, _, y1 = shape.bbox()
        self.fill(shape, Linear((0, y0), (0, y1), tone.light, tone.dark))
        if border:
            self.fill(shape.outline(self.edge), tone.edge)

    def to_bgra(self):
        out = bytearray()
        for r, g, b, a in self.pixels:
            out += bytes(_visible_bgra(r, g, b, a))
        return bytes(out)


def _over(dst, src):
    dr, dg, db, da = dst
    sr, sg, sb, sa = src
    a = sa + da * (1.0 - sa)
    if a <= 0.0:
        return (0.0, 0.0, 0.0, 0.0)
    k = da * (1.0 - sa)
    return ((sr * sa + dr * k) / a, (sg * sa + dg * k) / a, (sb * sa + db * k) / a, a)


def _visible_bgra(r, g, b, a):
    alpha = int(round(max(0.0, min(1.0, a)) * 255))
    if alpha == 0:
        return (0, 0, 0, 0)
    r, g, b = (int(round(max(0.0, min(255.0, v)))) for v in (r, g, b))
    # Black, or a colour whose grey is black, would turn into the mask colour.
    if (30 * r + 59 * g + 11 * b) // 100 < 16:
        r = g = b = 16
    return (b, g, r, alpha)


# ---------------------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------------------

BLUE = Tone("#7cc0ff", "#1c68d6", "#0f3f8c")
RED = Tone("#ff8a7a", "#d3261b", "#7f1510")
GREEN = Tone("#9be37a", "#2e9e2c", "#1b5e1a")
YELLOW = Tone("#ffe48a", "#f0b429", "#9a6a0c")
FOLDER_BACK = Tone("#f5c754", "#d99a1e", "#8f5f0b")
PAPER = Tone("#ffffff", "#dfe6ee", "#5d6b7a")
STEEL = Tone("#d9e1ea", "#8796a8", "#3b4654")
DARK = Tone("#6b7788", "#2f3845", "#101010")
ORANGE = Tone("#ffb26b", "#e8641c", "#8a3208")
WHITE = rgb("#ffffff")
INK = rgb("#101010")
GREY_LINE = rgb("#7d8a99")

# ---------------------------------------------------------------------------------------
# Reusable parts of pictures
# ---------------------------------------------------------------------------------------


def play_triangle():
    return poly((4.5, 2.5), (13.5, 8.0), (4.5, 13.5))


def speaker(x=0.0):
    """A speaker facing right, 9 units wide, its left edge at x + 1.5."""
    return poly((x + 1.5, 5.5), (x + 4.5, 5.5), (x + 8.5, 2.0),
                (x + 8.5, 14.0), (x + 4.5, 10.5), (x + 1.5, 10.5))


def page():
    return poly((3.5, 1.5), (10.0, 1.5), (12.5, 4.0), (12.5, 14.5), (3.5, 14.5))


def draw_page(c):
    c.body(page(), PAPER)
    c.fill(poly((10.0, 1.5), (12.5, 4.0), (10.0, 4.0)), rgb("#b8c4d2"))


def folder_back(right=14.5):
    return poly((1.5, 3.5), (6.0, 3.5), (7.5, 5.0), (right, 5.0), (right, 13.5), (1.5, 13.5))


def arrow_up():
    return poly((8.0, 1.5), (14.5, 8.0), (10.5, 8.0), (10.5, 14.5), (5.5, 14.5), (5.5, 8.0), (1.5, 8.0))


def cross(width=3.0):
    return line((3.5, 3.5), (12.5, 12.5), width) | line((12.5, 3.5), (3.5, 12.5), width)


def power_symbol(width):
    return arc(8.0, 8.5, 5.0, -60, 240, width) | line((8.0, 2.0), (8.0, 7.5), width)


def gear(cx, cy, r_out, r_in, teeth):
    pts = []
    for i in range(teeth):
        a = 360.0 * i / teeth
        half = 360.0 / teeth / 2
        for da, r in ((-half * 0.95, r_in), (-half * 0.45, r_out), (half * 0.45, r_out), (half * 0.95, r_in)):
            pts.append((cx + r * math.cos(math.radians(a + da)), cy + r * math.sin(math.radians(a + da))))
    return Contours([pts])


def sound_waves(c, x, tone=BLUE, count=2):
    for i in range(count):
        c.fill(arc(x, 8.0, 2.5 + 2.6 * i, -50, 50, 1.5), tone.dark)


def sphere(c, cx, cy, r, tone):
    shape = circle(cx, cy, r)
    c.fill(shape, Radial(cx - r * 0.35, cy - r * 0.4, r * 1.35, tone.light, tone.dark))
    c.fill(shape.outline(c.edge), tone.edge)


# ---------------------------------------------------------------------------------------
# The pictures
# ---------------------------------------------------------------------------------------


def blue_play(c):
    c.body(play_triangle(), BLUE)


def green_play(c):
    c.body(play_triangle(), GREEN)


def red_stop(c):
    c.body(rrect(3.5, 3.5, 12.5, 12.5, 1.5), RED)


def blue_stop(c):
    c.body(rrect(3.5, 3.5, 12.5, 12.5, 1.5), BLUE)


def green_arrow_up(c):
    c.body(arrow_up(), GREEN)


def green_arrow_down(c):
    c.body(flipped_y(arrow_up()), GREEN)


def closed_folder(c):
    c.body(folder_back(), FOLDER_BACK)
    c.body(rect(1.5, 6.5, 14.5, 13.5), YELLOW)


def open_folder(c):
    c.body(folder_back(13.5), FOLDER_BACK)
    c.body(rect(3.5, 6.0, 12.0, 10.0), PAPER, border=False)
    c.body(poly((4.5, 8.5), (15.5, 8.5), (13.0, 13.5), (1.5, 13.5)), YELLOW)


def source_list(c):
    c.body(rrect(0.5, 1.5, 15.5, 14.5, 1.5), PAPER)
    for y in (4.0, 7.0, 10.0):
        c.fill(rect(3.0, y, 5.0, y + 2.0), BLUE.dark)
        c.fill(rect(7.0, y + 0.5, 13.0, y + 1.5), DARK.light)


def disk(c):
    c.body(rrect(2.5, 2.5, 13.5, 13.5, 1.0), BLUE)
    c.body(rect(5.0, 2.5, 11.0, 6.5), STEEL)
    c.body(rect(4.5, 9.0, 11.5, 13.5), PAPER)


def microphone(c):
    c.fill(arc(8.0, 7.0, 4.0, 0, 180, 1.4), DARK.light)
    c.fill(line((8.0, 11.0), (8.0, 14.0), 1.4), DARK.light)
    c.fill(line((5.0, 14.5), (11.0, 14.5), 1.4), DARK.light)
    c.body(rrect(5.5, 1.5, 10.5, 10.0, 2.5), STEEL)


def music_note(c):
    c.body(poly((6.0, 3.5), (14.0, 1.5), (14.0, 4.5), (8.0, 6.0), (8.0, 12.0), (6.0, 12.0)), BLUE)
    c.body(ellipse(5.0, 12.0, 3.0, 2.3), BLUE)
    c.body(ellipse(12.0, 10.5, 2.8, 2.1) | rect(12.2, 3.0, 14.0, 10.5), BLUE)


def mute(c):
    c.body(speaker(-0.5), STEEL)
    x_mark = line((10.5, 5.5), (14.5, 10.5), 2.4) | line((14.5, 5.5), (10.5, 10.5), 2.4)
    c.body(x_mark, RED)


def speaker_crossed_out(c):
    c.body(speaker(0.0), STEEL)
    sound_waves(c, 8.5, STEEL, 2)
    c.body(line((2.0, 13.5), (13.5, 2.0), 1.6), RED)


def speaker_with_waves(c):
    c.body(speaker(-0.5), STEEL)
    sound_waves(c, 8.5, BLUE)


def red_record(c):
    sphere(c, 8.0, 8.0, 5.5, RED)


def blue_pause(c):
    c.body(rrect(3.5, 2.5, 6.5, 13.5, 0.8) | rrect(9.5, 2.5, 12.5, 13.5, 0.8), BLUE)


def keyboard(c):
    c.body(rrect(0.5, 3.5, 15.5, 12.5, 1.5), STEEL)
    for row, y in enumerate((5.0, 7.0)):
        for i in range(6 - row):
            x = 2.0 + i * 2.0 + row
            c.fill(rect(x, y, x + 1.0, y + 1.0), DARK.dark)
    c.fill(rect(4.0, 9.0, 12.0, 10.0), DARK.dark)


def properties(c):
    c.body(rrect(1.5, 1.5, 14.5, 14.5, 1.5), PAPER)
    for y, knob, tone in ((4.5, 10.0, BLUE), (8.0, 5.5, GREEN), (11.5, 9.0, ORANGE)):
        c.fill(line((4.0, y), (12.0, y), 1.0), GREY_LINE)
        c.body(circle(knob, y, 1.6), tone)


def red_power(c):
    c.fill(power_symbol(2.0 + 2 * c.edge), RED.edge)
    c.fill(power_symbol(2.0), Linear((0, 2), (0, 14), RED.light, RED.dark))


def information(c):
    sphere(c, 8.0, 8.0, 6.5, BLUE)
    c.fill(circle(8.0, 4.6, 1.25), WHITE)
    c.fill(rrect(6.9, 6.8, 9.1, 12.2, 0.5), WHITE)


def pen(c):
    body = poly((3.5, 6.5), (13.0, 6.5), (13.0, 9.5), (3.5, 9.5))
    tip = poly((3.5, 6.5), (0.5, 8.0), (3.5, 9.5))
    c.body(rotated(body, -45), YELLOW)
    c.body(rotated(poly((13.0, 6.5), (15.3, 6.5), (15.3, 9.5), (13.0, 9.5)), -45), RED)
    c.body(rotated(tip, -45), Tone("#f7dcb9", "#e2b98a", "#8a6a3c"))
    c.fill(rotated(circle(1.2, 8.0, 0.9), -45), INK)


def help_page(c):
    draw_page(c)
    c.fill(arc(8.0, 6.5, 2.2, 180, 405, 1.6) | line((9.6, 8.1), (8.0, 9.4), 1.6, caps=False)
           | line((8.0, 9.0), (8.0, 10.0), 1.6), BLUE.dark)
    c.fill(circle(8.0, 12.3, 1.0), BLUE.dark)


def globe(c):
    sphere(c, 8.0, 8.0, 6.5, BLUE)
    meridian = ellipse(8.0, 8.0, 2.6, 6.5) - ellipse(8.0, 8.0, 2.6 - c.px, 6.5 - c.px)
    parallels = rect(1.5, 7.5, 14.5, 8.5) | rect(2.5, 4.0, 13.5, 4.0 + c.px)
    parallels = parallels | rect(2.5, 12.0 - c.px, 13.5, 12.0)
    grid = meridian | parallels
    c.fill(grid & circle(8.0, 8.0, 6.0), rgb("#e8f4ff", 0.85))
    c.fill(circle(8.0, 8.0, 6.5).outline(c.edge), BLUE.edge)


def envelope(c):
    c.body(rect(1.5, 3.5, 14.5, 12.5), PAPER)
    c.fill(polyline([(1.5, 3.5), (8.0, 9.0), (14.5, 3.5)], c.edge), PAPER.edge)


def green_plus(c):
    c.body(poly((6.0, 1.5), (10.0, 1.5), (10.0, 6.0), (14.5, 6.0), (14.5, 10.0), (10.0, 10.0), (10.0, 14.5),
                (6.0, 14.5), (6.0, 10.0), (1.5, 10.0), (1.5, 6.0), (6.0, 6.0)), GREEN)


def red_minus(c):
    c.body(rect(1.5, 6.0, 14.5, 10.0), RED)


def clock(c):
    sphere(c, 8.0, 8.0, 6.5, PAPER)
    for i in range(12):
        a = math.radians(i * 30)
        dx, dy = math.cos(a), math.sin(a)
        c.fill(line((8 + 5.2 * dx, 8 + 5.2 * dy), (8 + 5.6 * dx, 8 + 5.6 * dy), 0.8), GREY_LINE)
    c.fill(polyline([(8.0, 3.8), (8.0, 8.0), (11.0, 9.5)], 1.3), INK)


def star(c):
    pts = [(8.0 + (6.8 if i % 2 == 0 else 2.9) * math.cos(math.radians(-90 + 36 * i)),
            8.5 + (6.8 if i % 2 == 0 else 2.9) * math.sin(math.radians(-90 + 36 * i))) for i in range(10)]
    c.body(poly(*pts), YELLOW)


def circular_arrow(a0, a1, r=5.0, width=2.2):
    """An arc from a0 to a1 (clockwise) with an arrowhead at a1."""
    end = math.radians(a1)
    x, y = 8.0 + r * math.cos(end), 8.0 + r * math.sin(end)
    radial, ahead = (math.cos(end), math.sin(end)), (-math.sin(end), math.cos(end))
    head = poly((x + radial[0] * 2.8, y + radial[1] * 2.8), (x + ahead[0] * 3.2, y + ahead[1] * 3.2),
                (x - radial[0] * 2.8, y - radial[1] * 2.8))
    return arc(8.0, 8.0, r, a0, a1, width, caps=False) | head


def refresh(c):
    c.body(circular_arrow(195, 315), GREEN)
    c.body(circular_arrow(15, 135), GREEN)


def red_cross(c):
    c.fill(cross(3.0 + 2 * c.edge), RED.edge)
    c.fill(cross(3.0), Linear((0, 2), (0, 14), RED.light, RED.dark))


def warning(c):
    c.body(poly((8.0, 1.5), (15.0, 14.0), (1.0, 14.0)), YELLOW)
    c.fill(line((8.0, 5.8), (8.0, 9.6), 1.7), INK)
    c.fill(circle(8.0, 12.0, 1.0), INK)


def headphones(c):
    c.fill(arc(8.0, 9.0, 5.5, 180, 360, 1.6 + 2 * c.edge, caps=False), DARK.edge)
    c.fill(arc(8.0, 9.0, 5.5, 180, 360, 1.6, caps=False), DARK.light)
    c.body(rrect(1.0, 8.5, 5.0, 14.5, 1.5), BLUE)
    c.body(rrect(11.0, 8.5, 15.0, 14.5, 1.5), BLUE)


def monitor(c):
    c.body(poly((6.0, 12.0), (10.0, 12.0), (11.5, 14.5), (4.5, 14.5)), STEEL)
    c.body(rrect(0.5, 1.5, 15.5, 12.0, 1.0), DARK)
    c.fill(rect(2.0, 3.0, 14.0, 10.5), Linear((0, 3), (0, 10.5), BLUE.light, BLUE.dark))


def settings_gear(c):
    shape = gear(8.0, 8.0, 7.2, 5.4, 8) - circle(8.0, 8.0, 2.4)
    c.body(shape, STEEL)


def app_icon(c):
    """A radio: antenna, a speaker grille on the left, a dial and a knob on the right."""
    c.fill(line((6.0, 5.0), (2.5, 1.0), 0.8 + c.edge), DARK.edge)
    c.fill(line((6.0, 5.0), (2.5, 1.0), 0.8), STEEL.dark)
    sphere(c, 2.5, 1.2, 1.0, RED)
    c.body(rrect(0.5, 4.5, 15.5, 14.5, 2.0), ORANGE)
    grille = circle(5.2, 9.5, 3.4)
    c.fill(grille, Radial(5.2, 9.5, 3.4, DARK.light, DARK.dark))
    c.fill(grille.outline(c.edge), DARK.edge)
    if c.size >= 32:
        for r in (1.0, 2.0):
            c.fill(circle(5.2, 9.5, r).outline(c.px), rgb("#9aa6b5"))
    c.body(rrect(9.5, 6.5, 14.0, 9.5, 0.6), Tone("#fffbe6", "#f3e2a6", "#6b4a12"))
    if c.size >= 32:
        c.fill(line((11.0, 6.8), (12.3, 9.2), c.px * 1.2, caps=False), RED.dark)
    sphere(c, 11.75, 12.0, 1.5, STEEL)


# The small strip (bitmap 102): the index is the image's place in the strip.
SMALL = [
    blue_play,  # 0
    red_stop,  # 1
    green_arrow_up,  # 2
    green_arrow_down,  # 3
    closed_folder,  # 4
    source_list,  # 5
    disk,  # 6
    microphone,  # 7
    music_note,  # 8
    speaker_crossed_out,  # 9
    blue_stop,  # 10
    red_record,  # 11
    headphones,  # 12
    keyboard,  # 13
    properties,  # 14
    red_power,  # 15
    information,  # 16
    speaker_with_waves,  # 17
    pen,  # 18
    help_page,  # 19
    globe,  # 20
    envelope,  # 21
    green_plus,  # 22
    open_folder,  # 23
    clock,  # 24
    app_icon,  # 25 the program's own radio
    star,  # 26
    red_minus,  # 27
    refresh,  # 28
    red_cross,  # 29
    green_play,  # 30
    warning,  # 31
    blue_pause,  # 32
    monitor,  # 33
]

# The large strip (bitmap 124).
LARGE = [
    red_power,  # 0 exit
    settings_gear,  # 1 settings
    information,  # 2 information
    open_folder,  # 3 open
    blue_play,  # 4 play
    blue_stop,  # 5 stop
    speaker_with_waves,  # 6 volume
    red_record,  # 7 record
    mute,  # 8
    blue_pause,  # 9
]

# The jump list's task icons (resources 129-135), by file name; 16 px in the list, 32 px on
# screens of twice the density.
TASK_ICONS = [
    ("skok_spustit_prijem.ico", green_play),  # 129 start playing
    ("skok_spustit_zaznam.ico", red_record),  # 130 start recording
    ("skok_zvysit_hlasitost.ico", green_arrow_up),  # 131
    ("skok_snizit_hlasitost.ico", green_arrow_down),  # 132
    ("skok_nastaveni.ico", settings_gear),  # 133
    ("skok_zastavit.ico", red_stop),  # 134 stop playing or recording
    ("skok_ztlumit.ico", mute),  # 135
]


# ---------------------------------------------------------------------------------------
# Files
# ---------------------------------------------------------------------------------------


def render(picture, size):
    c = Canvas(size)
    picture(c)
    return c.to_bgra()


def strip(pictures, size):
    """The pictures side by side, as top-down BGRA rows."""
    images = [render(p, size) for p in pictures]
    rows = []
    for y in range(size):
        rows.append(b"".join(img[y * size * 4:(y + 1) * size * 4] for img in images))
    return len(pictures) * size, size, rows


def bmp_bytes(width, height, rows):
    pixels = b"".join(reversed(rows))  # bottom-up
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


def ico_bytes(picture, sizes):
    entries, blobs = [], []
    offset = 6 + 16 * len(sizes)
    for size in sizes:
        bgra = render(picture, size)
        rows = [bgra[y * size * 4:(y + 1) * size * 4] for y in range(size)]
        mask_stride = (size + 31) // 32 * 4
        mask = b""
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for x in range(size):
                if row[x * 4 + 3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        color = b"".join(reversed(rows))
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(color) + len(mask), 0, 0, 0, 0)
        blob = header + color + mask
        entries.append(struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(sizes)) + b"".join(entries) + b"".join(blobs)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------------------
# Preview sheets: every image enlarged, on a light and a dark background, normal and grey
# ---------------------------------------------------------------------------------------


def png_bytes(width, height, rgb_rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\x00" + bytes(row) for row in rgb_rows)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    body = chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    return b"\x89PNG\r\n\x1a\n" + body


def preview_sheet(images, size, zoom, per_row=10):
    """Images (BGRA, side) in a grid; each grid row shows them on white, on dark, and grey."""
    cell = size * zoom + 8
    backgrounds = [(255, 255, 255, False), (48, 52, 60, False), (255, 255, 255, True)]
    grid_rows = (len(images) + per_row - 1) // per_row
    width, height = per_row * cell, grid_rows * len(backgrounds) * cell
    rows = [bytearray(b"\xc8\xc8\xc8" * width) for _ in range(height)]
    for n, (img, side) in enumerate(images):
        for band, (bg, bg2, bg3, grey) in enumerate(backgrounds):
            ox = (n % per_row) * cell + 4
            oy = ((n // per_row) * len(backgrounds) + band) * cell + 4
            for y in range(side * zoom):
                for x in range(side * zoom):
                    i = ((y // zoom) * side + x // zoom) * 4
                    b, g, r, a = img[i:i + 4]
                    if grey:
                        r = g = b = (30 * r + 59 * g + 11 * b) // 100
                    k = a / 255.0
                    rows[oy + y][(ox + x) * 3:(ox + x) * 3 + 3] = bytes(
                        int(round(v * k + w * (1 - k))) for v, w in ((r, bg), (g, bg2), (b, bg3)))
    return png_bytes(width, height, rows)


def write_previews(out):
    write(os.path.join(out, "male_ikony_preview.png"),
          preview_sheet([(render(p, 16), 16) for p in SMALL], 16, 8))
    write(os.path.join(out, "velke_ikony_preview.png"),
          preview_sheet([(render(p, 32), 32) for p in LARGE], 32, 6, per_row=5))
    write(os.path.join(out, "zvukolet_preview.png"),
          preview_sheet([(render(app_icon, s), s) for s in (16, 32, 48)], 48, 4, per_row=3))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder for the icon and the strips")
    parser.add_argument("--preview", action="store_true", help="also write enlarged PNG previews")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    write(os.path.join(args.out, "zvukolet.ico"), ico_bytes(app_icon, (16, 32, 48)))
    write(os.path.join(args.out, "male_ikony.bmp"), bmp_bytes(*strip(SMALL, 16)))
    write(os.path.join(args.out, "velke_ikony.bmp"), bmp_bytes(*strip(LARGE, 32)))
    for name, picture in TASK_ICONS:
        write(os.path.join(args.out, name), ico_bytes(picture, (16, 32)))
    if args.preview:
        write_previews(args.out)


if __name__ == "__main__":
    main()
