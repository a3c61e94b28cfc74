# SPDX-License-Identifier: MIT
"""Tiny vector toolkit for the lettering: paths, a rounded stroke alphabet,
carved capitals and a broad-nib pen.  Everything is emitted as plain SVG
path data in final pixel coordinates (no fonts, no transforms needed).
"""
import math
import random


def fmt(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


class Path:
    """A list of subpaths made of M/L/C commands (quadratics and arcs become cubics)."""

    def __init__(self):
        self.subs = []          # each: {"cmds": [(letter, point, ...)], "closed": bool}
        self.cur = (0.0, 0.0)

    # -- building ---------------------------------------------------------
    def M(self, x, y):
        self.subs.append({"cmds": [("M", (x, y))], "closed": False})
        self.cur = (x, y)
        return self

    def L(self, x, y):
        self.subs[-1]["cmds"].append(("L", (x, y)))
        self.cur = (x, y)
        return self

    def H(self, x):
        return self.L(x, self.cur[1])

    def V(self, y):
        return self.L(self.cur[0], y)

    def C(self, x1, y1, x2, y2, x, y):
        self.subs[-1]["cmds"].append(("C", (x1, y1), (x2, y2), (x, y)))
        self.cur = (x, y)
        return self

    def Q(self, x1, y1, x, y):
        x0, y0 = self.cur
        return self.C(x0 + 2 / 3 * (x1 - x0), y0 + 2 / 3 * (y1 - y0),
                      x + 2 / 3 * (x1 - x), y + 2 / 3 * (y1 - y), x, y)

    def Z(self):
        self.subs[-1]["closed"] = True
        return self

    def arc(self, cx, cy, rx, ry, a0, a1, move=True):
        """Elliptical arc, angles in degrees (y grows downwards, so positive = clockwise)."""
        sx, sy = cx + rx * math.cos(math.radians(a0)), cy + ry * math.sin(math.radians(a0))
        if move:
            self.M(sx, sy)
        else:
            self.L(sx, sy)
        n = max(1, int(math.ceil(abs(a1 - a0) / 90 - 1e-9)))
        da = (a1 - a0) / n
        for i in range(n):
            t0 = math.radians(a0 + i * da)
            t1 = math.radians(a0 + (i + 1) * da)
            k = 4 / 3 * math.tan((t1 - t0) / 4)
            p0 = (math.cos(t0), math.sin(t0))
            p1 = (math.cos(t1), math.sin(t1))
            c1 = (p0[0] - k * p0[1], p0[1] + k * p0[0])
            c2 = (p1[0] + k * p1[1], p1[1] - k * p1[0])
            self.C(cx + rx * c1[0], cy + ry * c1[1], cx + rx * c2[0], cy + ry * c2[1],
                   cx + rx * p1[0], cy + ry * p1[1])
        return self

    def ellipse(self, cx, cy, rx, ry, clockwise=True):
        if clockwise:
            self.arc(cx, cy, rx, ry, 0, 360)
        else:
            self.arc(cx, cy, rx, ry, 360, 0)
        return self.Z()

    def extend(self, other):
        self.subs.extend(other.subs)
        return self

    # -- output -------------------------------------------------------------
    def transformed(self, a, b, c, d, e, f):
        """Affine map (x, y) -> (a x + c y + e, b x + d y + f)."""
        out = Path()
        for sub in self.subs:
            cmds = [(cmd[0],) + tuple((a * x + c * y + e, b * x + d * y + f) for x, y in cmd[1:])
                    for cmd in sub["cmds"]]
            out.subs.append({"cmds": cmds, "closed": sub["closed"]})
        return out

    def place(self, x, y, s, slant=0.0):
        """Scale by s, shear by slant (x += slant * (baseline - y)), move origin to (x, y)."""
        return self.transformed(s, 0, -slant * s, s, x, y)

    def d(self):
        chunks = []
        for sub in self.subs:
            for cmd in sub["cmds"]:
                chunks.append(cmd[0] + " ".join(f"{fmt(px)} {fmt(py)}" for px, py in cmd[1:]))
            if sub["closed"]:
                chunks.append("Z")
        return "".join(chunks)

    def polylines(self, step=1.0):
        """Sampled points of each subpath: list of (points, closed)."""
        res = []
        for sub in self.subs:
            pts = []
            for cmd in sub["cmds"]:
                if cmd[0] == "M":
                    pts.append(cmd[1])
                elif cmd[0] == "L":
                    p0, p1 = pts[-1], cmd[1]
                    n = max(1, int(math.dist(p0, p1) / step))
                    pts += [(p0[0] + (p1[0] - p0[0]) * i / n, p0[1] + (p1[1] - p0[1]) * i / n)
                            for i in range(1, n + 1)]
                else:
                    p0, c1, c2, p1 = pts[-1], cmd[1], cmd[2], cmd[3]
                    ln = math.dist(p0, c1) + math.dist(c1, c2) + math.dist(c2, p1)
                    n = max(2, int(ln / step))
                    for i in range(1, n + 1):
                        t = i / n
                        u = 1 - t
                        pts.append((u ** 3 * p0[0] + 3 * u * u * t * c1[0] + 3 * u * t * t * c2[0] + t ** 3 * p1[0],
                                    u ** 3 * p0[1] + 3 * u * u * t * c1[1] + 3 * u * t * t * c2[1] + t ** 3 * p1[1]))
            res.append((pts, sub["closed"]))
        return res


# ---------------------------------------------------------------------------
# Rounded stroke alphabet.  Units: cap height 100, baseline y = 100, x-height
# top y = 32, descender to y = 132.  Each glyph: (advance width, Path).
# ---------------------------------------------------------------------------

def _glyphs():
    g = {}
    P = Path
    g["A"] = (72, P().M(0, 100).L(36, 0).L(72, 100).M(13, 66).H(59))
    g["B"] = (62, P().M(0, 48).H(36).C(51, 48, 62, 59.6, 62, 74).C(62, 88.4, 51, 100, 36, 100).H(0).V(0)
              .H(32).C(45.3, 0, 56, 10.7, 56, 24).C(56, 37.3, 45.3, 48, 32, 48))
    g["C"] = (80, P().arc(50, 50, 50, 50, -42, -318))
    g["D"] = (70, P().M(0, 0).V(100).H(24).C(52, 100, 70, 80, 70, 50).C(70, 20, 52, 0, 24, 0).Z())
    g["E"] = (56, P().M(56, 0).H(0).V(100).H(56).M(0, 50).H(46))
    g["I"] = (0, P().M(0, 0).V(100))
    g["L"] = (52, P().M(0, 0).V(100).H(52))
    g["N"] = (66, P().M(0, 100).V(0).L(66, 100).V(0))
    g["O"] = (96, P().ellipse(48, 50, 48, 50))
    g["P"] = (58, P().M(0, 100).V(0).H(32).C(47, 0, 58, 12, 58, 27).C(58, 42, 47, 54, 32, 54).H(0))
    g["R"] = (62, P().M(0, 100).V(0).H(32).C(47, 0, 58, 12, 58, 27).C(58, 42, 47, 54, 32, 54).H(0)
              .M(32, 54).L(62, 100))
    g["S"] = (58, P().M(55, 14).C(49, 4, 40, 0, 29, 0).C(13, 0, 3, 9, 3, 24).C(3, 40, 17, 45, 29, 48.5)
              .C(43, 52.5, 58, 58, 58, 75).C(58, 91, 46, 100, 29, 100).C(17, 100, 6, 95, 0, 85))
    g["T"] = (64, P().M(0, 0).H(64).M(32, 0).V(100))
    g["U"] = (64, P().M(0, 0).V(64).C(0, 87, 13, 100, 32, 100).C(51, 100, 64, 87, 64, 64).V(0))
    # lower case
    g["a"] = (62, P().ellipse(30, 66, 30, 34).M(62, 32).V(100))
    g["c"] = (58, P().arc(33, 66, 33, 34, -40, -320))
    g["e"] = (66, P().M(1, 66).H(65).arc(33, 66, 32, 34, 0, -322, move=False))
    g["i"] = (0, P().M(0, 32).V(100).M(0, 8).V(8.5))
    g["m"] = (92, P().M(0, 100).V(32).M(0, 56).C(0, 41, 9, 32, 23, 32).C(37, 32, 46, 41, 46, 56).V(100)
              .M(46, 56).C(46, 41, 55, 32, 69, 32).C(83, 32, 92, 41, 92, 56).V(100))
    g["n"] = (60, P().M(0, 100).V(32).M(0, 58).C(0, 42, 12, 32, 30, 32).C(48, 32, 60, 42, 60, 58).V(100))
    g["o"] = (68, P().ellipse(34, 66, 34, 34))
    g["ó"] = (68, P().ellipse(34, 66, 34, 34).M(31, 20).L(45, 2))
    g["p"] = (64, P().M(0, 132).V(32).ellipse(32, 66, 32, 34))
    g["r"] = (38, P().M(0, 100).V(32).M(0, 62).C(0, 43, 14, 32, 38, 33))
    g["y"] = (64, P().M(0, 32).L(33, 100).M(64, 32).L(27, 121).C(23, 129, 17, 132, 7, 132))
    g[" "] = (34, P())
    return g


GLYPHS = _glyphs()
def sans_text(text, x, baseline, cap, track=0.30, slant=0.0):
    """Returns (Path, width in px) of text set in the rounded alphabet.

    The path is a centreline; stroke it (round caps and joins) with a width
    of about 0.12..0.2 * cap.  x is the centreline start of the first letter.
    """
    s = cap / 100.0
    path = Path()
    pen = 0.0
    for ch in text:
        adv, gp = GLYPHS[ch]
        path.extend(gp.place(x + pen * s, baseline - 100 * s, s, slant))
        gap = track * 100
        if ch == " ":
            gap = 0
        pen += adv + gap
    return path, (pen - track * 100) * s


def sans_width(text, cap, track=0.30):
    return sans_text(text, 0, 0, cap, track)[1]


# ---------------------------------------------------------------------------
# Broad-nib pen.  The mark of a flat nib (a segment h) dragged along a curve
# is the region between the curve shifted by +h and by -h, as long as the
# curve does not turn across the nib direction; so each cubic is split where
# its tangent is parallel to the nib, and every piece becomes one closed
# "ribbon" of two shifted cubics.  All ribbons get the same orientation, so
# the non-zero fill rule paints their union.
# ---------------------------------------------------------------------------

def _split(p0, p1, p2, p3, t0, t1):
    """Sub-cubic of a cubic between parameters t0 < t1."""
    def at(t):
        u = 1 - t
        return tuple(u ** 3 * a + 3 * u * u * t * b + 3 * u * t * t * c + t ** 3 * d
                     for a, b, c, d in zip(p0, p1, p2, p3))

    def deriv(t):
        u = 1 - t
        return tuple(3 * (u * u * (b - a) + 2 * u * t * (c - b) + t * t * (d - c))
                     for a, b, c, d in zip(p0, p1, p2, p3))
    q0, q3 = at(t0), at(t1)
    k = (t1 - t0) / 3
    d0, d1 = deriv(t0), deriv(t1)
    return q0, (q0[0] + d0[0] * k, q0[1] + d0[1] * k), (q3[0] - d1[0] * k, q3[1] - d1[1] * k), q3


def nib_path(path, nib_len, angle_deg):
    a = math.radians(angle_deg)
    h = (math.cos(a) * nib_len / 2, -math.sin(a) * nib_len / 2)

    def cross(v):
        return v[0] * h[1] - v[1] * h[0]

    def sh(pt, s):
        return f"{fmt(pt[0] + s * h[0])} {fmt(pt[1] + s * h[1])}"

    out = []
    for sub in path.subs:
        cur = None
        cmds = list(sub["cmds"])
        if sub["closed"]:
            cmds.append(("L", cmds[0][1]))
        for cmd in cmds:
            if cmd[0] == "M":
                cur = cmd[1]
                continue
            if cmd[0] == "L":
                p3 = cmd[1]
                p1, p2 = cur, p3
            else:
                p1, p2, p3 = cmd[1], cmd[2], cmd[3]
            p0 = cur
            cur = p3
            ca = cross((p1[0] - p0[0], p1[1] - p0[1]))
            cb = cross((p2[0] - p1[0], p2[1] - p1[1]))
            cc = cross((p3[0] - p2[0], p3[1] - p2[1]))
            qa, qb, qc = ca - 2 * cb + cc, 2 * (cb - ca), ca
            roots = []
            if abs(qa) > 1e-9:
                disc = qb * qb - 4 * qa * qc
                if disc > 0:
                    sq = math.sqrt(disc)
                    roots = [(-qb - sq) / (2 * qa), (-qb + sq) / (2 * qa)]
            elif abs(qb) > 1e-9:
                roots = [-qc / qb]
            ts = [0.0] + sorted(t for t in roots if 1e-4 < t < 1 - 1e-4) + [1.0]
            for t0, t1 in zip(ts, ts[1:]):
                q = _split(p0, p1, p2, p3, t0, t1)
                tm = (t0 + t1) / 2
                u = 1 - tm
                tan = (u * u * (p1[0] - p0[0]) + 2 * u * tm * (p2[0] - p1[0]) + tm * tm * (p3[0] - p2[0]),
                       u * u * (p1[1] - p0[1]) + 2 * u * tm * (p2[1] - p1[1]) + tm * tm * (p3[1] - p2[1]))
                if abs(cross(tan)) < 1e-9 and math.dist(q[0], q[3]) < 1e-6:
                    continue
                s = 1 if cross(tan) > 0 else -1
                out.append(f"M{sh(q[0], s)}C{sh(q[1], s)} {sh(q[2], s)} {sh(q[3], s)}"
                           f"L{sh(q[3], -s)}C{sh(q[2], -s)} {sh(q[1], -s)} {sh(q[0], -s)}Z")
    return "".join(out)


# ---------------------------------------------------------------------------
# Helpers for texture: point-in-shape tests on sampled outlines.
# ---------------------------------------------------------------------------

def rings(path, step=0.7):
    return [pts for pts, _ in path.polylines(step)]


def inside(pt, rs):
    """Even-odd test of pt against the list of rings."""
    x, y = pt
    c = False
    for r in rs:
        n = len(r)
        for i in range(n):
            x0, y0 = r[i]
            x1, y1 = r[(i + 1) % n]
            if (y0 > y) != (y1 > y):
                xi = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                if xi > x:
                    c = not c
    return c


def edge_distance(pt, rs):
    best = 1e9
    for r in rs:
        n = len(r)
        for i in range(n):
            ax, ay = r[i]
            bx, by = r[(i + 1) % n]
            dx, dy = bx - ax, by - ay
            ll = dx * dx + dy * dy
            t = 0 if ll == 0 else max(0, min(1, ((pt[0] - ax) * dx + (pt[1] - ay) * dy) / ll))
            best = min(best, math.hypot(pt[0] - ax - t * dx, pt[1] - ay - t * dy))
    return best


def rng(seed):
    return random.Random(seed)
