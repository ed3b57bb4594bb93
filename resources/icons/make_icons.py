#!/usr/bin/env python3
"""Draws every toolbar and bar icon of findaro and magnora and writes them as
Windows .ico files next to this script.

Our users can barely see, so every picture is a few big, thick, outlined
shapes on a strongly bordered tile.  Each icon is described once, in a
100 x 100 design space, and rasterised afresh for every size with exact
horizontal coverage and vertical supersampling, so small sizes are drawn
rather than shrunk.  Only the standard library is used, so anybody can
regenerate the files with a plain Python 3:

    python3 resources/icons/make_icons.py            # write all .ico files
    python3 resources/icons/make_icons.py --preview /tmp/icons_preview.png

The output is deterministic: two runs give byte-identical files.
"""

import math
import os
import struct
import sys
import time
import zlib

SIZES = (16, 24, 32, 48, 64, 96, 128, 256)
# Stored as PNG inside the .ico, as systems since Vista read them: a 256-pixel
# picture as a plain bitmap would weigh a quarter of a megabyte per icon.
PNG_SIZES = (256,)
HERE = os.path.dirname(os.path.abspath(__file__))

# Vertical samples per pixel.  Horizontal coverage is exact, so a handful of
# sub-scanlines is enough for clean edges and keeps the pure-Python run short.
SUB = 6

# Largest distance, in pixels, between a curve and the polygon standing in for it.
FLAT_TOL = 0.05

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
YELLOW = (255, 214, 0)
ORANGE = (255, 150, 0)
DEEP_BLUE = (10, 40, 135)
RED = (215, 0, 0)
GREEN = (20, 150, 40)
SKY = (120, 205, 255)
MID_GREY = (128, 128, 128)


# ---------------------------------------------------------------------------
# Geometry.  Every shape can hand out its outline contours grown by a margin,
# which is how the dark outline around each light shape is made: the same
# description drawn fatter in black, then normally on top.
# ---------------------------------------------------------------------------

def _segments(radius_px, sweep):
    """How many straight pieces keep an arc of this pixel radius within FLAT_TOL."""
    if radius_px <= FLAT_TOL * 2:
        return max(2, int(math.ceil(abs(sweep) / (math.pi / 2))))
    step = 2.0 * math.acos(1.0 - FLAT_TOL / radius_px)
    return max(2, min(400, int(math.ceil(abs(sweep) / step))))


def _arc_points(cx, cy, r, a0, a1, ppu):
    """Points along an arc from angle a0 to a1 (radians, y axis pointing down)."""
    n = _segments(r * ppu, a1 - a0)
    return [(cx + r * math.cos(a0 + (a1 - a0) * i / n),
             cy + r * math.sin(a0 + (a1 - a0) * i / n)) for i in range(n + 1)]


def _capsule(p0, p1, hw, round0, round1, ppu):
    """A thick segment as one contour; each end is either round or flat."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    length = math.hypot(dx, dy)
    if length < 1e-9:
        return _arc_points(p0[0], p0[1], hw, 0.0, 2 * math.pi, ppu)[:-1]
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux
    an = math.atan2(ny, nx)
    pts = []
    if round1:
        pts += _arc_points(p1[0], p1[1], hw, an, an - math.pi, ppu)
    else:
        pts += [(p1[0] + nx * hw, p1[1] + ny * hw), (p1[0] - nx * hw, p1[1] - ny * hw)]
    if round0:
        pts += _arc_points(p0[0], p0[1], hw, an - math.pi, an - 2 * math.pi, ppu)
    else:
        pts += [(p0[0] - nx * hw, p0[1] - ny * hw), (p0[0] + nx * hw, p0[1] + ny * hw)]
    return pts


class Shape:
    def contours(self, grow, ppu):
        """List of (points, is_hole) in design units, dilated by `grow`."""
        raise NotImplementedError


class Disc(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def contours(self, grow, ppu):
        r = self.r + grow
        return [(_arc_points(self.cx, self.cy, r, 0.0, 2 * math.pi, ppu)[:-1], False)]


class Ring(Shape):
    """Annulus; r is the radius of the middle of the band, w its width."""

    def __init__(self, cx, cy, r, w):
        self.cx, self.cy, self.r, self.w = cx, cy, r, w

    def contours(self, grow, ppu):
        ro = self.r + self.w / 2 + grow
        ri = self.r - self.w / 2 - grow
        out = [(_arc_points(self.cx, self.cy, ro, 0.0, 2 * math.pi, ppu)[:-1], False)]
        if ri > 0:
            out.append((_arc_points(self.cx, self.cy, ri, 0.0, 2 * math.pi, ppu)[:-1], True))
        return out


def _caps(cap):
    """'round', 'butt', or a (start, end) pair of those, as two flags 'is flat'."""
    if isinstance(cap, (tuple, list)):
        return cap[0] == "butt", cap[1] == "butt"
    return cap == "butt", cap == "butt"


class Stroke(Shape):
    """Thick polyline with round joins; each end is round or flat ('butt')."""

    def __init__(self, points, w, cap="round"):
        self.points = [tuple(p) for p in points]
        self.w = w
        self.flat0, self.flat1 = _caps(cap)

    def contours(self, grow, ppu):
        pts = list(self.points)
        if grow:
            # A flat end must be outlined too, so it moves out along the line.
            def push(a, b):
                dx, dy = a[0] - b[0], a[1] - b[1]
                d = math.hypot(dx, dy) or 1.0
                return (a[0] + dx / d * grow, a[1] + dy / d * grow)
            if self.flat0:
                pts[0] = push(pts[0], pts[1])
            if self.flat1:
                pts[-1] = push(pts[-1], pts[-2])
        hw = self.w / 2 + grow
        out = []
        last = len(pts) - 2
        for i in range(len(pts) - 1):
            r0 = not (self.flat0 and i == 0)
            r1 = not (self.flat1 and i == last)
            out.append((_capsule(pts[i], pts[i + 1], hw, r0, r1, ppu), False))
        return out


class Arc(Shape):
    """Thick circular arc.  Angles in degrees, 0 = right, 90 = down."""

    def __init__(self, cx, cy, r, a0, a1, w, cap="round"):
        self.cx, self.cy, self.r = cx, cy, r
        self.a0, self.a1 = math.radians(a0), math.radians(a1)
        self.w = w
        self.flat0, self.flat1 = _caps(cap)
        if a1 < a0:
            self.a0, self.a1 = self.a1, self.a0
            self.flat0, self.flat1 = self.flat1, self.flat0

    def contours(self, grow, ppu):
        hw = self.w / 2 + grow
        a0, a1 = self.a0, self.a1
        if self.flat0:
            a0 -= grow / self.r
        if self.flat1:
            a1 += grow / self.r
        outer = _arc_points(self.cx, self.cy, self.r + hw, a0, a1, ppu)
        inner = _arc_points(self.cx, self.cy, max(self.r - hw, 0.0), a1, a0, ppu)
        out = [(outer + inner, False)]
        for a, flat in ((a0, self.flat0), (a1, self.flat1)):
            if not flat:
                px, py = self.cx + self.r * math.cos(a), self.cy + self.r * math.sin(a)
                out.append((_arc_points(px, py, hw, 0.0, 2 * math.pi, ppu)[:-1], False))
        return out


class Pie(Shape):
    """Filled circular sector, angles in degrees."""

    def __init__(self, cx, cy, r, a0, a1):
        self.cx, self.cy, self.r = cx, cy, r
        self.a0, self.a1 = math.radians(a0), math.radians(a1)

    def contours(self, grow, ppu):
        pts = [(self.cx, self.cy)] + _arc_points(self.cx, self.cy, self.r, self.a0, self.a1, ppu)
        return Poly(pts).contours(grow, ppu)


class RRect(Shape):
    """Rounded rectangle; r is one radius or (top-left, top-right, bottom-right, bottom-left)."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = tuple(r) if isinstance(r, (tuple, list)) else (r, r, r, r)

    def contours(self, grow, ppu):
        x0, y0, x1, y1 = self.x0 - grow, self.y0 - grow, self.x1 + grow, self.y1 + grow
        tl, tr, br, bl = (max(0.0, c + grow) for c in self.r)
        pts = []
        for (cx, cy, r, a) in ((x1 - tr, y0 + tr, tr, -90), (x1 - br, y1 - br, br, 0),
                               (x0 + bl, y1 - bl, bl, 90), (x0 + tl, y0 + tl, tl, 180)):
            if r <= 0:
                pts.append((cx, cy))
            else:
                pts += _arc_points(cx, cy, r, math.radians(a), math.radians(a + 90), ppu)
        return [(pts, False)]


class Frame(Shape):
    """The band between two nested rounded squares: the tile's border."""

    def __init__(self, outer, inner):
        self.outer, self.inner = outer, inner

    def contours(self, grow, ppu):
        inner = [(pts, True) for pts, _ in self.inner.contours(-grow, ppu)]
        return self.outer.contours(grow, ppu) + inner


class Poly(Shape):
    """Polygon, optionally with holes.  Growing it is exact: the polygon united
    with a round-ended band of the grow width along every edge."""

    def __init__(self, points, holes=()):
        self.points = [tuple(p) for p in points]
        self.holes = [[tuple(p) for p in h] for h in holes]

    def contours(self, grow, ppu):
        out = [(self.points, False)] + [(h, True) for h in self.holes]
        if grow > 0:
            for ring in [self.points] + self.holes:
                for i in range(len(ring)):
                    out.append((_capsule(ring[i - 1], ring[i], grow, True, True, ppu), False))
        return out


# ---------------------------------------------------------------------------
# Rasteriser and painter.
# ---------------------------------------------------------------------------

def _signed_area(pts):
    a = 0.0
    px, py = pts[-1]
    for x, y in pts:
        a += px * y - x * py
        px, py = x, y
    return a * 0.5


class Painter:
    """One square canvas of premultiplied floats; shapes are painted in order."""

    def __init__(self, size, theme):
        self.s = size
        self.ppu = size / 100.0   # pixels per design unit
        self.px = 100.0 / size    # design units per pixel
        self.theme = theme
        n = size * size
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n
        self.a = [0.0] * n
        # The outline must stay at least about a pixel wide or it vanishes.
        self.o = max(theme["outline"], 0.95 * self.px)
        self.frame = None
        self.outer = None

    # -- low level ---------------------------------------------------------
    def _to_pixels(self, shapes, grow):
        k = self.ppu
        polys = []
        for sh in shapes:
            for pts, hole in sh.contours(grow, k):
                if len(pts) < 3:
                    continue
                pp = [(x * k, y * k) for x, y in pts]
                area = _signed_area(pp)
                if area == 0:
                    continue
                # Nonzero winding: solids one way round, holes the other.
                if (area < 0) != hole:
                    pp.reverse()
                polys.append(pp)
        return polys

    def _paint(self, polys, color, opacity=1.0, clip=False):
        """Paint colour over the canvas through the coverage of polys; with
        clip=True instead keep the canvas only where polys cover it."""
        if not polys:
            return
        s = self.s
        minx = min(x for p in polys for x, _ in p)
        maxx = max(x for p in polys for x, _ in p)
        miny = min(y for p in polys for _, y in p)
        maxy = max(y for p in polys for _, y in p)
        x0 = max(0, int(math.floor(minx)))
        x1 = min(s, int(math.ceil(maxx)))
        y0 = max(0, int(math.floor(miny)))
        y1 = min(s, int(math.ceil(maxy)))
        if x1 <= x0 or y1 <= y0:
            return
        w, h = x1 - x0, y1 - y0
        S = SUB
        inv = 1.0 / S
        nsub = h * S
        buckets = [[] for _ in range(nsub)]
        for pts in polys:
            ax, ay = pts[-1]
            for bx, by in pts:
                if by != ay:
                    if by > ay:
                        ya, yb, xa, d = ay, by, ax, 1
                    else:
                        ya, yb, xa, d = by, ay, bx, -1
                    slope = (bx - ax) / (by - ay)
                    ks = int(math.ceil((ya - y0) * S - 0.5))
                    ke = int(math.ceil((yb - y0) * S - 0.5))
                    if ks < 0:
                        ks = 0
                    if ke > nsub:
                        ke = nsub
                    base = y0 - ya
                    for kk in range(ks, ke):
                        buckets[kk].append((xa + (base + (kk + 0.5) * inv) * slope - x0, d))
                ax, ay = bx, by
        cr, cg, cb = (c / 255.0 for c in color)
        R, G, B, A = self.r, self.g, self.b, self.a
        for row in range(h):
            acc = [0.0] * (w + 2)
            used = False
            for kk in range(row * S, row * S + S):
                bk = buckets[kk]
                if not bk:
                    continue
                bk.sort()
                wnd = 0
                start = 0.0
                for x, d in bk:
                    if wnd == 0:
                        start = x
                    wnd += d
                    if wnd == 0:
                        xa = start if start > 0.0 else 0.0
                        xb = x if x < w else float(w)
                        if xb > xa:
                            used = True
                            fa = int(xa)
                            fr = xa - fa
                            acc[fa] += 1.0 - fr
                            acc[fa + 1] += fr
                            fb = int(xb)
                            fr = xb - fb
                            acc[fb] -= 1.0 - fr
                            acc[fb + 1] -= fr
            if clip:
                run = 0.0
                idx = (y0 + row) * s + x0
                for i in range(w):
                    run += acc[i]
                    c = run * inv
                    if c < 0.9995:
                        if c < 0.0:
                            c = 0.0
                        R[idx] *= c
                        G[idx] *= c
                        B[idx] *= c
                        A[idx] *= c
                    idx += 1
                continue
            if not used:
                continue
            run = 0.0
            idx = (y0 + row) * s + x0
            for i in range(w):
                run += acc[i]
                c = run * inv
                if c > 0.0005:
                    if c >= 0.9995:
                        c = opacity
                    else:
                        c *= opacity
                    if c >= 1.0:
                        R[idx] = cr
                        G[idx] = cg
                        B[idx] = cb
                        A[idx] = 1.0
                    else:
                        q = 1.0 - c
                        R[idx] = R[idx] * q + cr * c
                        G[idx] = G[idx] * q + cg * c
                        B[idx] = B[idx] * q + cb * c
                        A[idx] = A[idx] * q + c
                idx += 1

    # -- drawing vocabulary used by the icon descriptions -------------------
    def fill(self, color, *shapes):
        """Paint shapes as they are, without an outline (dark marks on light)."""
        self._paint(self._to_pixels(_flatten(shapes), 0.0), color)

    def put(self, color, *shapes, outline=None):
        """Paint shapes with a dark outline around their union."""
        shapes = _flatten(shapes)
        self._paint(self._to_pixels(shapes, self.o), outline or self.theme["ink"])
        self._paint(self._to_pixels(shapes, 0.0), color)

    def tile(self, fill=None, border=None, rim=None):
        t = self.theme
        fill = fill or t["tile"]
        border = border or t["border"]
        rim = rim or t["rim"]
        rim_w = max(2.5, 0.7 * self.px)
        border_w = max(5.5, 1.0 * self.px)
        rad = 18.0
        outer = RRect(0, 0, 100, 100, rad)
        e = rim_w
        mid = RRect(e, e, 100 - e, 100 - e, rad - e)
        e += border_w
        inner = RRect(e, e, 100 - e, 100 - e, max(rad - e, 2.0))
        self.fill(fill, outer)
        self.outer = outer
        # The border goes on last, over the glyph, so nothing a glyph or its
        # outline pushes outwards can spill past the rounded corners.
        self.frame = [(rim, Frame(outer, mid)), (border, Frame(mid, inner))]

    def finish(self):
        if not self.frame:
            return
        for color, shape in self.frame:
            self.fill(color, shape)
        self._paint(self._to_pixels([self.outer], 0.0), BLACK, clip=True)

    # -- output -------------------------------------------------------------
    def bgra_rows(self):
        """Straight-alpha BGRA bytes per row, top row first."""
        s = self.s
        rows = []
        for y in range(s):
            row = bytearray(s * 4)
            for x in range(s):
                i = y * s + x
                a = self.a[i]
                a8 = int(a * 255.0 + 0.5)
                if a8 <= 0:
                    continue
                if a8 > 255:
                    a8 = 255
                inv = 1.0 / a
                o = x * 4
                row[o] = min(255, int(self.b[i] * inv * 255.0 + 0.5))
                row[o + 1] = min(255, int(self.g[i] * inv * 255.0 + 0.5))
                row[o + 2] = min(255, int(self.r[i] * inv * 255.0 + 0.5))
                row[o + 3] = a8
            rows.append(bytes(row))
        return rows


def _flatten(items):
    out = []
    for it in items:
        if isinstance(it, (list, tuple)):
            out += _flatten(it)
        else:
            out.append(it)
    return out


# ---------------------------------------------------------------------------
# Reusable pictures.
# ---------------------------------------------------------------------------

def magnifier(cx, cy, r, w=12.0, reach=None, hw=16.0, angle=45.0):
    """Lens ring plus a fat handle leaving it at `angle`; reach is the handle
    end's distance from the lens centre."""
    reach = reach if reach is not None else r * 2.05
    a = math.radians(angle)
    p0 = (cx + (r + w * 0.3) * math.cos(a), cy + (r + w * 0.3) * math.sin(a))
    p1 = (cx + reach * math.cos(a), cy + reach * math.sin(a))
    return [Ring(cx, cy, r, w), Stroke([p0, p1], hw)]


def page_shape(x0, y0, x1, y1, fold):
    return Poly([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])


def draw_page(c, x0, y0, x1, y1, fold=None, lines=3, color=WHITE, ink=BLACK):
    fold = fold if fold is not None else (x1 - x0) * 0.34
    c.put(color, page_shape(x0, y0, x1, y1, fold))
    lw = max(5.5, 1.0 * c.px)
    c.fill(ink, Stroke([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], lw))
    if lines and c.s <= 16:
        lines = 0  # at 16 px text lines only turn the page grey
    if lines:
        top = y0 + fold + (y1 - y0 - fold) * 0.28
        bottom = y1 - (y1 - y0) * 0.16
        step = (bottom - top) / max(1, lines - 1)
        for i in range(lines):
            y = top + step * i if lines > 1 else (top + bottom) / 2
            right = x1 - (x1 - x0) * (0.22 if i % 2 == 0 else 0.36)
            c.fill(ink, Stroke([(x0 + (x1 - x0) * 0.22, y), (right, y)], lw))


def folder_back(x0, y0, x1, y1):
    th = (y1 - y0) * 0.17
    tw = (x1 - x0) * 0.36
    return Poly([(x0, y0), (x0 + tw, y0), (x0 + tw + th, y0 + th),
                 (x1, y0 + th), (x1, y1), (x0, y1)])


def draw_folder(c, x0, y0, x1, y1, back=ORANGE, front=YELLOW):
    c.put(back, folder_back(x0, y0, x1, y1))
    gap = (y1 - y0) * 0.30
    c.put(front, RRect(x0, y0 + gap, x1, y1, 2.0))


def plus(cx, cy, arm, w):
    return [Stroke([(cx - arm, cy), (cx + arm, cy)], w, "butt"),
            Stroke([(cx, cy - arm), (cx, cy + arm)], w, "butt")]


def minus(cx, cy, arm, w):
    return [Stroke([(cx - arm, cy), (cx + arm, cy)], w, "butt")]


def cross(cx, cy, arm, w, cap="round"):
    return [Stroke([(cx - arm, cy - arm), (cx + arm, cy + arm)], w, cap),
            Stroke([(cx - arm, cy + arm), (cx + arm, cy - arm)], w, cap)]


def arrow(p0, p1, shaft, head_w, head_len):
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    d = math.hypot(dx, dy)
    ux, uy = dx / d, dy / d
    nx, ny = -uy, ux
    bx, by = p1[0] - ux * head_len, p1[1] - uy * head_len
    s2, h2 = shaft / 2, head_w / 2
    return Poly([(p0[0] + nx * s2, p0[1] + ny * s2), (bx + nx * s2, by + ny * s2),
                 (bx + nx * h2, by + ny * h2), p1,
                 (bx - nx * h2, by - ny * h2), (bx - nx * s2, by - ny * s2),
                 (p0[0] - nx * s2, p0[1] - ny * s2)])


def star(cx, cy, ro, ri, n=5):
    pts = []
    for i in range(2 * n):
        a = -math.pi / 2 + math.pi * i / n
        r = ro if i % 2 == 0 else ri
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return Poly(pts)


def gear(cx, cy, ro, rr, teeth, hole):
    pts = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        t = -math.pi / 2 + i * step
        for a, r in ((t - step * 0.30, rr), (t - step * 0.19, ro),
                     (t + step * 0.19, ro), (t + step * 0.30, rr)):
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        for j in (1, 2):
            a = t + step * 0.30 + step * 0.40 * j / 3
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    ring = []
    n = 48
    for i in range(n):
        a = 2 * math.pi * i / n
        ring.append((cx + hole * math.cos(a), cy + hole * math.sin(a)))
    return Poly(pts, [ring])


def digit(ch, cx=50.0, cy=50.0, h=74.0, w=16.0):
    """Bold numerals built from strokes; h is the full height of the figure."""
    sc = h / 74.0
    def P(x, y):
        return (cx + x * sc, cy + y * sc)
    if ch == "1":
        return [Stroke([P(-13, -25), P(3, -37), P(3, 37)], w, "butt"),
                Stroke([P(-17, 37), P(23, 37)], w, "butt")]
    if ch == "2":
        acx, acy, r = P(0, -17)[0], P(0, -17)[1], 19 * sc
        a_end = math.radians(35)
        ex, ey = acx + r * math.cos(a_end), acy + r * math.sin(a_end)
        return [Arc(acx, acy, r, 185, 395, w, ("butt", "round")),
                Stroke([(ex, ey), P(-20, 37), P(23, 37)], w, ("round", "butt"))]
    if ch == "3":
        ux, uy = P(-1, -19)
        lx, ly = P(0, 17)
        return [Arc(ux, uy, 17 * sc, 190, 450, w, ("butt", "round")),
                Arc(lx, ly, 20 * sc, 270, 520, w, ("round", "butt")),
                Stroke([(ux - 4 * sc, uy + 17 * sc), (lx, ly - 20 * sc)], w, ("butt", "round"))]
    raise ValueError(ch)


def question_mark(cx=50.0, top=12.0, h=76.0, w=15.0):
    sc = h / 76.0
    r = 18 * sc
    acy = top + w / 2 + r
    return ([Arc(cx, acy, r, 165, 450, w, "round"),
             Stroke([(cx, acy + r), (cx, acy + r + 12 * sc)], w, "butt")],
            Disc(cx, top + h - 9.5 * sc, 9.5 * sc))


def speaker(x0, cy, h):
    return Poly([(x0, cy - h * 0.21), (x0 + h * 0.28, cy - h * 0.21),
                 (x0 + h * 0.64, cy - h * 0.5), (x0 + h * 0.64, cy + h * 0.5),
                 (x0 + h * 0.28, cy + h * 0.21), (x0, cy + h * 0.21)])


def draw_printer(c, x0, y0, x1, y1, body, paper=WHITE, feed=True):
    w, h = x1 - x0, y1 - y0
    if feed:
        c.put(paper, RRect(x0 + w * 0.22, y0, x1 - w * 0.22, y0 + h * 0.40, 1.5))
    c.put(body, RRect(x0, y0 + h * 0.27, x1, y0 + h * 0.74, 7.0 * w / 76))
    c.fill(BLACK, Disc(x1 - w * 0.13, y0 + h * 0.40, max(4.2, 0.9 * c.px) * w / 76))
    c.put(paper, Poly([(x0 + w * 0.20, y0 + h * 0.56), (x1 - w * 0.20, y0 + h * 0.56),
                       (x1 - w * 0.20, y1), (x0 + w * 0.20, y1)]))
    lw = max(5.5, 1.0 * c.px) * min(1.0, w / 60)
    for f, right in ((0.73, 0.32), (0.88, 0.44)):
        c.fill(BLACK, Stroke([(x0 + w * 0.31, y0 + h * f), (x1 - w * right, y0 + h * f)], lw))


def draw_monitor(c, x0, y0, x1, y1, frame=WHITE, screen=BLACK):
    """Screen on a stand; returns the inner screen box."""
    w, h = x1 - x0, y1 - y0
    cx = (x0 + x1) / 2
    sy = y0 + h * 0.78
    c.put(frame, RRect(cx - w * 0.10, sy - 2, cx + w * 0.10, y1 - h * 0.06),
          RRect(cx - w * 0.30, y1 - h * 0.12, cx + w * 0.30, y1, 3.0))
    c.put(frame, RRect(x0, y0, x1, sy, 5.0))
    b = max(9.0, 1.6 * c.px)
    inner = (x0 + b, y0 + b, x1 - b, sy - b)
    c.fill(screen, RRect(inner[0], inner[1], inner[2], inner[3], 1.5))
    return inner


def tab_shape(x0, y0, x1, y1):
    """A browser tab standing on the tab strip."""
    return [RRect(x0, y0, x1, y1, (11, 11, 0, 0)), RRect(7, y1 - 10, 93, y1, 2.0)]


# ---------------------------------------------------------------------------
# Findaro: yellow and white glyphs on a deep blue tile with a white border.
# ---------------------------------------------------------------------------

FINDARO = {"tile": DEEP_BLUE, "border": WHITE, "rim": BLACK, "ink": BLACK, "outline": 4.0}
MAGNORA = {"tile": BLACK, "border": YELLOW, "rim": BLACK, "ink": BLACK, "outline": 4.0}


def f_logo(c):
    # The emblem must not be mistaken for a toolbar button, so its tile is
    # inverted, and the glass itself is the document: a page of text seen
    # through a big lens.
    c.tile(fill=YELLOW, border=DEEP_BLUE)
    cx, cy, r, w = 44, 44, 26, 12
    glass = r - w / 2
    c.fill(WHITE, Disc(cx, cy, glass + 1))
    for dy, share in ((-7, 1.0), (7, 0.55)):
        half = math.sqrt(glass * glass - (abs(dy) + 3.5) ** 2) - 5
        c.fill(BLACK, RRect(cx - half, cy + dy - 3.5, cx - half + 2 * half * share, cy + dy + 3.5, 1))
    c.put(DEEP_BLUE, magnifier(cx, cy, r, w, reach=50, hw=19))


def f_exit(c):
    c.tile()
    c.put(WHITE, RRect(14, 12, 54, 88, (4, 4, 0, 0)))
    c.fill(BLACK, RRect(25, 23, 43, 88, (2, 2, 0, 0)))
    c.put(YELLOW, arrow((32, 55), (90, 55), 16, 42, 24))


def f_search(c):
    c.tile()
    c.put(YELLOW, magnifier(41, 41, 22, 13, reach=50, hw=18))


def f_open(c):
    c.tile()
    c.put(ORANGE, folder_back(10, 20, 76, 84))
    c.put(WHITE, arrow((58, 66), (84, 12), 14, 34, 20))
    c.put(YELLOW, Poly([(26, 48), (92, 48), (78, 84), (10, 84)]))


def f_file(c):
    c.tile()
    draw_page(c, 22, 12, 78, 88, fold=20, lines=3)


def f_folder(c):
    c.tile()
    draw_folder(c, 12, 18, 88, 82)


def f_color(c):
    c.tile()
    c.put(WHITE, Disc(50, 50, 37))
    c.put(DEEP_BLUE, Disc(63, 65, 9))
    for (x, y, col) in ((32, 42, RED), (48, 26, YELLOW), (67, 36, GREEN), (36, 64, BLACK)):
        c.put(col, Disc(x, y, 8.5))


def f_new(c):
    c.tile()
    draw_page(c, 14, 12, 62, 80, fold=15, lines=2)
    c.put(YELLOW, plus(66, 66, 21, 15))


def f_copy(c):
    c.tile()
    draw_page(c, 13, 12, 58, 68, fold=14, lines=0)
    draw_page(c, 40, 32, 86, 88, fold=14, lines=2)


def f_sfiles(c):
    c.tile()
    draw_page(c, 12, 12, 54, 76, fold=14, lines=2)
    c.put(YELLOW, magnifier(56, 55, 17, 11, reach=31, hw=15))


def f_sfolders(c):
    c.tile()
    draw_folder(c, 11, 14, 70, 62)
    c.put(YELLOW, magnifier(56, 55, 17, 11, reach=31, hw=15))


def f_sboth(c):
    c.tile()
    draw_page(c, 12, 12, 44, 58, fold=11, lines=0)
    draw_folder(c, 46, 16, 90, 50)
    c.put(YELLOW, magnifier(47, 59, 15, 10, reach=28, hw=14))


def f_scustom(c):
    c.tile()
    c.put(YELLOW, magnifier(39, 45, 21, 12, reach=47, hw=17))
    c.put(WHITE, star(70, 29, 20, 8.5))


def f_expand(c):
    c.tile()
    draw_folder(c, 10, 14, 78, 72)
    c.put(WHITE, plus(69, 69, 19, 14))


def f_help(c):
    c.tile()
    c.put(YELLOW, question_mark())


def f_printer(c):
    c.tile()
    draw_printer(c, 12, 12, 88, 88, YELLOW)


def f_preview(c):
    c.tile()
    c.put(WHITE, RRect(10, 17, 90, 83, 3))
    c.put(SKY, RRect(19, 26, 81, 74))
    c.fill(GREEN, Poly([(19, 74), (40, 44), (54, 62), (63, 53), (81, 74)]))
    c.put(YELLOW, Disc(66, 38, 8))


def f_1(c):
    c.tile()
    c.put(YELLOW, digit("1"))


def f_2(c):
    c.tile()
    c.put(YELLOW, digit("2"))


def f_3(c):
    c.tile()
    c.put(YELLOW, digit("3"))


def f_settings(c):
    c.tile()
    c.put(YELLOW, gear(50, 50, 38, 28, 8, 11))


def f_xfolder(c):
    # A list-row glyph sits beside text on whatever colour the list uses, so
    # it has no tile: just a folder with a heavy outline that reads at 24 px.
    c.o = max(6.0, 1.2 * c.px)
    g = c.o
    draw_folder(c, g, 12 + g * 0.4, 100 - g, 88 - g * 0.4)


FINDARO_ICONS = [
    ("logo", f_logo), ("zexit", f_exit), ("zsearch", f_search), ("zopen", f_open),
    ("zfile", f_file), ("zfolder", f_folder), ("zcolor", f_color), ("znew", f_new),
    ("zcopy", f_copy), ("zsfiles", f_sfiles), ("zsfolders", f_sfolders),
    ("zsboth", f_sboth), ("zscustom", f_scustom), ("zexpand", f_expand),
    ("zhelp", f_help), ("zprinter", f_printer), ("zpreview", f_preview),
    ("z1", f_1), ("z2", f_2), ("z3", f_3), ("zsettings", f_settings),
    ("xfolder", f_xfolder),
]


# ---------------------------------------------------------------------------
# Magnora: white and yellow glyphs on a black tile with a yellow border.
# ---------------------------------------------------------------------------

def m_logo(c):
    # Closing shuts the browser window too, so this one is red: it should be
    # found first and never pressed by mistake for another button.
    c.tile()
    c.fill(WHITE, Disc(50, 50, 40))
    c.fill(RED, Disc(50, 50, 32))
    c.fill(WHITE, cross(50, 50, 15, 13))


def m_new(c):
    c.tile()
    c.put(WHITE, tab_shape(20, 24, 80, 82))
    c.fill(BLACK, plus(50, 50, 16, 11))


def m_prev(c):
    c.tile()
    c.put(WHITE, arrow((88, 50), (10, 50), 26, 70, 36))


def m_next(c):
    c.tile()
    c.put(WHITE, arrow((12, 50), (90, 50), 26, 70, 36))


def m_magexit(c):
    c.tile()
    c.put(WHITE, tab_shape(20, 24, 80, 82))
    c.fill(BLACK, cross(50, 50, 12, 11, "butt"))


def m_info(c):
    c.tile()
    c.fill(WHITE, Disc(50, 50, 39))
    c.fill(BLACK, Disc(50, 29, 8), RRect(43, 42, 57, 76, 1.5))


def _lens(c, sign):
    c.put(WHITE, magnifier(41, 41, 23, 12, reach=50, hw=18))
    if sign == "+":
        c.put(YELLOW, plus(41, 41, 11, 11))
    elif sign == "-":
        c.put(YELLOW, minus(41, 41, 11, 11))
    else:
        c.put(YELLOW, digit("1", 42, 41, 28, 10))


def m_plus(c):
    c.tile()
    _lens(c, "+")


def m_minus(c):
    c.tile()
    _lens(c, "-")


def m_reset(c):
    c.tile()
    _lens(c, "1")


def m_copy(c):
    c.tile()
    draw_page(c, 13, 12, 58, 68, fold=14, lines=0)
    draw_page(c, 40, 32, 86, 88, fold=14, lines=2)


def _speaker(c):
    c.put(WHITE, speaker(10, 50, 58))


def m_speak(c):
    c.tile()
    _speaker(c)
    c.put(YELLOW, Arc(47, 50, 17, -48, 48, 9), Arc(47, 50, 33, -48, 48, 9))


def m_volumeup(c):
    c.tile()
    _speaker(c)
    c.put(YELLOW, plus(72, 50, 15, 11))


def m_volumedown(c):
    c.tile()
    _speaker(c)
    c.put(YELLOW, minus(72, 50, 15, 11))


def m_volumemute(c):
    c.tile()
    _speaker(c)
    c.put(YELLOW, cross(72, 50, 12, 11))


def m_faster(c):
    c.tile()
    c.put(WHITE, Poly([(10, 20), (50, 50), (10, 80)]))
    c.put(WHITE, Poly([(46, 20), (86, 50), (46, 80)]))


def m_voice(c):
    c.tile()
    c.put(YELLOW, Arc(50, 42, 25, 0, 180, 9, "round"),
          Stroke([(50, 67), (50, 83)], 9, "butt"), Stroke([(33, 85), (67, 85)], 9))
    c.put(WHITE, RRect(36, 10, 64, 58, 14))


def m_print(c):
    c.tile()
    draw_printer(c, 12, 12, 88, 88, WHITE, paper=YELLOW)


def m_prints(c):
    c.tile()
    c.put(WHITE, RRect(8, 8, 70, 56, 5))
    c.fill(BLACK, RRect(18, 18, 60, 46, 1.5))
    draw_printer(c, 38, 40, 92, 92, WHITE, paper=YELLOW, feed=False)


def m_bookmark(c):
    c.tile()
    c.put(YELLOW, Poly([(28, 10), (72, 10), (72, 90), (50, 70), (28, 90)]))


def m_bookmarks(c):
    c.tile()
    for y in (24, 50, 76):
        c.put(WHITE, RRect(48, y - 7, 90, y + 7, 2))
    c.put(YELLOW, Poly([(10, 12), (38, 12), (38, 88), (24, 75), (10, 88)]))


def m_contrast(c):
    c.tile()
    c.fill(WHITE, Ring(50, 50, 34, 10), Pie(50, 50, 34, 90, 270))


def m_osk(c):
    c.tile()
    c.put(WHITE, RRect(8, 22, 92, 78, 7))
    # Few, large keys with wide gaps: a real key count would melt into grey.
    for y in (29, 46):
        for i in range(4):
            x = 16.5 + i * 18
            c.fill(BLACK, RRect(x, y, x + 13, y + 12, 1.5))
    c.fill(BLACK, RRect(29, 63, 71, 71, 1.5))


def _screen_lens(c, sign):
    c.put(WHITE, RRect(8, 8, 68, 58, 5))
    c.fill(BLACK, RRect(18, 18, 58, 48, 1.5))
    cx, cy, r = 55, 54, 20
    # Solid glass, so the screen's frame does not show through as stray bits.
    c.fill(BLACK, Disc(cx, cy, r))
    c.put(YELLOW, magnifier(cx, cy, r, 11, reach=33, hw=16))
    if sign == "+":
        c.put(WHITE, plus(cx, cy, 10, 10))
    elif sign == "-":
        c.put(WHITE, minus(cx, cy, 10, 10))


def m_magplus(c):
    c.tile()
    _screen_lens(c, "+")


def m_magminus(c):
    c.tile()
    _screen_lens(c, "-")


def m_magtype(c):
    c.tile()
    x0, y0, x1, y1 = draw_monitor(c, 8, 10, 92, 86)
    mid = (y0 + y1) / 2 - 1
    c.fill(YELLOW, RRect(x0, y0, x1, mid, 1.5))
    c.fill(BLACK, magnifier((x0 + x1) / 2 - 5, (y0 + mid) / 2 - 2, 8, 7, reach=17, hw=8.5))


def m_capture(c):
    c.tile()
    c.put(WHITE, RRect(10, 30, 90, 82, 9), Poly([(30, 31), (36, 18), (62, 18), (68, 31)]))
    c.fill(BLACK, Disc(50, 56, 19))
    c.fill(YELLOW, Disc(50, 56, 10))
    c.fill(BLACK, RRect(72, 37, 82, 43, 1.5))


def m_center(c):
    c.tile()
    c.put(WHITE, Ring(50, 50, 26, 10),
          Stroke([(50, 10), (50, 36)], 10, "butt"), Stroke([(50, 64), (50, 90)], 10, "butt"),
          Stroke([(10, 50), (36, 50)], 10, "butt"), Stroke([(64, 50), (90, 50)], 10, "butt"))
    c.put(YELLOW, Disc(50, 50, 7))


MAGNORA_ICONS = [
    ("logo", m_logo), ("xnew", m_new), ("xprev", m_prev), ("xnext", m_next),
    ("xmagexit", m_magexit), ("xinfo", m_info), ("xplus", m_plus), ("xminus", m_minus),
    ("xreset", m_reset), ("xcopy", m_copy), ("xspeak", m_speak),
    ("xvolumeup", m_volumeup), ("xvolumedown", m_volumedown), ("xfaster", m_faster),
    ("xvolumemute", m_volumemute), ("xvoice", m_voice), ("xxprint", m_print),
    ("xxprints", m_prints), ("xbookmark", m_bookmark), ("xbookmarks", m_bookmarks),
    ("xcontrast", m_contrast), ("xosk", m_osk), ("xmagplus", m_magplus),
    ("xmagminus", m_magminus), ("xmagtype", m_magtype), ("xcapture", m_capture),
    ("xcenter", m_center),
]

PROGRAMS = (("findaro", FINDARO, FINDARO_ICONS), ("magnora", MAGNORA, MAGNORA_ICONS))


# ---------------------------------------------------------------------------
# .ico writing and checking.
# ---------------------------------------------------------------------------

def render(draw, theme, size):
    c = Painter(size, theme)
    draw(c)
    c.finish()
    return c.bgra_rows()


def _mask_stride(size):
    return ((size + 31) // 32) * 4


def dib_bytes(size, rows):
    """32-bit DIB as icons store it: header with doubled height, bottom-up
    colour rows, then the 1-bit AND mask (1 = transparent)."""
    stride = _mask_stride(size)
    colour = b"".join(reversed(rows))
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x in range(size):
            if row[x * 4 + 3] == 0:
                bits[x >> 3] |= 0x80 >> (x & 7)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + bytes(mask)


def png_bytes(size, rows):
    """RGBA PNG of straight-alpha BGRA rows, top row first."""
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for x in range(size):
            b, g, r, a = row[x * 4: x * 4 + 4]
            raw += bytes((r, g, b, a))
    return _png(size, size, 6, bytes(raw))


def _png(width, height, colour_type, raw):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def image_bytes(size, rows):
    return png_bytes(size, rows) if size in PNG_SIZES else dib_bytes(size, rows)


def ico_bytes(images):
    """images: list of (size, dib bytes)."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                               len(data), offset)
        offset += len(data)
    return out + entries + b"".join(d for _, d in images)


def check_ico(path, tiled=True):
    """Re-read an icon and return a list of problems (empty when it is sound)."""
    problems = []
    with open(path, "rb") as fh:
        data = fh.read()
    if len(data) < 6:
        return ["file too short"]
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        problems.append("not an icon header")
    if count != len(SIZES):
        problems.append("holds %d images, expected %d" % (count, len(SIZES)))
        return problems
    end = 6 + 16 * count
    seen = []
    for i in range(count):
        w, h, colours, res, planes, bpp, nbytes, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        w = w or 256
        h = h or 256
        seen.append(w)
        if w != h:
            problems.append("entry %d is not square" % i)
        if colours or res or planes != 1 or bpp != 32:
            problems.append("entry %d: bad colour fields" % i)
        if offset != end:
            problems.append("entry %d: image not where expected" % i)
        if offset + nbytes > len(data):
            problems.append("entry %d runs past the end of the file" % i)
            return problems
        end = offset + nbytes
        body = data[offset: offset + nbytes]
        if w in PNG_SIZES:
            alpha, trouble = _png_alpha(body, w)
        else:
            alpha, trouble = _dib_alpha(body, w)
        if trouble:
            problems.append("entry %d: %s" % (i, trouble))
            continue
        problems += ["entry %d: %s" % (i, p) for p in _picture_problems(alpha, w, tiled)]
    if sorted(seen) != sorted(SIZES):
        problems.append("sizes %s, expected %s" % (sorted(seen), list(SIZES)))
    if end != len(data):
        problems.append("%d stray bytes at the end" % (len(data) - end))
    return problems


def _dib_alpha(body, w):
    """The alpha of a 32-bit icon bitmap, top row first, or the trouble with it."""
    (bsize, bw, bh, bplanes, bbits, comp, simg, _, _, _, _) = struct.unpack_from("<IiiHHIIiiII", body, 0)
    if (bsize, bw, bh, bplanes, bbits, comp) != (40, w, 2 * w, 1, 32, 0):
        return None, "bad bitmap header"
    stride = _mask_stride(w)
    want = 40 + w * w * 4 + stride * w
    if len(body) != want or simg != want - 40:
        return None, "%d bytes of image, expected %d" % (len(body), want)
    colour = body[40: 40 + w * w * 4]
    mask = body[40 + w * w * 4:]
    rows = []
    for y in range(w):
        row = []
        for x in range(w):
            a = colour[(y * w + x) * 4 + 3]
            bit = (mask[y * stride + (x >> 3)] >> (7 - (x & 7))) & 1
            if bit != (a == 0):
                return None, "mask disagrees with alpha at %d,%d" % (x, y)
            row.append(a)
        rows.append(row)
    rows.reverse()  # stored bottom-up
    return rows, None


def _png_alpha(body, w):
    """The alpha of an RGBA PNG as this script writes it, top row first."""
    if body[:8] != b"\x89PNG\r\n\x1a\n":
        return None, "not a PNG"
    pos = 8
    header = None
    compressed = b""
    while pos + 8 <= len(body):
        length, kind = struct.unpack_from(">I4s", body, pos)
        chunk = body[pos + 8: pos + 8 + length]
        crc = struct.unpack_from(">I", body, pos + 8 + length)[0]
        if zlib.crc32(kind + chunk) & 0xFFFFFFFF != crc:
            return None, "PNG chunk %r damaged" % kind
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", chunk)
        elif kind == b"IDAT":
            compressed += chunk
        pos += 12 + length
        if kind == b"IEND":
            break
    if header != (w, w, 8, 6, 0, 0, 0):
        return None, "PNG is not %d pixels of 8-bit RGBA" % w
    if pos != len(body):
        return None, "bytes after the PNG's end"
    raw = zlib.decompress(compressed)
    line = 1 + w * 4
    if len(raw) != line * w:
        return None, "PNG holds %d bytes of pixels, expected %d" % (len(raw), line * w)
    rows = []
    for y in range(w):
        if raw[y * line] != 0:
            return None, "PNG row %d is filtered" % y
        rows.append([raw[y * line + 1 + x * 4 + 3] for x in range(w)])
    return rows, None


def _picture_problems(alpha, w, tiled):
    problems = []
    opaque = sum(1 for row in alpha for a in row if a == 255)
    if opaque < w * w // 4:
        problems.append("picture is almost empty")
    if tiled:
        # A rounded tile leaves all four corners clear while its middle is solid.
        corners = [alpha[0][0], alpha[0][w - 1], alpha[w - 1][0], alpha[w - 1][w - 1]]
        middle = alpha[w // 2][w // 2]
        # At 16 px the corner curve is under three pixels, so the corner
        # pixel may be grazed; it must still be mostly clear.
        limit = 0 if w >= 24 else 64
        if max(corners) > limit or middle != 255:
            problems.append("tile corners or middle wrong")
    return problems


# ---------------------------------------------------------------------------
# Contact sheet, so a person can judge the artwork.
# ---------------------------------------------------------------------------

_FONT = {
    "a": ".#. #.# ### #.# #.#", "b": "##. #.# ##. #.# ##.", "c": ".## #.. #.. #.. .##",
    "d": "##. #.# #.# #.# ##.", "e": "### #.. ##. #.. ###", "f": "### #.. ##. #.. #..",
    "g": ".## #.. #.# #.# .##", "h": "#.# #.# ### #.# #.#", "i": "### .#. .#. .#. ###",
    "j": "..# ..# ..# #.# .#.", "k": "#.# #.# ##. #.# #.#", "l": "#.. #.. #.. #.. ###",
    "m": "#.# ### ### #.# #.#", "n": "##. #.# #.# #.# #.#", "o": ".#. #.# #.# #.# .#.",
    "p": "##. #.# ##. #.. #..", "q": ".#. #.# #.# ##. .##", "r": "##. #.# ##. #.# #.#",
    "s": ".## #.. .#. ..# ##.", "t": "### .#. .#. .#. .#.", "u": "#.# #.# #.# #.# ###",
    "v": "#.# #.# #.# #.# .#.", "w": "#.# #.# ### ### #.#", "x": "#.# #.# .#. #.# #.#",
    "y": "#.# #.# .#. .#. .#.", "z": "### ..# .#. #.. ###", "0": "### #.# #.# #.# ###",
    "1": ".#. ##. .#. .#. ###", "2": "##. ..# .#. #.. ###", "3": "##. ..# .#. ..# ##.",
}


def _glyph_bits(ch):
    """Rows of a 3 x 5 label letter, run together; unknown letters are blank."""
    return _FONT.get(ch, "... ... ... ... ...").replace(" ", "")


def write_preview(path, rendered):
    """rendered: list of (program, [(name, {size: rows})])."""
    big, mid, small, tiny = 128, 48, 24, 16
    cell_w = big + mid + small + tiny + 40
    cell_h = big + 30
    cols = 5
    margin = 12
    sections = []
    height = margin
    for prog, icons in rendered:
        nrows = (len(icons) + cols - 1) // cols
        sections.append((prog, icons, height))
        height += 24 + nrows * cell_h + margin
    width = margin * 2 + cols * cell_w
    img = [bytearray(bytes(MID_GREY) * width) for _ in range(height)]

    def blit(rows, size, ox, oy):
        for y in range(size):
            src = rows[y]
            dst = img[oy + y]
            for x in range(size):
                a = src[x * 4 + 3]
                if a == 0:
                    continue
                o = (ox + x) * 3
                for ch, si in ((0, 2), (1, 1), (2, 0)):
                    dst[o + ch] = (src[x * 4 + si] * a + dst[o + ch] * (255 - a) + 127) // 255

    def text(s, ox, oy, scale=2):
        for n, ch in enumerate(s):
            bits = _glyph_bits(ch)
            for r in range(5):
                for col in range(3):
                    if bits[r * 3 + col] == "#":
                        for yy in range(scale):
                            row = img[oy + r * scale + yy]
                            for xx in range(scale):
                                o = (ox + n * 4 * scale + col * scale + xx) * 3
                                row[o:o + 3] = b"\xff\xff\xff"

    for prog, icons, top in sections:
        text(prog, margin, top + 4, 3)
        for n, (name, by_size) in enumerate(icons):
            ox = margin + (n % cols) * cell_w
            oy = top + 24 + (n // cols) * cell_h
            blit(by_size[big], big, ox, oy)
            x = ox + big + 8
            blit(by_size[mid], mid, x, oy)
            x += mid + 8
            blit(by_size[small], small, x, oy)
            x += small + 8
            blit(by_size[tiny], tiny, x, oy)
            text(name, ox, oy + big + 8)

    raw = b"".join(b"\x00" + bytes(r) for r in img)
    with open(path, "wb") as fh:
        fh.write(_png(width, height, 2, raw))


# ---------------------------------------------------------------------------

def _render_icon(job):
    prog, name = job
    for p, theme, icons in PROGRAMS:
        if p == prog:
            draw = dict(icons)[name]
            return prog, name, {s: render(draw, theme, s) for s in SIZES}
    raise KeyError(job)


def main(argv):
    preview = None
    jobs_wanted = 1
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--preview" and args:
            preview = args.pop(0)
        elif a == "--jobs" and args:
            jobs_wanted = max(1, int(args.pop(0)))
        else:
            print("usage: make_icons.py [--preview out.png] [--jobs N]", file=sys.stderr)
            return 2
    started = time.time()
    jobs = [(prog, name) for prog, _, icons in PROGRAMS for name, _ in icons]
    if jobs_wanted > 1:
        import multiprocessing
        with multiprocessing.Pool(jobs_wanted) as pool:
            results = pool.map(_render_icon, jobs)
    else:
        results = [_render_icon(j) for j in jobs]

    written = []
    for prog, name, by_size in results:
        folder = os.path.join(HERE, prog)
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name + ".ico")
        data = ico_bytes([(s, image_bytes(s, by_size[s])) for s in SIZES])
        with open(path, "wb") as fh:
            fh.write(data)
        written.append((prog, name, path))

    failures = 0
    total = 0
    for prog, name, path in written:
        problems = check_ico(path, tiled=(name != "xfolder"))
        total += os.path.getsize(path)
        for p in problems:
            print("%s/%s.ico: %s" % (prog, name, p), file=sys.stderr)
        failures += bool(problems)

    if preview:
        rendered = []
        for prog, _, icons in PROGRAMS:
            rendered.append((prog, [(n, s) for p, n, s in results if p == prog]))
        write_preview(preview, rendered)

    print("%d icons written, %d bytes, %d failed checks, %.1f s%s" % (
        len(written), total, failures, time.time() - started,
        ", preview in " + preview if preview else ""))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
