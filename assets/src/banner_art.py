# SPDX-License-Identifier: MIT
"""sponsor.svg (550 x 183): a pixel "B" in brackets, BRUNDEL and its tagline."""
import lettering as lt

B_ROWS = ["####.",
          "#...#",
          "#...#",
          "####.",
          "#...#",
          "#...#",
          "####."]


def sponsor():
    defs = ('<linearGradient id="px" x1="0" y1="0" x2="1" y2="1">'
            '<stop offset="0" stop-color="#4A86EE"/><stop offset="1" stop-color="#1B4FB5"/></linearGradient>')
    p = ['<rect width="550" height="183" fill="#FFFFFF"/>']
    # brackets
    top, bot, t, arm = 30, 153, 10, 22
    p.append(f'<path d="M24 {top}H{24 + arm}V{top + t}H{24 + t}V{bot - t}H{24 + arm}V{bot}H24Z'
             f'M145 {top}H{145 - arm}V{top + t}H{145 - t}V{bot - t}H{145 - arm}V{bot}H145Z" fill="#111111"/>')
    # the pixel B: 5 x 7 blocks
    pitch, size = 15, 13
    x0, y0 = 48, 40
    blocks = []
    for r, row in enumerate(B_ROWS):
        for c, ch in enumerate(row):
            if ch == "#":
                x, y = x0 + c * pitch, y0 + r * pitch
                blocks.append(f'<rect x="{x}" y="{y}" width="{size}" height="{size}" fill="url(#px)"/>')
                blocks.append(f'<path d="M{x + 1.5} {y + size - 1.5}V{y + 1.5}H{x + size - 1.5}" fill="none" '
                              f'stroke="#8DB5FA" stroke-width="1.2"/>')
    p += blocks
    # BRUNDEL
    left, right = 178, 526
    sw = 12
    cap = (right - left - sw) / lt.sans_width("BRUNDEL", 1, track=0.26)
    path, w = lt.sans_text("BRUNDEL", left + sw / 2, 100, cap, track=0.26)
    p.append(f'<path d="{path.d()}" fill="none" stroke="#111111" stroke-width="{sw}" stroke-linecap="round" '
             f'stroke-linejoin="round"/>')
    # tagline, centred under the word
    tcap, tsw = 23, 3.4
    tw = lt.sans_width("Creación y promoción", tcap, track=0.24)
    tx = left + sw / 2 + (w - tw) / 2
    path, _ = lt.sans_text("Creación y promoción", tx, 142, tcap, track=0.24)
    p.append(f'<path d="{path.d()}" fill="none" stroke="#444444" stroke-width="{tsw}" stroke-linecap="round" '
             f'stroke-linejoin="round"/>')
    return defs, "".join(p)


# ---------------------------------------------------------------------------
# namebanner.svg (472 x 75): "Tornelas" written with a broad nib, blue on a
# softly lit grey plate.
# ---------------------------------------------------------------------------

class _Pen:
    """Builds one continuous centreline; dx shifts the letters that follow."""

    def __init__(self):
        self.path = lt.Path()
        self.dx = 0

    def M(self, x, y):
        self.path.M(x + self.dx, y)
        return self

    def C(self, *a):
        self.path.C(*[v + (self.dx if i % 2 == 0 else 0) for i, v in enumerate(a)])
        return self


def _tornelas():
    """Centrelines in design units: x-height 34..56, ascender top 8."""
    bar = lt.Path().M(34, 24).C(36, 14, 48, 10, 62, 13).C(76, 16, 88, 19, 104, 15).C(114, 12.5, 122, 10, 132, 11)
    stem = lt.Path().M(92, 14).C(90, 26, 86, 44, 80, 52).C(75, 58, 66, 60, 60, 55).C(56, 51, 60, 46, 65, 48)
    w = _Pen()
    w.dx = 4                                    # o
    w.M(118, 35).C(113, 30.5, 102, 33, 101, 45).C(100.5, 53, 105, 57.5, 110, 57).C(117, 56.5, 121, 48, 120.5, 41)
    w.C(120, 36, 117, 33, 114, 34.5).C(116.5, 37, 121, 37.5, 126, 35)
    w.dx += 2                                   # r
    w.C(128.5, 34, 130, 32, 131, 28).C(132, 30.5, 133.5, 32.6, 135.2, 32.6).C(137.2, 32.6, 139, 31, 141.2, 29.4)
    w.C(140.4, 38, 140, 48, 140, 56)
    w.dx += 12                                  # n
    w.C(141.5, 48, 144, 39, 147, 34).C(148, 38, 147.5, 48, 147, 56).C(148.5, 46, 153, 34, 161, 33.5)
    w.C(166, 33.3, 167, 38, 166.5, 43).C(166, 48, 165, 53, 167, 56).C(169, 58.5, 174, 56, 177, 52)
    w.dx += 5                                   # e
    w.C(183, 48, 189, 43, 189, 38).C(189, 33.5, 185, 32, 182.5, 34).C(177.5, 38, 176, 48, 179, 54)
    w.C(182, 58.5, 189, 57.5, 194, 52)
    w.dx += 5                                   # l
    w.C(200, 45, 206, 33, 208, 21).C(209, 14, 208, 8, 204.5, 8.5).C(200, 9.5, 199, 20, 199, 30)
    w.C(199, 40, 198.5, 49, 200, 54).C(201.5, 58, 206, 57, 209, 53)
    w.dx += 5                                   # a
    w.C(212, 49, 216, 42, 219, 38).C(216, 32, 206, 34, 205, 45).C(204.5, 52, 207, 57.5, 212, 56)
    w.C(217, 54.5, 220, 45, 221.5, 35).C(220.5, 42, 219.5, 50, 220, 54).C(221, 58, 226, 57, 229, 53)
    w.dx += 5                                   # s, with a closing swash
    w.C(233, 48, 235, 42, 236, 34).C(239, 40, 243, 45, 242, 50).C(241, 56, 234, 58, 229, 55)
    w.C(232, 56, 240, 59, 246, 55).C(252, 51, 258, 48, 272, 49)
    return [bar, stem, w.path]


def namebanner():
    W, H = 472, 75
    defs = ('<linearGradient id="plate" x1="0" y1="0" x2="0" y2="75" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#D3D5D8"/><stop offset="0.55" stop-color="#B2B5B9"/>'
            '<stop offset="1" stop-color="#8F9297"/></linearGradient>'
            '<radialGradient id="light" cx="170" cy="8" r="260" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.6"/>'
            '<stop offset="0.6" stop-color="#FFFFFF" stop-opacity="0.12"/>'
            '<stop offset="1" stop-color="#FFFFFF" stop-opacity="0"/></radialGradient>'
            '<linearGradient id="edges" x1="0" y1="0" x2="472" y2="0" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#3C3F44" stop-opacity="0.35"/>'
            '<stop offset="0.12" stop-color="#3C3F44" stop-opacity="0"/>'
            '<stop offset="0.88" stop-color="#3C3F44" stop-opacity="0"/>'
            '<stop offset="1" stop-color="#3C3F44" stop-opacity="0.4"/></linearGradient>'
            '<linearGradient id="ink" x1="0" y1="8" x2="0" y2="70" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#3470D6"/><stop offset="1" stop-color="#173F8F"/></linearGradient>')
    p = [f'<rect width="{W}" height="{H}" fill="url(#plate)"/>']
    # brushed grain: thin light and dark streaks
    r = lt.rng(472)
    light, dark = [], []
    for _ in range(70):
        y = r.uniform(1, H - 1)
        x = r.uniform(-40, W)
        ln = r.uniform(30, 160)
        (light if r.random() < 0.5 else dark).append(f"M{lt.fmt(x)} {lt.fmt(y)}h{lt.fmt(ln)}")
    p.append(f'<path d="{"".join(light)}" stroke="#FFFFFF" stroke-opacity="0.22" stroke-width="0.6"/>')
    p.append(f'<path d="{"".join(dark)}" stroke="#5A5E64" stroke-opacity="0.16" stroke-width="0.6"/>')
    p.append(f'<rect width="{W}" height="{H}" fill="url(#light)"/>')
    p.append(f'<rect width="{W}" height="{H}" fill="url(#edges)"/>')
    # bevelled rim
    p.append(f'<path d="M0 0.5H{W}M0.5 0V{H}" stroke="#ECEEF0" stroke-width="1"/>')
    p.append(f'<path d="M0 {H - 0.5}H{W}M{W - 0.5} 0V{H}" stroke="#6E7277" stroke-width="1"/>')
    # the name, slanted a little and centred on the plate
    sx, sy, slant, nib_len = 1.42, 1.13, 0.12, 6.4
    strokes = [c.transformed(sx, 0, -slant * sy, sy, slant * sy * 56, 0) for c in _tornelas()]
    pts = [pt for c in strokes for line, _ in c.polylines(1.0) for pt in line]
    hx, hy = nib_len / 2 * 0.82, nib_len / 2 * 0.57
    x0, x1 = min(x for x, _ in pts) - hx, max(x for x, _ in pts) + hx
    y0, y1 = min(y for _, y in pts) - hy, max(y for _, y in pts) + hy
    dx, dy = (W - x1 - x0) / 2, (H - y1 - y0) / 2
    strokes = [c.transformed(1, 0, 0, 1, dx, dy) for c in strokes]
    nib = "".join(lt.nib_path(c, nib_len, 35) for c in strokes)
    p.append(f'<path d="{nib}" fill="#2B2E33" fill-opacity="0.35" stroke="#2B2E33" stroke-opacity="0.35" '
             f'stroke-width="1.2" stroke-linejoin="round" transform="translate(1.3 1.7)"/>')
    p.append(f'<path d="{nib}" fill="#E9F0FA" fill-opacity="0.55" stroke="#E9F0FA" stroke-opacity="0.55" '
             f'stroke-width="1.2" stroke-linejoin="round" transform="translate(-0.6 -0.6)"/>')
    p.append(f'<path d="{nib}" fill="url(#ink)" stroke="url(#ink)" stroke-width="1.2" stroke-linejoin="round"/>')
    return defs, "".join(p)
