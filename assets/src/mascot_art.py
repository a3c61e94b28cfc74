# SPDX-License-Identifier: MIT
"""mascot.svg (115 x 176): a child on a pedestal raising a torch and holding a
little laptop, under the edition's name."""
import lettering as lt

INK = "#4A2E1A"        # outline of the figure
SKIN = "#F6CFA8"
SKIN_SHADE = "#E7B58A"
HAIR = "#7A4722"
TUNIC = "#4FA894"
TUNIC_SHADE = "#3B8A78"
NAVY = "#1D3B6E"
RIBBON = "#D6452B"
RIBBON_DARK = "#A3301C"


def defs():
    return ('<linearGradient id="sky" x1="0" y1="0" x2="0" y2="176" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#BFE2F7"/><stop offset="1" stop-color="#E9F6FD"/></linearGradient>'
            '<radialGradient id="glow" cx="38" cy="52" r="24" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#FFF6C8" stop-opacity="0.95"/>'
            '<stop offset="1" stop-color="#FFF6C8" stop-opacity="0"/></radialGradient>'
            '<linearGradient id="flame" x1="0" y1="42" x2="0" y2="63" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#F0562A"/><stop offset="0.55" stop-color="#F7941D"/>'
            '<stop offset="1" stop-color="#FCC43A"/></linearGradient>'
            '<linearGradient id="stone" x1="36" y1="0" x2="80" y2="0" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#D8CDB6"/><stop offset="0.6" stop-color="#C6B899"/>'
            '<stop offset="1" stop-color="#A89878"/></linearGradient>'
            '<linearGradient id="gold" x1="31" y1="0" x2="46" y2="0" gradientUnits="userSpaceOnUse">'
            '<stop offset="0" stop-color="#FBE07A"/><stop offset="1" stop-color="#D9A21E"/></linearGradient>')


def title():
    p = []
    # "ESPECIAL" in navy with a white halo
    path, w = lt.sans_text("ESPECIAL", 0, 0, 10.5)
    x0 = (115 - w) / 2
    path, _ = lt.sans_text("ESPECIAL", x0, 15.5, 10.5)
    d = path.d()
    p.append(f'<path d="{d}" fill="none" stroke="#FFFFFF" stroke-width="4.6" stroke-linecap="round" '
             'stroke-linejoin="round"/>')
    p.append(f'<path d="{d}" fill="none" stroke="{NAVY}" stroke-width="2.1" stroke-linecap="round" '
             'stroke-linejoin="round"/>')
    # red ribbon with folded tails
    p.append(f'<path d="M1 24H12V41H1L5 32.5Z M114 24H103V41H114L110 32.5Z" fill="{RIBBON_DARK}"/>')
    p.append('<path d="M8 39L12 41V37Z M107 39L103 41V37Z" fill="#6E1F12"/>')
    p.append(f'<path d="M8 21.5C40 19.8 75 19.8 107 21.5V39C75 37.3 40 37.3 8 39Z" fill="{RIBBON}"/>')
    p.append('<path d="M8 23C40 21.3 75 21.3 107 23" fill="none" stroke="#EE7B5E" stroke-width="0.8"/>')
    # "TORNELAS" in white on the ribbon
    path, w = lt.sans_text("TORNELAS", 0, 0, 11.5)
    x0 = (115 - w) / 2
    path, _ = lt.sans_text("TORNELAS", x0, 35.2, 11.5)
    p.append(f'<path d="{path.d()}" fill="none" stroke="#FFFFFF" stroke-width="2.3" stroke-linecap="round" '
             'stroke-linejoin="round"/>')
    return "".join(p)


def pedestal():
    p = []
    p.append('<path d="M39 154H77V176H39Z" fill="url(#stone)"/>')
    p.append('<path d="M35 148.5H81V154.5H35Z" fill="#E3D9C4"/>')
    p.append('<path d="M35 153H81V154.5H35Z" fill="#B3A382"/>')
    p.append('<path d="M37 154.5H79V157H37Z" fill="#CDBF9F"/>')
    # carved panel with a small star
    p.append('<path d="M44 160.5H72V176" fill="none" stroke="#EFE7D6" stroke-width="1"/>')
    p.append('<path d="M44 176V160.5" fill="none" stroke="#A08E6C" stroke-width="1"/>')
    p.append('<path d="M58 163.2L59.5 166.6L63.1 166.9L60.4 169.2L61.2 172.7L58 170.8L54.8 172.7L55.6 169.2'
             'L52.9 166.9L56.5 166.6Z" fill="#F1C84B" stroke="#B48A1C" stroke-width="0.6" stroke-linejoin="round"/>')
    p.append('<path d="M35 148.5H81V154.5H35ZM39 154.5V176M77 154.5V176" fill="none" stroke="#8A7A5C" '
             'stroke-width="0.8"/>')
    return "".join(p)


def child():
    p = []
    # legs and shoes
    p.append('<path d="M53 127V144M63 127V144" stroke="#2F5D9E" stroke-width="5.2" stroke-linecap="round"/>')
    p.append('<path d="M48 148.6C48 145.8 50 144.4 53 144.4C55.6 144.4 56.6 146 56.6 148.6Z'
             'M59.4 148.6C59.4 146 60.4 144.4 63 144.4C66 144.4 68 145.8 68 148.6Z" fill="#3A2A20"/>')
    # arm holding the laptop (behind it)
    p.append(f'<path d="M67 104.5L73 113.5L68 120" fill="none" stroke="{INK}" stroke-width="5.6" '
             'stroke-linecap="round" stroke-linejoin="round"/>')
    p.append(f'<path d="M67 104.5L73 113.5L68 120" fill="none" stroke="{TUNIC}" stroke-width="4.2" '
             'stroke-linecap="round" stroke-linejoin="round"/>')
    # tunic
    tunic = "M48.5 101.5C52 100 64 100 67.5 101.5L72.5 129.5C64 131.5 52 131.5 43.5 129.5Z"
    p.append(f'<path d="{tunic}" fill="{TUNIC}"/>')
    p.append(f'<path d="M60 101.5L66.5 128.5L72.5 129.5L67.5 101.5Z" fill="{TUNIC_SHADE}"/>')
    p.append(f'<path d="M52 110L50 128M57 108L57.5 130" fill="none" stroke="{TUNIC_SHADE}" stroke-width="0.9" '
             'stroke-linecap="round"/>')
    p.append(f'<path d="{tunic}" fill="none" stroke="{INK}" stroke-width="0.9" stroke-linejoin="round"/>')
    # sash across the chest
    p.append('<path d="M49 103L68 121" stroke="#F3C640" stroke-width="2.4"/>')
    # raised arm: sleeve then forearm
    p.append(f'<path d="M50 104L43 92L40 79" fill="none" stroke="{INK}" stroke-width="5.6" '
             'stroke-linecap="round" stroke-linejoin="round"/>')
    p.append(f'<path d="M43 92L40 79" fill="none" stroke="{SKIN}" stroke-width="4.2" stroke-linecap="round"/>')
    p.append(f'<path d="M50 104L43 92" fill="none" stroke="{TUNIC}" stroke-width="4.2" stroke-linecap="round"/>')
    # torch: glow, flame, cup, handle, then the hand around the handle
    p.append('<circle cx="38" cy="52" r="24" fill="url(#glow)"/>')
    p.append('<path d="M38.5 42.5C41 47 46 50.5 45.2 56.2C44.6 60.4 41.6 62.4 38.2 62.4C34.4 62.4 31.2 60 31.2 56'
             'C31.2 53 33 51.2 34.6 49.4C34.6 51.6 35.4 53 36.6 53.6C35.6 49.6 36.6 45.6 38.5 42.5Z" '
             'fill="url(#flame)" stroke="#C2411C" stroke-width="0.8" stroke-linejoin="round"/>')
    p.append('<path d="M38.6 50.5C40.4 53.4 42 55.4 41.4 58C41 60 39.6 60.8 38.2 60.8C36.4 60.8 35 59.6 35.2 57.6'
             'C35.4 55.6 37.6 53.6 38.6 50.5Z" fill="#FFE98A"/>')
    p.append('<path d="M31.4 61.2H45.2L43 66.4H33.6Z" fill="url(#gold)" stroke="#8F6A12" stroke-width="0.8" '
             'stroke-linejoin="round"/>')
    p.append('<path d="M35 66.4H41.6L40.4 82H36.2Z" fill="#8B5A2B" stroke="#5A3818" stroke-width="0.8" '
             'stroke-linejoin="round"/>')
    p.append(f'<ellipse cx="38.6" cy="76.5" rx="3.6" ry="3.2" fill="{SKIN}" stroke="{INK}" stroke-width="0.9"/>')
    p.append(f'<path d="M35.4 75.6H41.6M35.6 77.6H41.4" stroke="{SKIN_SHADE}" stroke-width="0.7"/>')
    # neck and head
    p.append(f'<path d="M55.5 97H60.5V102.5H55.5Z" fill="{SKIN_SHADE}"/>')
    p.append(f'<circle cx="58" cy="86.5" r="12" fill="{SKIN}" stroke="{INK}" stroke-width="1"/>')
    # ears
    p.append('<path d="M46.4 87.5C44 87 43.6 91.5 46.6 91.8M69.6 87.5C72 87 72.4 91.5 69.4 91.8" '
             f'fill="{SKIN}" stroke="{INK}" stroke-width="0.9"/>')
    # hair with a fringe
    p.append('<path d="M46.2 86.5C45.6 78 51 73.5 58 73.5C65 73.5 70.6 78 69.8 86.5C68.8 83.5 67.6 81.8 66 81'
             'C65 83.2 63 84 60.8 83.4C61.6 82.4 61.8 81.4 61.6 80.4C59.4 82.6 55.6 83.8 52.6 83'
             f'C53.8 82.2 54.4 81.2 54.6 80.2C51.4 81.6 48 83.4 46.2 86.5Z" fill="{HAIR}" stroke="{INK}" '
             'stroke-width="0.9" stroke-linejoin="round"/>')
    # paper crown
    p.append('<path d="M48.6 76.6L47.4 68.6L51.6 72.4L54 65.6L57.9 71.4L61.8 65.6L64.2 72.4L68.4 68.6L67.2 76.6'
             'C61.6 75.2 54.2 75.2 48.6 76.6Z" fill="#F6CB3C" stroke="#A87A0E" stroke-width="0.8" '
             'stroke-linejoin="round"/>')
    p.append('<circle cx="57.9" cy="73.6" r="1.1" fill="#D6452B"/>')
    # face
    p.append('<ellipse cx="53.4" cy="88.2" rx="1.35" ry="1.7" fill="#2A1A10"/>'
             '<ellipse cx="62.6" cy="88.2" rx="1.35" ry="1.7" fill="#2A1A10"/>')
    p.append('<circle cx="53.9" cy="87.6" r="0.45" fill="#FFFFFF"/><circle cx="63.1" cy="87.6" r="0.45" fill="#FFFFFF"/>')
    p.append('<circle cx="50.6" cy="92" r="2" fill="#F29A8A" fill-opacity="0.6"/>'
             '<circle cx="65.4" cy="92" r="2" fill="#F29A8A" fill-opacity="0.6"/>')
    p.append(f'<path d="M54.2 92.6C55.8 95.4 60.2 95.4 61.8 92.6Z" fill="#B4443A" stroke="{INK}" '
             'stroke-width="0.8" stroke-linejoin="round"/>')
    # the little laptop: lid with a game on screen, then the base
    p.append('<path d="M66.5 100.5H88.5C89.3 100.5 90 101.2 90 102V117H65V102C65 101.2 65.7 100.5 66.5 100.5Z" '
             'fill="#3D4758" stroke="#232A35" stroke-width="0.8"/>')
    p.append('<path d="M67 102.5H88V115.5H67Z" fill="#A9DCF5"/>')
    p.append('<path d="M69.5 113V104H75V105.6M68.5 113H72.5" fill="none" stroke="#917600" stroke-width="1"/>')
    p.append('<circle cx="75" cy="107" r="1.3" fill="#8C8C8C"/>')
    p.append(f'<path d="M77.5 113H79.5M80.8 113H82.8M84.1 113H86.1" stroke="{NAVY}" stroke-width="0.9"/>')
    p.append(f'<path d="M80.2 110.8L81.3 108.2L82.4 110.8M80.6 109.9H82" fill="none" stroke="{NAVY}" '
             'stroke-width="0.6" stroke-linejoin="round"/>')
    p.append('<path d="M63.5 117H91.5L94 121.2H61Z" fill="#C3CAD6" stroke="#232A35" stroke-width="0.8" '
             'stroke-linejoin="round"/>')
    p.append('<path d="M66 118.6H89M65 119.9H90.2" stroke="#8F98A8" stroke-width="0.6" stroke-dasharray="1.2 0.6"/>')
    # hand under the laptop's corner
    p.append(f'<ellipse cx="66.5" cy="121.6" rx="3.3" ry="2.6" fill="{SKIN}" stroke="{INK}" stroke-width="0.9"/>')
    return "".join(p)


def mascot():
    body = ('<rect width="115" height="176" fill="url(#sky)"/>'
            '<path d="M88 58C88 54 93 52 96 54.5C97.5 51 104 51 105 55.5C108.5 55 110 59.5 107 61H90'
            'C88.5 61 88 59.5 88 58Z" fill="#FFFFFF" fill-opacity="0.85"/>'
            '<path d="M4 80C4 77 8 75.5 10.5 77.5C12 75 17 75 18 78.5C20.5 78.2 21.5 81.5 19.5 82.5H6'
            'C4.8 82.5 4 81.5 4 80Z" fill="#FFFFFF" fill-opacity="0.8"/>'
            + title() + pedestal() + child())
    return defs(), body
