#!/usr/bin/env python3
"""Writes the SVG sources of the program's artwork: the seven language banners
(1110 x 274), the right-hand header picture (820 x 274), the language flags and
the OK / Cancel icons. Flags and icons are used as SVG; the banners are turned
into PNG at their own size (the committed ones were drawn with Qt's
QSvgRenderer and DejaVu Sans; rsvg-convert gives the same), so that their
lettering does not depend on the fonts of the user's computer.

Run from data/artwork:
    python3 src/make_artwork.py
    for f in src/*.svg; do rsvg-convert "$f" -o "banners/$(basename "$f" .svg).png"; done
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

BG = "#EDEDED"
GOLD = "#C9A227"
GOLD_DARK = "#A8821A"
GREEN = "#2F5E2B"
TEXT = "#3B3B3B"
FAINT = "#DCD6C6"

# The product line under "ZQMM", one per language (same wording as the
# lexicon's "Grain Moisture and Density Meter").
PRODUCT = {
    "en": "Grain Moisture and Density Meter",
    "pl": "Miernik wilgotności i gęstości ziarna",
    "de": "Getreidefeuchte- und Dichtemessgerät",
    "fr": "Humidimètre et densimètre à grains",
    "es": "Medidor de humedad y densidad de granos",
    "ru": "Измеритель влажности и плотности зерна",
    "it": "Misuratore di umidità e densità dei cereali",
}
# The two measured quantities, shown small beside the meter drawing.
UNITS = {
    "en": ("Moisture", "Density"),
    "pl": ("Wilgotność", "Gęstość"),
    "de": ("Feuchte", "Dichte"),
    "fr": ("Humidité", "Densité"),
    "es": ("Humedad", "Densidad"),
    "ru": ("Влажность", "Плотность"),
    "it": ("Umidità", "Densità"),
}


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def ear(x, y, angle, scale, color, awn_color):
    """A wheat ear: stem, kernels in pairs along it, awns at the top."""
    parts = [f'<g transform="translate({x:.1f},{y:.1f}) rotate({angle:.1f}) scale({scale:.3f})">']
    parts.append(f'<path d="M0,0 Q2,-60 0,-118" fill="none" stroke="{color}" stroke-width="2.2"/>')
    for i in range(8):
        yy = -70 - i * 11
        size = 1.0 - i * 0.045
        for side in (-1, 1):
            kx = side * 5.2 * size
            parts.append(
                f'<ellipse cx="0" cy="0" rx="{4.6*size:.2f}" ry="{8.2*size:.2f}" fill="{color}" '
                f'transform="translate({kx:.2f},{yy + (3 if side > 0 else 0):.2f}) rotate({side*24})"/>')
            parts.append(
                f'<path d="M{kx*1.3:.2f},{yy-7:.2f} L{kx*2.6+side*6:.2f},{yy-30:.2f}" '
                f'stroke="{awn_color}" stroke-width="0.9" fill="none"/>')
    parts.append(f'<ellipse cx="0" cy="-160" rx="3.6" ry="7" fill="{color}"/>')
    parts.append(f'<path d="M0,-166 L0,-196" stroke="{awn_color}" stroke-width="0.9"/>')
    parts.append("</g>")
    return "\n".join(parts)


def meter(x, y):
    """A handheld meter with its measuring cup of grain and a two-line display."""
    p = [f'<g transform="translate({x},{y})">']
    # measuring cup with grain
    p.append('<path d="M10,0 L86,0 L80,40 L16,40 Z" fill="url(#steel)" stroke="#6F777C" stroke-width="1.5"/>')
    p.append('<path d="M12,8 Q48,-6 84,8 L82,16 L14,16 Z" fill="#D9B44A"/>')
    for i in range(11):
        gx = 18 + i * 6.2
        gy = 7 + (i % 3) * 2.5
        p.append(f'<ellipse cx="{gx:.1f}" cy="{gy:.1f}" rx="3.2" ry="1.9" fill="{GOLD_DARK}" transform="rotate({(i*37)%60-30} {gx:.1f} {gy:.1f})"/>')
    # body
    p.append('<rect x="4" y="42" width="88" height="150" rx="14" ry="14" fill="url(#body)" stroke="#1F2A22" stroke-width="1.5"/>')
    # display
    p.append('<rect x="14" y="56" width="68" height="50" rx="4" ry="4" fill="#CFE5C6" stroke="#1F2A22" stroke-width="1"/>')
    p.append('<text x="76" y="78" font-family="DejaVu Sans Mono" font-size="16" font-weight="bold" fill="#1E3A1C" text-anchor="end">14.2 %</text>')
    p.append('<text x="76" y="97" font-family="DejaVu Sans Mono" font-size="10" fill="#1E3A1C" text-anchor="end">76.8 kg/hl</text>')
    # keys
    for i, c in enumerate(("#5FA65A", "#E7E3D6", "#C8543F")):
        p.append(f'<circle cx="{28 + i*20}" cy="132" r="7" fill="{c}" stroke="#1F2A22" stroke-width="1"/>')
    p.append('<rect x="22" y="152" width="52" height="6" rx="3" fill="#55645A"/>')
    p.append('<rect x="22" y="164" width="52" height="6" rx="3" fill="#55645A"/>')
    p.append("</g>")
    return "\n".join(p)


DEFS = f"""<defs>
<linearGradient id="steel" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#9BA4A9"/><stop offset="0.5" stop-color="#E4E8EA"/><stop offset="1" stop-color="#8C959A"/>
</linearGradient>
<linearGradient id="body" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#2C3A30"/><stop offset="0.5" stop-color="#405245"/><stop offset="1" stop-color="#27332B"/>
</linearGradient>
<linearGradient id="accent" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="{GOLD}"/><stop offset="1" stop-color="#6E9B3A"/>
</linearGradient>
</defs>"""


def banner(lang):
    w, h = 1110, 274
    moist, dens = UNITS[lang]
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">', DEFS]
    out.append(f'<rect x="0" y="0" width="{w}" height="{h}" fill="{BG}"/>')
    # faint field of ears at the right, behind whatever sits there
    for i, (ex, ang, sc) in enumerate([(960, -8, 0.95), (995, 4, 1.08), (1030, -3, 0.9), (1062, 9, 1.0)]):
        out.append(ear(ex, 268, ang, sc, FAINT, FAINT))
    # motif at the top left: a small meter and an ear; the main window's
    # buttons cover the lower part of the banner from y = 144 down
    out.append(ear(92, 128, 12, 0.5, GOLD, GOLD_DARK))
    out.append(f'<g transform="translate(20,10) scale(0.6)">{meter(0, 0)}</g>')
    # product name
    out.append(f'<text x="132" y="62" font-family="DejaVu Sans" font-size="44" font-weight="bold" fill="{GREEN}">ZQMM</text>')
    out.append(f'<text x="134" y="96" font-family="DejaVu Sans" font-size="24" fill="{TEXT}">{esc(PRODUCT[lang])}</text>')
    out.append(f'<rect x="134" y="106" width="420" height="3" fill="url(#accent)"/>')
    out.append(f'<text x="134" y="128" font-family="DejaVu Sans" font-size="14" fill="#6A6A6A">{esc(moist)} %   ·   {esc(dens)} {"кг/гл" if lang == "ru" else "kg/hl"}</text>')
    # accent line along the bottom edge, continued by the right-hand picture
    out.append(f'<rect x="0" y="{h-4}" width="{w}" height="4" fill="url(#accent)"/>')
    out.append("</svg>")
    return "\n".join(out)


def header_right():
    w, h = 820, 274
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">', DEFS]
    out.append(f'<rect x="0" y="0" width="{w}" height="{h}" fill="{BG}"/>')
    for i in range(13):
        ex = 40 + i * 60 + (i % 2) * 14
        ang = ((i * 7) % 17) - 8
        sc = 0.8 + ((i * 5) % 4) * 0.08
        out.append(ear(ex, 268, ang, sc, FAINT, FAINT))
    out.append(f'<rect x="0" y="{h-4}" width="{w}" height="4" fill="#6E9B3A"/>')
    out.append("</svg>")
    return "\n".join(out)


FLAG_FRAME = '<rect x="0.5" y="0.5" width="59" height="39" fill="none" stroke="#7A7A7A" stroke-width="1"/>'


def stripes_h(colors, weights=None):
    weights = weights or [1] * len(colors)
    total = sum(weights)
    y = 0.0
    parts = []
    for c, wgt in zip(colors, weights):
        hh = 40 * wgt / total
        parts.append(f'<rect x="0" y="{y:.3f}" width="60" height="{hh + 0.05:.3f}" fill="{c}"/>')
        y += hh
    return "\n".join(parts)


def stripes_v(colors):
    return "\n".join(f'<rect x="{i*20}" y="0" width="20.05" height="40" fill="{c}"/>' for i, c in enumerate(colors))


def union_jack():
    return "\n".join([
        '<rect x="0" y="0" width="60" height="40" fill="#012169"/>',
        '<path d="M0,0 L60,40 M60,0 L0,40" stroke="#FFFFFF" stroke-width="8"/>',
        # red diagonals, offset clockwise as on the flag
        '<path d="M0,0 L30,20 M60,40 L30,20" stroke="#C8102E" stroke-width="2.6" transform="translate(1.2,-1.2)"/>',
        '<path d="M60,0 L30,20 M0,40 L30,20" stroke="#C8102E" stroke-width="2.6" transform="translate(1.2,1.2)"/>',
        '<path d="M30,0 L30,40 M0,20 L60,20" stroke="#FFFFFF" stroke-width="13"/>',
        '<path d="M30,0 L30,40 M0,20 L60,20" stroke="#C8102E" stroke-width="8"/>',
    ])


FLAGS = {
    "en": union_jack(),
    "pl": stripes_h(["#FFFFFF", "#DC143C"]),
    "de": stripes_h(["#000000", "#DD0000", "#FFCE00"]),
    "fr": stripes_v(["#002654", "#FFFFFF", "#ED2939"]),
    "es": stripes_h(["#AA151B", "#F1BF00", "#AA151B"], [1, 2, 1]),
    "ru": stripes_h(["#FFFFFF", "#0039A6", "#D52B1E"]),
    "it": stripes_v(["#009246", "#FFFFFF", "#CE2B37"]),
}


def flag(lang):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="60" height="40" viewBox="0 0 60 40">\n'
            + FLAGS[lang] + "\n" + FLAG_FRAME + "\n</svg>\n")


OK_ICON = """<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
<path d="M8,26 L19,37 L41,11" fill="none" stroke="#1E7B34" stroke-width="9" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M8,26 L19,37 L41,11" fill="none" stroke="#3DAA55" stroke-width="5.5" stroke-linecap="round" stroke-linejoin="round"/>
</svg>
"""

CANCEL_ICON = """<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">
<path d="M11,11 L37,37 M37,11 L11,37" fill="none" stroke="#A5231B" stroke-width="9" stroke-linecap="round"/>
<path d="M11,11 L37,37 M37,11 L11,37" fill="none" stroke="#DD3B2F" stroke-width="5.5" stroke-linecap="round"/>
</svg>
"""


def write(path, text):
    with open(os.path.join(ROOT, path), "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    for lang in PRODUCT:
        write(f"src/banner_{lang}.svg", banner(lang))
        write(f"flags/{lang}.svg", flag(lang))
    write("src/header_right.svg", header_right())
    write("icons/ok.svg", OK_ICON)
    write("icons/cancel.svg", CANCEL_ICON)
