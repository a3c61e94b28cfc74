# SPDX-License-Identifier: MIT
"""wordmark.svg (479 x 89): TORNELAS in carved stone capitals on black.

The capitals are drawn as outlines (cap height 62 px, letters placed side by
side); the stone look comes from gradients, a chiselled edge (a dark copy
shifted down-right and a light copy shifted up-left) and a few cracks and
speckles scattered inside each letter.
"""
import math
import lettering as lt
from lettering import Path, fmt

CAP = 62


def poly(pts):
    p = Path().M(*pts[0])
    for pt in pts[1:]:
        p.L(*pt)
    return p.Z()


def letter_T():
    return 50, [poly([(0, 0), (50, 0), (50, 14), (46.5, 14), (45, 9), (30.5, 9), (30.5, 57), (37, 58.5), (37, 62),
                      (13, 62), (13, 58.5), (19.5, 57), (19.5, 9), (5, 9), (3.5, 14), (0, 14)])]


def letter_O():
    p = Path().ellipse(29, 31, 29, 31.6).ellipse(29.6, 31, 17, 22.6, clockwise=False)
    return 58, [p]


def letter_R():
    p = (Path().M(0, 0).H(30).C(44, 0, 51, 7, 51, 17).C(51, 26.5, 44.5, 32.5, 34.5, 33.8)
         .L(48.5, 57).L(53, 58.5).V(62).H(38).L(22.5, 35.5).H(15.5).V(57).L(20, 58.5).V(62).H(0)
         .V(58.5).L(4.5, 57).V(5).L(0, 3.5).Z()
         .M(15.5, 6.5).H(28).C(35, 6.5, 39, 10.5, 39, 17.2).C(39, 24.2, 35, 28.8, 28, 28.8).H(15.5).Z())
    return 53, [p]


def letter_N():
    return 56, [poly([(0, 0), (14, 0), (46, 46), (46, 5), (42, 3.5), (42, 0), (56, 0), (56, 3.5), (51, 5),
                      (51, 62), (45, 62), (10, 13), (10, 57), (14, 58.5), (14, 62), (0, 62), (0, 58.5),
                      (4.5, 57), (4.5, 4), (0, 3)])]


def letter_E():
    return 44, [poly([(0, 0), (43, 0), (43, 14), (40, 14), (38, 8), (16, 8), (16, 27), (29, 27), (30.5, 23),
                      (33.5, 23), (33.5, 38.5), (30.5, 38.5), (29, 34.5), (16, 34.5), (16, 54), (38.5, 54),
                      (40.5, 47), (44, 47), (44, 62), (0, 62), (0, 58.5), (4.5, 57), (4.5, 5), (0, 3.5)])]


def letter_L():
    return 42, [poly([(0, 0), (20.5, 0), (20.5, 3.5), (16, 5), (16, 54), (37, 54), (39, 46), (42, 46), (42, 62),
                      (0, 62), (0, 58.5), (4.5, 57), (4.5, 5), (0, 3.5)])]


def letter_A():
    outer = [(24, 0), (34, 0), (52, 57), (57, 58.5), (57, 62), (36.5, 62), (36.5, 58.5), (41, 57), (37.5, 46),
             (15.6, 46), (12, 57), (16.5, 58.5), (16.5, 62), (1, 62), (1, 58.5), (5.5, 57)]
    hole = [(26.7, 11.7), (35.3, 39), (17.9, 39)]
    p = poly(outer)
    p.extend(poly(hole))
    return 58, [p]


def _s_centre():
    return (Path().M(38, 9.5).C(34, 4.6, 28.5, 3.6, 22, 3.6).C(13, 3.6, 6.6, 8.6, 6.6, 16.6)
            .C(6.6, 25, 13, 28.6, 21, 31).C(30, 33.6, 36.6, 37.2, 36.6, 45.6).C(36.6, 54, 29.6, 58.4, 20.5, 58.4)
            .C(13, 58.4, 7, 56, 3.4, 50.6))


def _width(f):
    table = [(0, 5.5), (0.12, 6.5), (0.25, 8.5), (0.5, 11.5), (0.75, 8.5), (0.88, 6.5), (1, 5.5)]
    for (f0, w0), (f1, w1) in zip(table, table[1:]):
        if f <= f1:
            return w0 + (w1 - w0) * (f - f0) / (f1 - f0)
    return table[-1][1]


def letter_S():
    pts = _s_centre().polylines(1.0)[0][0]
    acc = [0.0]
    for a, b in zip(pts, pts[1:]):
        acc.append(acc[-1] + math.dist(a, b))
    total = acc[-1]
    left, right = [], []
    for i, (x, y) in enumerate(pts):
        a = pts[max(0, i - 1)]
        b = pts[min(len(pts) - 1, i + 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy)
        nx, ny = -dy / ln, dx / ln
        h = _width(acc[i] / total) / 2
        left.append((x + nx * h, y + ny * h))
        right.append((x - nx * h, y - ny * h))
    # merge the two beak serifs into the outline at the terminals
    k = next(i for i, (x, _) in enumerate(left) if x < 37.6)
    j = next(i for i, (x, _) in enumerate(right[::-1]) if x > 4.2)
    top_beak = [(38.6, 14.4), (41.8, 14.4), (41.8, 1.2), (38.6, 1.2)]
    bottom_beak = [(3.4, 47.6), (0.2, 47.6), (0.2, 60.8), (3.4, 60.8)]
    outline = left[k::2] + [left[-1]] + bottom_beak + right[::-1][j::2] + [right[0]] + top_beak
    return 42, [poly(outline)]


LETTERS = {"T": letter_T, "O": letter_O, "R": letter_R, "N": letter_N, "E": letter_E, "L": letter_L,
           "A": letter_A, "S": letter_S}


def defs():
    return ('<linearGradient id="stone" x1="0" y1="13" x2="0" y2="75" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#ECE7DC"/><stop offset="0.3" stop-color="#CFC8B9"/>'
            '<stop offset="0.52" stop-color="#B3AC9E"/><stop offset="0.56" stop-color="#C4BDAF"/>'
            '<stop offset="0.8" stop-color="#A39C8F"/><stop offset="1" stop-color="#878175"/></linearGradient>'
            '<linearGradient id="tint" x1="20" y1="0" x2="460" y2="0" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#B9A88A" stop-opacity="0.45"/>'
            '<stop offset="0.2" stop-color="#9FA3A6" stop-opacity="0"/>'
            '<stop offset="0.45" stop-color="#B8A485" stop-opacity="0.35"/>'
            '<stop offset="0.7" stop-color="#8E969C" stop-opacity="0.3"/>'
            '<stop offset="1" stop-color="#BBA98A" stop-opacity="0.4"/></linearGradient>'
            '<radialGradient id="lit" cx="150" cy="-40" r="330" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.35"/>'
            '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/></radialGradient>')


def _texture(shape, r):
    """Cracks and speckles inside one letter outline (already placed)."""
    rs = lt.rings(shape, 0.8)
    xs = [x for ring in rs for x, _ in ring]
    ys = [y for ring in rs for _, y in ring]
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)

    def ok(pt, margin):
        return lt.inside(pt, rs) and lt.edge_distance(pt, rs) > margin

    def random_inside(margin):
        for _ in range(400):
            pt = (r.uniform(x0, x1), r.uniform(y0, y1))
            if ok(pt, margin):
                return pt
        return None

    cracks, lights, dark_dots, light_dots = [], [], [], []
    for _ in range(3):
        start = random_inside(1.2)
        if start is None:
            continue
        ang = r.uniform(0, 2 * math.pi)
        pts = [start]
        for _ in range(r.randint(3, 6)):
            ang += r.uniform(-0.9, 0.9)
            step = r.uniform(1.8, 3.2)
            nxt = (pts[-1][0] + math.cos(ang) * step, pts[-1][1] + math.sin(ang) * step)
            if not ok(nxt, 0.9):
                break
            pts.append(nxt)
        if len(pts) >= 3:
            cracks.append("M" + "L".join(f"{fmt(x)} {fmt(y)}" for x, y in pts))
            lights.append("M" + "L".join(f"{fmt(x + 0.7)} {fmt(y + 0.7)}" for x, y in pts))
    for _ in range(22):
        pt = random_inside(0.9)
        if pt is None:
            continue
        size = r.randrange(3)
        dot = f"M{fmt(pt[0])} {fmt(pt[1])}h0.01"
        (dark_dots if r.random() < 0.6 else light_dots).append((size, dot))
    return "".join(cracks), "".join(lights), dark_dots, light_dots


def wordmark():
    word = "TORNELAS"
    gap = 7.5
    widths = [LETTERS[ch]()[0] for ch in word]
    total = sum(widths) + gap * (len(word) - 1)
    x = (479 - total) / 2
    top = (89 - CAP) / 2 - 0.5
    shapes = []          # list of lists of placed Paths, per letter
    for ch, w in zip(word, widths):
        comps = LETTERS[ch]()[1]
        shapes.append([c.transformed(1, 0, 0, 1, x, top) for c in comps])
        x += w + gap
    all_d = "".join(f'<path d="{c.d()}"/>' for comps in shapes for c in comps)
    r = lt.rng(1977)
    cracks = lights = ""
    darks, brights = [], []
    for comps in shapes:
        c, l, d, b = _texture(comps[0], r)
        cracks += c
        lights += l
        darks += d
        brights += b
    body = ['<rect width="479" height="89" fill="#000000"/>',
            f'<g fill="#3E3A35" fill-rule="evenodd" transform="translate(1.8 1.8)">{all_d}</g>',
            f'<g fill="#5E5950" fill-rule="evenodd" transform="translate(0.9 0.9)">{all_d}</g>',
            f'<g fill="#F7F4EC" fill-rule="evenodd" transform="translate(-0.8 -0.8)">{all_d}</g>',
            f'<g fill="url(#stone)" fill-rule="evenodd">{all_d}</g>',
            f'<g fill="url(#tint)" fill-rule="evenodd">{all_d}</g>',
            f'<g fill="url(#lit)" fill-rule="evenodd">{all_d}</g>',
            f'<path d="{lights}" fill="none" stroke="#F1ECE2" stroke-width="0.55" stroke-opacity="0.8" '
            f'stroke-linejoin="round"/>',
            f'<path d="{cracks}" fill="none" stroke="#4F4A42" stroke-width="0.75" stroke-linejoin="round" '
            f'stroke-linecap="round"/>',
            ]
    for size, width in enumerate((0.7, 1.05, 1.45)):
        for dots, colour, alpha in ((darks, "#6B655B", 0.75), (brights, "#FBF8F1", 0.65)):
            d = "".join(dot for sz, dot in dots if sz == size)
            body.append(f'<path d="{d}" fill="none" stroke="{colour}" stroke-opacity="{alpha}" '
                        f'stroke-width="{width}" stroke-linecap="round"/>')
    return defs(), "\n".join(body) + "\n"
