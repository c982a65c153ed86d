#!/usr/bin/env python3
"""Draws the installer's skin images and icon into a folder.

    draw.py OUTDIR [--montage FILE]

Sizes and state rows are what the skin files rely on: page backgrounds 600x400, four-state
buttons stacked top to bottom (normal, hot, pushed, disabled), the check mark unticked over
ticked, close buttons normal over hot (pushed and disabled rows follow), progress track and
fill 520x10, dialog icons 48x48, the application icon at 16, 32, 48 and 256. The output depends
only on this script, so every build gives the same bytes. --montage also writes one picture of
every image on a checkerboard, for looking at them.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import (Canvas, arc_points, circle, convex_polygon, hexcolor, horizontal, ico_bytes,  # noqa: E402
                    mix, png_bytes, radial, ring, rotated, rounded_rect, stroke, subtract, union, vertical)

RED = hexcolor("E74B3F")
RED_LIGHT = hexcolor("EE6C62")
RED_DARK = hexcolor("D54035")
ORANGE = hexcolor("FF7A5C")
BLUE = hexcolor("3083FE")
WHITE = hexcolor("FFFFFF")
INK = hexcolor("444444")
GREY_LINE = hexcolor("D1D1D1")
SHADOW = (0.20, 0.10, 0.08, 1.0)

# Four states of a filled button: top and bottom colour of the body, edge colour.
FILLED_STATES = [
    (hexcolor("F0604F"), hexcolor("E0443A"), hexcolor("CC3B31")),   # normal
    (hexcolor("F67C6C"), hexcolor("EA5A4D"), hexcolor("D9493E")),   # hot: lighter
    (hexcolor("C93A31"), hexcolor("D5463B"), hexcolor("B3322A")),   # pushed: darker, light below
    (hexcolor("D3D3D3"), hexcolor("C4C4C4"), hexcolor("B8B8B8")),   # disabled: grey
]


def filled_button(width, row_height):
    c = Canvas(width, row_height * 4)
    for i, (top, bottom, edge) in enumerate(FILLED_STATES):
        y0 = i * row_height
        c.draw(rounded_rect(0, y0, width, y0 + row_height, 5), edge, (0, y0, width, y0 + row_height))
        c.draw(rounded_rect(1, y0 + 1, width - 1, y0 + row_height - 1, 4),
               vertical(y0 + 1, y0 + row_height - 1, top, bottom), (0, y0, width, y0 + row_height))
        if i != 2:  # a soft sheen on the upper half, none while pressed
            c.draw(rounded_rect(2, y0 + 2, width - 2, y0 + row_height / 2.0, 3),
                   vertical(y0 + 2, y0 + row_height / 2.0, (1, 1, 1, 0.22), (1, 1, 1, 0.04)),
                   (0, y0, width, y0 + row_height))
    return c


def outlined_button(width, row_height, accent):
    """White body with a coloured or grey outline, for buttons with coloured text."""
    states = [
        (WHITE, hexcolor("F7F7F7"), accent),
        (hexcolor("FFF4F2"), hexcolor("FFE9E6"), accent),
        (hexcolor("FCE1DD"), hexcolor("FFF0EE"), mix(accent, (0, 0, 0, 1), 0.15)),
        (hexcolor("F2F2F2"), hexcolor("ECECEC"), hexcolor("D6D6D6")),
    ]
    c = Canvas(width, row_height * 4)
    for i, (top, bottom, edge) in enumerate(states):
        y0 = i * row_height
        c.draw(rounded_rect(0, y0, width, y0 + row_height, 5), edge, (0, y0, width, y0 + row_height))
        c.draw(rounded_rect(1, y0 + 1, width - 1, y0 + row_height - 1, 4),
               vertical(y0, y0 + row_height, top, bottom), (0, y0, width, y0 + row_height))
    return c


def close_button(colors, halo_rows):
    """An x in a 14x14 cell per state; the rows in halo_rows get a round backing."""
    c = Canvas(14, 56)
    for i, color in enumerate(colors):
        y0 = i * 14
        if i in halo_rows:
            c.draw(circle(7, y0 + 7, 7), (0, 0, 0, 0.14 if i == 1 else 0.24), (0, y0, 14, y0 + 14))
        c.draw(union(stroke([(3.5, y0 + 3.5), (10.5, y0 + 10.5)], 1.6),
                     stroke([(10.5, y0 + 3.5), (3.5, y0 + 10.5)], 1.6)), color, (0, y0, 14, y0 + 14))
    return c


def check_mark():
    c = Canvas(14, 28)
    c.draw(rounded_rect(0, 0, 14, 14, 3), hexcolor("BDBDBD"), (0, 0, 14, 14))
    c.draw(rounded_rect(1, 1, 13, 13, 2), vertical(1, 13, WHITE, hexcolor("F3F3F3")), (0, 0, 14, 14))
    c.draw(rounded_rect(0, 14, 14, 28, 3), vertical(14, 28, hexcolor("F0604F"), RED_DARK), (0, 14, 14, 28))
    c.draw(stroke([(3.4, 21.2), (6.0, 23.8), (10.8, 18.2)], 1.8), WHITE, (0, 14, 14, 28))
    return c


def progress_track():
    c = Canvas(520, 10)
    c.draw(rounded_rect(0, 0, 520, 10, 5), hexcolor("E4E6EA"))
    c.draw(rounded_rect(1, 1, 519, 9, 4), vertical(1, 9, hexcolor("ECEEF1"), hexcolor("F5F6F8")))
    return c


def progress_fill():
    c = Canvas(520, 10)
    c.draw(rounded_rect(0, 0, 520, 10, 5), horizontal(0, 520, ORANGE, RED))
    stripes = union(*[convex_polygon([(x, 0), (x + 8, 0), (x + 3, 10), (x - 5, 10)]) for x in range(4, 530, 16)])
    inside = rounded_rect(0, 0, 520, 10, 5)
    c.draw(lambda x, y: max(stripes(x, y), inside(x, y)), (1, 1, 1, 0.16))
    c.draw(rounded_rect(2, 1, 518, 4.5, 2), (1, 1, 1, 0.25))
    return c


def badge(size, color, glyph):
    """A round icon with a soft ring and a white glyph ("?" or "i")."""
    c = Canvas(size, size)
    m = size / 2.0
    c.draw(circle(m, m, m - 0.5), mix(color, WHITE, 0.75))
    c.draw(circle(m, m, m - 4), vertical(4, size - 4, mix(color, WHITE, 0.15), mix(color, (0, 0, 0, 1), 0.08)))
    k = size / 48.0
    if glyph == "?":
        hook = stroke(arc_points(m, 19 * k, 7 * k, 190, 395) + [(m, 30 * k)], 4.2 * k)
        c.draw(hook, WHITE)
        c.draw(circle(m, 36.5 * k, 2.6 * k), WHITE)
    else:
        c.draw(circle(m, 14.5 * k, 2.8 * k), WHITE)
        c.draw(stroke([(m, 21 * k), (m, 35 * k)], 4.4 * k), WHITE)
    return c


def document(c, x0, y0, w, h, tag_color, tilt=0.0):
    """A sheet with a folded corner, text lines and a coloured tag, with a soft shadow."""
    cx, cy = x0 + w / 2.0, y0 + h / 2.0
    fold = w * 0.28
    sheet = subtract(rounded_rect(x0, y0, x0 + w, y0 + h, 5),
                     convex_polygon([(x0 + w - fold, y0 - 2), (x0 + w + 2, y0 - 2), (x0 + w + 2, y0 + fold)]))
    box = (x0 - 30, y0 - 30, x0 + w + 30, y0 + h + 34)
    c.draw(rotated(rounded_rect(x0 + 3, y0 + 8, x0 + w + 3, y0 + h + 8, 8), cx, cy, tilt), SHADOW, box,
           feather=14.0, opacity=0.16)
    c.draw(rotated(sheet, cx, cy, tilt), vertical(y0, y0 + h, WHITE, hexcolor("F4F5F7")), box)
    c.draw(rotated(convex_polygon([(x0 + w - fold, y0), (x0 + w, y0 + fold), (x0 + w - fold + 3, y0 + fold)]),
                   cx, cy, tilt), hexcolor("E1E3E8"), box)
    c.draw(rotated(stroke([(x0 + w - fold, y0), (x0 + w, y0 + fold)], 1.0), cx, cy, tilt), hexcolor("D5D8DE"), box)
    for i, frac in enumerate((0.30, 0.42, 0.54)):
        right = x0 + w * (0.78 if i != 2 else 0.58)
        c.draw(rotated(stroke([(x0 + w * 0.18, y0 + h * frac), (right, y0 + h * frac)], 3.0), cx, cy, tilt),
               hexcolor("DADDE3"), box)
    tag = rounded_rect(x0 - w * 0.12, y0 + h * 0.66, x0 + w * 0.62, y0 + h * 0.86, 3)
    c.draw(rotated(tag, cx, cy, tilt), vertical(y0 + h * 0.66, y0 + h * 0.86, mix(tag_color, WHITE, 0.12), tag_color),
           box)
    for i in range(3):  # three short white bars stand for the tag's label
        bx = x0 + w * (0.0 + 0.16 * i)
        c.draw(rotated(stroke([(bx, y0 + h * 0.76), (bx + w * 0.09, y0 + h * 0.76)], 2.4), cx, cy, tilt),
               (1, 1, 1, 0.9), box)


def arrow(c, x0, y, x1, color):
    c.draw(stroke([(x0, y), (x1 - 8, y)], 5.0), color, (x0 - 4, y - 14, x1 + 4, y + 14))
    c.draw(convex_polygon([(x1 - 12, y - 10), (x1 + 2, y), (x1 - 12, y + 10)]), color, (x0, y - 14, x1 + 4, y + 14))


def page_base(band_color, band_depth):
    c = Canvas(600, 400)
    c.fill_rows(lambda y: mix(WHITE, hexcolor("F6F7F9"), y / 400.0))
    if band_depth:
        def wave(x, y):  # a gently wavy lower edge for the title band
            return y - (band_depth + 9 * math.sin(x / 92.0) + 5 * math.sin(x / 37.0 + 1))
        c.draw(wave, vertical(0, band_depth + 14, band_color, mix(band_color, WHITE, 0.7)),
               (0, 0, 600, band_depth + 16))
    # large, very soft blobs give the page depth without drawing the eye
    c.draw(circle(70, 30, 110), mix(RED, WHITE, 0.78), (0, 0, 220, 180), feather=60.0, opacity=0.30)
    c.draw(circle(560, 360, 120), mix(BLUE, WHITE, 0.85), (400, 200, 600, 400), feather=70.0, opacity=0.25)
    return c


def mini_logo(c, x, y, size):
    """The brand mark: a red rounded square holding a white sheet."""
    c.draw(rounded_rect(x, y, x + size, y + size, size * 0.24), vertical(y, y + size, hexcolor("F36A57"), RED_DARK),
           (x - 1, y - 1, x + size + 1, y + size + 1))
    k = size / 18.0
    sheet = subtract(rounded_rect(x + 5 * k, y + 3.5 * k, x + 13 * k, y + 14.5 * k, 1.2 * k),
                     convex_polygon([(x + 10 * k, y + 3), (x + 14 * k, y + 3), (x + 14 * k, y + 6.5 * k)]))
    c.draw(sheet, WHITE, (x, y, x + size, y + size))
    c.draw(stroke([(x + 7 * k, y + 9 * k), (x + 11 * k, y + 9 * k)], 1.2 * k), RED, (x, y, x + size, y + size))
    c.draw(stroke([(x + 7 * k, y + 11.5 * k), (x + 10 * k, y + 11.5 * k)], 1.2 * k), RED, (x, y, x + size, y + size))


def page_home(variant_chs=False):
    band = hexcolor("FDE3DE") if not variant_chs else hexcolor("FFE8D6")
    c = page_base(band, 120)
    document(c, 196, 42, 62, 82, RED, tilt=-6.0)
    arrow(c, 276, 86, 322, mix(RED, WHITE, 0.25) if not variant_chs else hexcolor("F08A3C"))
    document(c, 342, 42, 62, 82, BLUE, tilt=5.0)
    for (x, y, r, col) in ((168, 58, 3.0, RED_LIGHT), (430, 40, 2.5, BLUE), (446, 118, 3.5, hexcolor("FFB199")),
                           (150, 120, 2.0, BLUE), (300, 32, 2.2, hexcolor("FFB199"))):
        c.draw(circle(x, y, r), col, (x - r - 2, y - r - 2, x + r + 2, y + r + 2), opacity=0.8)
    return c


def page_install():
    c = page_base(None, 0)
    mini_logo(c, 30, 20, 18)
    for y in (96.5, 132.5, 168.5, 204.5):  # bullets beside the four feature rows
        c.draw(circle(64, y, 8), vertical(y - 8, y + 8, hexcolor("F36A57"), RED_DARK), (54, y - 10, 74, y + 10))
        c.draw(stroke([(60.2, y + 0.2), (63.0, y + 3.0), (67.8, y - 2.6)], 1.8), WHITE, (54, y - 10, 74, y + 10))
    c.draw(circle(470, 150, 100), mix(RED, WHITE, 0.86), (350, 30, 590, 270), feather=30.0)
    document(c, 428, 78, 80, 104, RED, tilt=4.0)
    c.draw(circle(508, 184, 24), vertical(160, 208, hexcolor("F36A57"), RED_DARK), (480, 156, 536, 212))
    c.draw(stroke([(508, 172), (508, 194)], 3.6), WHITE, (480, 156, 536, 212))
    c.draw(stroke([(499, 186), (508, 195), (517, 186)], 3.6), WHITE, (480, 156, 536, 212))
    return c


def page_finished():
    c = page_base(None, 0)
    mini_logo(c, 30, 20, 18)
    cx, cy = 300, 100
    c.draw(circle(cx, cy, 64), mix(RED, WHITE, 0.88), (cx - 70, cy - 70, cx + 70, cy + 70))
    c.draw(circle(cx, cy, 52), mix(RED, WHITE, 0.74), (cx - 70, cy - 70, cx + 70, cy + 70))
    c.draw(circle(cx, cy, 40), radial(cx - 12, cy - 14, 60, hexcolor("F77A66"), RED_DARK), (cx - 70, cy - 70, cx + 70, cy + 70))
    c.draw(stroke([(cx - 17, cy + 1), (cx - 5, cy + 13), (cx + 18, cy - 12)], 7.0), WHITE, (cx - 40, cy - 40, cx + 40, cy + 40))
    confetti = [(206, 60, 20, RED_LIGHT), (392, 52, -30, BLUE), (380, 150, 45, hexcolor("FFB199")),
                (214, 146, -15, BLUE), (240, 32, 60, hexcolor("FFC857")), (364, 24, 10, hexcolor("FFC857"))]
    for x, y, angle, col in confetti:
        c.draw(rotated(rounded_rect(x - 5, y - 2, x + 5, y + 2, 2), x, y, angle), col, (x - 8, y - 8, x + 8, y + 8))
    return c


def app_icon(size):
    c = Canvas(size, size)
    k = size / 256.0
    c.draw(rounded_rect(8 * k, 8 * k, 248 * k, 248 * k, 52 * k), vertical(8 * k, 248 * k, hexcolor("F77460"), RED_DARK))
    c.draw(rounded_rect(14 * k, 12 * k, 242 * k, 120 * k, 46 * k), (1, 1, 1, 0.10))
    fold = 48 * k
    x0, y0, x1, y1 = 70 * k, 44 * k, 186 * k, 212 * k
    c.draw(rounded_rect(x0 + 6 * k, y0 + 10 * k, x1 + 6 * k, y1 + 10 * k, 12 * k), (0.3, 0.05, 0.02, 1), feather=18 * k,
           opacity=0.35)
    c.draw(subtract(rounded_rect(x0, y0, x1, y1, 12 * k), convex_polygon([(x1 - fold, y0 - 4), (x1 + 4, y0 - 4), (x1 + 4, y0 + fold)])),
           WHITE)
    c.draw(convex_polygon([(x1 - fold, y0), (x1, y0 + fold), (x1 - fold + 6 * k, y0 + fold)]), hexcolor("F3C9C3"))
    for i, w in enumerate((80, 80, 54)):
        y = y0 + (84 + 26 * i) * k
        c.draw(stroke([(x0 + 22 * k, y), (x0 + (22 + w) * k, y)], 12 * k), RED if i == 0 else hexcolor("F2A59C"))
    return c


def images():
    return [
        ("page_home.png", page_home()),
        ("page_home_chs.png", page_home(variant_chs=True)),
        ("page_install.png", page_install()),
        ("page_finished.png", page_finished()),
        ("btn_setup.png", filled_button(160, 40)),
        ("btn_alter.png", outlined_button(74, 32, hexcolor("C9C9C9"))),
        ("btn_dlgyes.png", outlined_button(96, 32, RED)),
        ("btn_dlgno.png", filled_button(96, 32)),
        ("btn_close.png", close_button([hexcolor("9A9A9A"), RED, RED_DARK, hexcolor("D0D0D0")], (2,))),
        ("btn_dlgclose.png", close_button([WHITE, WHITE, WHITE, (1, 1, 1, 0.45)], (1, 2))),
        ("common_choose.png", check_mark()),
        ("pro_bk.png", progress_track()),
        ("pro_loading.png", progress_fill()),
        ("png_question.png", badge(48, RED, "?")),
        ("png_message.png", badge(48, BLUE, "i")),
    ]


def montage(pictures):
    """Shelf-packs every picture, 3x enlarged when small, onto a checkerboard."""
    placed, x, y, shelf = [], 10, 10, 0
    for name, pic in pictures:
        scale = 3 if pic.width <= 160 and pic.height <= 160 else 1
        w, h = pic.width * scale, pic.height * scale
        if x + w > 1240:
            x, y, shelf = 10, y + shelf + 10, 0
        placed.append((pic, scale, x, y))
        x, shelf = x + w + 10, max(shelf, h)
    out = Canvas(1250, y + shelf + 10)
    for yy in range(out.height):
        for xx in range(out.width):
            v = 0.93 if ((xx // 8) + (yy // 8)) % 2 else 0.82
            out.px[yy * out.width + xx] = [v, v, v, 1.0]
    for pic, scale, ox, oy in placed:
        big = Canvas(pic.width * scale, pic.height * scale)
        for yy in range(big.height):
            for xx in range(big.width):
                big.px[yy * big.width + xx] = list(pic.px[(yy // scale) * pic.width + xx // scale])
        out.blit(big, ox, oy)
    return out


def main(argv):
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    pictures = images()
    for name, pic in pictures:
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(png_bytes(pic))
    big = app_icon(256)
    icons = [app_icon(s) if s >= 48 else big.scaled(s, s) for s in (16, 32, 48)] + [big]
    with open(os.path.join(outdir, "logo.ico"), "wb") as f:
        f.write(ico_bytes(icons))
    if "--montage" in argv:
        path = argv[argv.index("--montage") + 1]
        with open(path, "wb") as f:
            f.write(png_bytes(montage(pictures + [("logo", big)] + [(str(i.width), i) for i in icons[:3]])))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
