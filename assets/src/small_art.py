# SPDX-License-Identifier: MIT
"""Window icon, mouse cursor and logo."""
import gallows_art as ga


def icon():
    """28 x 28: a rounded light tile with a little gallows and the grey donkey."""
    B, L = ga.BROWN, ga.G_LINE
    defs = ('<linearGradient id="tile" x1="0" y1="0" x2="0" y2="28" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#FFFDF5"/><stop offset="1" stop-color="#E8DFC0"/></linearGradient>')
    p = ['<rect x="0.5" y="0.5" width="27" height="27" rx="5" fill="url(#tile)" stroke="#A8976A" stroke-width="1"/>']
    # gallows: base, post, crossbar, rope (flat brown, clean at 16 px)
    p.append(f'<path d="M3 22.5H14.5V25H3ZM5 2.5H21.5V5H7.5V22.5H5Z" fill="{B}"/>')
    p.append(f'<path d="M19 5V10" stroke="{B}" stroke-width="1.5"/>')
    # body and limbs
    p.append('<path d="M19 18.5V22M16.6 17.1L13.8 20.3M21.4 17.1L24.2 20.3M19 22L16.6 25.4M19 22L21.4 25.4" '
             'stroke="#555555" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round" fill="none"/>')
    # the head, drawn around its own centre
    h = []
    h.append(f'<path d="M-1.2 -3.6C-2.6 -4.8 -3.4 -6.7 -3.3 -8.3C-1.7 -7.9 -0.5 -6 0 -4.1Z'
             f'M1.2 -3.6C2.6 -4.8 3.4 -6.7 3.3 -8.3C1.7 -7.9 0.5 -6 0 -4.1Z" '
             f'fill="{ga.G_MID}" stroke="{L}" stroke-width="0.8" stroke-linejoin="round"/>')
    head = ("M0 -4.8C2.5 -4.8 3.8 -3 3.7 -0.8C3.6 0.4 3.2 1 3.1 1.6C3.5 3.6 2.2 4.8 0 4.8"
            "C-2.2 4.8 -3.5 3.6 -3.1 1.6C-3.2 1 -3.6 0.4 -3.7 -0.8C-3.8 -3 -2.5 -4.8 0 -4.8Z")
    h.append(f'<path d="{head}" fill="{ga.G_LIGHT}"/>')
    h.append(f'<path d="M-3.2 1.4C-2 0.3 2 0.3 3.2 1.4C3.5 3.6 2.2 4.8 0 4.8C-2.2 4.8 -3.5 3.6 -3.2 1.4Z" '
             f'fill="{ga.TAN}"/>')
    h.append(f'<path d="{head}" fill="none" stroke="{L}" stroke-width="0.8"/>')
    h.append(f'<path d="M-1.6 -4.3L-1 -6.3L0 -5L1.1 -6.6L1.7 -4.4Z" fill="{ga.TUFT}" stroke="{ga.TUFT_DARK}" '
             f'stroke-width="0.45" stroke-linejoin="round"/>')
    h.append(f'<circle cx="1" cy="-1.5" r="1.55" fill="#FFFFFF" stroke="{L}" stroke-width="0.55"/>'
             f'<circle cx="1.35" cy="-1.3" r="0.75" fill="#231B14"/>')
    h.append(f'<path d="M-2 2.4C-0.8 3.5 1 3.5 2.1 2.3" fill="none" stroke="{L}" '
             f'stroke-width="0.7" stroke-linecap="round"/>')
    p.append(f'<g transform="translate(19 14.5)">{"".join(h)}</g>')
    return defs, "".join(p)


def cursor():
    """32 x 32: a white envelope, hot spot at its top-left corner (2, 4)."""
    p = []
    # shadow: the same envelope shifted down-right, dark and half transparent
    p.append('<rect x="4.5" y="6.5" width="24" height="17" rx="1" fill="#000000" fill-opacity="0.45"/>')
    # envelope
    p.append('<rect x="2.5" y="4.5" width="24" height="17" rx="1" fill="#FFFFFF" stroke="#3A3A3A" stroke-width="1"/>')
    # faint fold shading along the bottom edge
    p.append('<path d="M3 20.5H26" stroke="#E4E4E4" stroke-width="1"/>')
    # address lines
    p.append('<path d="M7 13.5H19M7 15.5H21M7 17.5H15" stroke="#8A8A8A" stroke-width="1"/>')
    # stamp: red frame, yellow field, a small red emblem
    p.append('<rect x="19" y="6" width="6" height="7" fill="#D32F2F"/>')
    p.append('<rect x="20" y="7" width="4" height="5" fill="#FFD23F"/>')
    p.append('<circle cx="22" cy="9.5" r="1.1" fill="#D32F2F"/>')
    # postmark waves next to the stamp
    p.append('<path d="M13 7.5C14 6.7 15 8.3 16 7.5M13 9.5C14 8.7 15 10.3 16 9.5" fill="none" '
             'stroke="#B0B0B0" stroke-width="0.7" stroke-linecap="round"/>')
    return "".join(p)


def logo():
    """71 x 101: the whole gallows with the hanged donkey, on white."""
    s = 101 / 207
    dx = (71 - 145 * s) / 2
    inner = "".join(c for _, c in ga.stage_groups())
    return f'<rect width="71" height="101" fill="#FFFFFF"/><g transform="translate({dx:.3f} 0) scale({s:.5f})">{inner}</g>'
