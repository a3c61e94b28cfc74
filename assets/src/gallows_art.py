# SPDX-License-Identifier: MIT
"""The gallows and the hanged donkey, shared by gallows.svg and logo.svg.

Coordinates are pixels of the 145 x 207 gallows board.  Each stage is a
self-contained group: the game shows stage k by keeping part1..partk.
"""

BROWN = "#917600"      # wood and limbs
PALE = "#F1EEDF"       # pale edge around every wooden stroke
GRAIN = "#7A6300"      # darker grain line on the wood
SHINE = "#AE9326"      # lighter streak on the wood

# greys of the donkey
G_LIGHT = "#CBCBCB"
G_MID = "#A9A9A9"
G_DARK = "#858585"
G_LINE = "#3F3F3F"
TAN = "#DDBE8C"
TAN_DARK = "#C49E68"
TUFT = "#C4532E"
TUFT_DARK = "#8A3216"


def beam(x, y, w, h, horizontal=True):
    """A wooden beam: pale outline, brown core, a grain line and a shine."""
    out = [f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{PALE}"/>',
           f'<rect x="{x + 1}" y="{y + 1}" width="{w - 2}" height="{h - 2}" fill="{BROWN}"/>']
    if horizontal:
        out.append(f'<path d="M{x + 2} {y + 2.5}H{x + w - 3}" stroke="{SHINE}" stroke-width="1"/>')
        out.append(f'<path d="M{x + 4} {y + h - 3}H{x + w * 0.55:g}M{x + w * 0.65:g} {y + h - 3.5}H{x + w - 4}" '
                   f'stroke="{GRAIN}" stroke-width="0.8"/>')
    else:
        out.append(f'<path d="M{x + 2.5} {y + 2}V{y + h - 3}" stroke="{SHINE}" stroke-width="1"/>')
        out.append(f'<path d="M{x + w - 3} {y + 5}V{y + h * 0.45:g}M{x + w - 3.5} {y + h * 0.55:g}V{y + h - 6}" '
                   f'stroke="{GRAIN}" stroke-width="0.8"/>')
    return "".join(out)


def limb(x1, y1, x2, y2, w):
    """A straight brown stroke with a pale rim, round ends."""
    d = f"M{x1:g} {y1:g}L{x2:g} {y2:g}"
    return (f'<path d="{d}" stroke="{PALE}" stroke-width="{w}" stroke-linecap="round" fill="none"/>'
            f'<path d="{d}" stroke="{BROWN}" stroke-width="{w - 2}" stroke-linecap="round" fill="none"/>')


def rope():
    out = [f'<rect x="92" y="9" width="9" height="28" fill="{PALE}"/>',
           f'<rect x="93" y="9" width="7" height="27" fill="{BROWN}"/>']
    # twist of the strands
    twists = "".join(f"M93.5 {y + 3:g}L99.5 {y:g}" for y in range(11, 35, 4))
    out.append(f'<path d="{twists}" stroke="{GRAIN}" stroke-width="1.1" stroke-linecap="round"/>')
    shine = "".join(f"M94 {y + 1.5:g}L97 {y:g}" for y in range(11, 35, 4))
    out.append(f'<path d="{shine}" stroke="{SHINE}" stroke-width="0.8" stroke-linecap="round"/>')
    return "".join(out)


def donkey_head():
    """The donkey's head: long ears, reddish tuft, one big eye, tan grinning muzzle."""
    L = G_LINE
    p = []
    # --- ears (behind the head) ---
    # viewer's left ear, leaning out a little
    p.append('<path d="M83.5 47C77.5 37 75.6 24 78.2 14.2C84.5 19 89.6 31 91.2 44.5Z" '
             f'fill="{G_MID}" stroke="{L}" stroke-width="1.3" stroke-linejoin="round"/>')
    p.append(f'<path d="M85.2 43C81.6 35 80.5 26 80.6 19.5C84.3 24.5 87.3 33 88.3 42Z" fill="{G_DARK}"/>')
    p.append('<path d="M78.2 14.2C79.7 15.3 81.3 16.6 82.8 18.4L79 22.5C78.3 19.7 78 17 78.2 14.2Z" '
             f'fill="{G_LINE}" stroke="{L}" stroke-width="1.3" stroke-linejoin="round"/>')
    # viewer's right ear
    p.append('<path d="M101.5 45C103 32 107.5 20.5 114.2 14.8C116 26 112.8 38 107.5 48.5Z" '
             f'fill="{G_MID}" stroke="{L}" stroke-width="1.3" stroke-linejoin="round"/>')
    p.append(f'<path d="M104 43.5C105.5 34 108.5 25.5 112.6 20.5C113 28 110.8 36.5 107.2 44.5Z" fill="{G_DARK}"/>')
    p.append('<path d="M114.2 14.8C114.7 17.5 114.8 20.4 114.6 23.2L110 20.2C111.2 18.2 112.6 16.3 114.2 14.8Z" '
             f'fill="{G_LINE}" stroke="{L}" stroke-width="1.3" stroke-linejoin="round"/>')
    # --- head silhouette ---
    head = ("M95.5 35.5C106 35.3 113 43.5 113.8 55C114.4 64 112.6 71 110.6 77.5"
            "C113.3 84.5 113 97 109.8 104.5C105 111.4 87 111.6 82 105.5"
            "C78.6 99.5 78.4 88 81 79.5C77.6 72 76.6 63.5 77.4 55.5C78.6 43.5 85.5 35.7 95.5 35.5Z")
    p.append(f'<path d="{head}" fill="{G_LIGHT}"/>')
    # shading of the far (viewer's left) side and under the cheek
    p.append('<path d="M84 39.5C79.3 44 77.5 50 77.4 55.5C76.6 63.5 77.6 72 80.6 79.5'
             f'C82.5 76.5 85.5 75 88 74.5C84.3 69 82.3 61 82.4 53.5C82.5 47.5 83.4 43 84 39.5Z" fill="{G_MID}"/>')
    p.append('<path d="M110.6 77.5C106.5 75.5 100.5 74.6 95 75C101 72.8 106.4 68.5 109.6 62.5'
             f'C110.8 67.5 111.2 72.5 110.6 77.5Z" fill="{G_MID}"/>')
    # forehead highlight
    p.append('<path d="M93 40C99.5 38.8 106 41.5 108.3 47C103.5 44.2 98.4 43 93 44.3C91.2 43.2 91.4 40.8 93 40Z" '
             'fill="#E2E2E2"/>')
    # --- muzzle ---
    muzzle = ("M81.3 81.5C86 75.5 105 74.2 111 79.5C113.4 86.5 113 97 109.8 104.5"
              "C105 111.4 87 111.6 82 105.5C78.6 99.5 78.5 88 81.3 81.5Z")
    p.append(f'<path d="{muzzle}" fill="{TAN}"/>')
    p.append('<path d="M79.8 96C81.5 103 85.5 108.5 95 109.2C103.5 109.7 108.8 106.5 111.8 100.5'
             'C111.2 102.5 110.6 103.6 109.8 104.5C105 111.4 87 111.6 82 105.5C80.8 103 80 99.5 79.8 96Z" '
             f'fill="{TAN_DARK}"/>')
    p.append('<path d="M84.5 79.6C90 77.4 100 77 105.5 78.6C99 78.8 90.5 79.6 84.5 81.4Z" fill="#EED7B0"/>')
    # nostrils
    p.append(f'<path d="M86.6 85.6C88.2 83.6 91 84 91.4 85.8C91.6 87.4 88.5 88.2 86.6 85.6Z" fill="{L}"/>')
    p.append(f'<path d="M103.6 85C105.4 83.2 108.4 83.7 108.5 85.6C108.5 87.2 105.4 87.8 103.6 85Z" fill="{L}"/>')
    # --- the grin ---
    mouth = ("M84.4 92.6C90.5 96.2 102 96.4 109.8 91C110.2 97.8 105 104.6 96.8 105"
             "C89.2 105.3 85 99.6 84.4 92.6Z")
    p.append(f'<path d="{mouth}" fill="#6B2320"/>')
    # tongue
    p.append('<path d="M88.5 102.4C92 100 100 99.6 104 101.6C101.5 104.2 92.5 104.8 88.5 102.4Z" fill="#D86A6A"/>')
    # upper teeth: a white band along the upper lip, split into teeth
    teeth = ("M85.4 93.6C91 96.9 102 97 109 92.3C109 94.3 108.5 95.8 107.7 96.8"
             "C100.5 100.4 91.5 100.4 86.6 97.6C86 96.4 85.6 95.1 85.4 93.6Z")
    p.append(f'<path d="{teeth}" fill="#FFFFFF"/>')
    seps = "M90.4 95.9L90.5 99M95.4 96.6L95.4 99.7M100.6 96.4L100.5 99.5M105.2 94.9L104.9 97.9"
    p.append(f'<path d="{seps}" stroke="#9A9A9A" stroke-width="0.9" stroke-linecap="round"/>')
    # lips outline
    p.append(f'<path d="{mouth}" fill="none" stroke="{L}" stroke-width="1.4" stroke-linejoin="round"/>')
    # --- outline of the whole head ---
    p.append(f'<path d="{head}" fill="none" stroke="{L}" stroke-width="1.6" stroke-linejoin="round"/>')
    # jaw line of the three-quarter view
    p.append(f'<path d="M80.9 81.5C85.5 75.5 97 74.6 104 75.6" fill="none" stroke="{L}" '
             'stroke-width="1.1" stroke-linecap="round"/>')
    # --- the big eye ---
    p.append(f'<ellipse cx="99" cy="57.5" rx="8.6" ry="10" fill="#FFFFFF" stroke="{L}" stroke-width="1.4"/>')
    p.append('<circle cx="102" cy="59.6" r="4.3" fill="#231B14"/>')
    p.append('<circle cx="103.5" cy="57.8" r="1.4" fill="#FFFFFF"/>')
    # a heavy lid over the top of the eye
    p.append('<path d="M90.5 55.5C91 49.5 94.6 47.4 99 47.4C103.6 47.4 107.3 50 107.6 55.5'
             f'C102 52.8 96 52.8 90.5 55.5Z" fill="{G_MID}" stroke="{L}" stroke-width="1.3" stroke-linejoin="round"/>')
    # eyebrow
    p.append(f'<path d="M91 44.8C95.5 42.3 102.5 42.4 107 45.5" fill="none" stroke="{L}" '
             'stroke-width="1.5" stroke-linecap="round"/>')
    # --- reddish tuft between the ears, hiding the knot ---
    tuft = ("M87.5 41.5C87 37 88.2 33 91.3 29.6C91.2 32.2 91.8 34 92.8 35.2C93.2 31.2 95 28 98.6 26.4"
            "C97.4 29.5 97.6 32 98.6 34C100.2 31.6 102.6 30.3 105.4 30.4C103.2 32.6 102.6 35 103.4 37"
            "C104.8 36.6 106.2 37 107.3 38C104.2 39.4 103 41.2 102.6 43C98 40.6 92 40.8 87.5 41.5Z")
    p.append(f'<path d="{tuft}" fill="{TUFT}" stroke="{TUFT_DARK}" stroke-width="1.1" stroke-linejoin="round"/>')
    p.append('<path d="M92.6 39.2C93.4 36.8 94.8 34.9 96.8 33.6M99.4 39C100.3 37.3 101.6 36 103.3 35.3" '
             'fill="none" stroke="#E48A5E" stroke-width="0.9" stroke-linecap="round"/>')
    return "".join(p)


def stage_groups():
    """The ten stages, in order, as (id, svg-content) pairs."""
    return [
        ("part1", beam(16, 198, 55, 9)),
        ("part2", beam(24, 1, 7, 197, horizontal=False)),
        ("part3", beam(31, 1, 70, 8)),
        ("part4", rope()),
        ("part5", donkey_head()),
        ("part6", limb(95, 112.5, 95, 138, 6)),
        ("part7", limb(80.5, 92, 61.5, 114.5, 7)),
        ("part8", limb(112.5, 92, 129.5, 112.5, 7)),
        ("part9", limb(90, 137, 59.5, 174.5, 7)),
        ("part10", limb(97.5, 143.5, 128.5, 175.5, 7)),
    ]
