#!/usr/bin/python3
"""Draws every picture the program loads at run time into this folder.

    python3 images/make_images.py                 # rewrite the pictures
    python3 images/make_images.py --preview DIR   # also write label overlays

Needs only Pillow. The output is the same on every run, so a regenerated file
shows up in a diff only when its drawing changed. Shapes are drawn at S times
the final size and shrunk, which gives smooth edges without anti-aliasing
support in ImageDraw itself. Each picture is shrunk twice from one drawing:
to its own size, in the file named here, and to twice that size for screens
of double pixel density, as NAME@2x.png beside it with a full alpha channel.

Button pictures stand on the light and the dark button face alike, so their
main colours are mid-tones (relative luminance near 0.22) that keep 3:1 from
both, and their soft edges in the one-bit transparent files are blended with
a mid grey rather than with either face.
"""
import argparse
import math
import struct
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter, ImageFont

OUT = Path(__file__).resolve().parent
S = 8
MATTE = (128, 128, 128)            # what soft edges of one-bit transparent pictures blend into
CHART_W, CHART_H = 404, 312        # the chart box, 6060 x 4680 twips
REPORT_PICTURE = 21                # what the report window's 25-pixel buttons leave for a picture
FONT_DIR = Path("/usr/share/fonts/truetype/dejavu")

# Where the window lays its chart labels (left, top in pixels: twips / 15).
# The pattern keeps clear of their text; --preview writes sample prices there.
BULL_LABELS = {
    "prices": [(19, 288), (21, 145), (128, 83)],   # lblStartUp, lblEnd1Up, lblWav3High (wave 3 basis)
    "levels": [(59, 81), (59, 100), (59, 119), (247, 15), (247, 34), (247, 54)],   # waves 3 and 5
    "retracements": [(112, 228), (112, 246), (112, 264), (112, 281)],              # 38% down to 75%
}
BEAR_LABELS = {
    "prices": [(24, 6), (20, 149), (129, 210)],    # lblStartDn, lblEnd1Dn, lblWav3DnHigh (wave 3 basis)
    "levels": [(59, 175), (59, 193), (59, 211), (247, 239), (247, 257), (247, 275)],
    "retracements": [(112, 66), (112, 49), (112, 30), (112, 12)],
}

# Turning points of the impulse: start, then the ends of waves 1 to 5. Each
# point sits just beside the label that names its price; wave 2 bottoms out
# left of the retracement column and wave 3 climbs steeply enough to pass it.
BULL_WAVE = [(10, 295), (72, 147), (97, 246), (186, 80), (245, 128), (338, 24)]
BEAR_WAVE = [(10, 14), (72, 165), (97, 66), (186, 226), (245, 180), (340, 290)]
# Where each wave's number sits relative to its end point, off the labels' text.
BULL_NUMBERS = [(8, -7), (0, 11), (0, -12), (0, 12), (0, -12)]
BEAR_NUMBERS = [(9, -1), (0, -11), (0, 12), (0, -12), (0, 12)]

DARK = dict(top=(13, 21, 40), bottom=(6, 10, 20), grid=(21, 31, 54), guide=(52, 66, 98),
            impulse=(122, 164, 232), corrective=(78, 104, 150), glow=(40, 80, 160),
            number=(98, 114, 150))
WHITE = dict(top=(255, 255, 255), bottom=(255, 255, 255), grid=(236, 239, 244), guide=(190, 197, 210),
             impulse=(28, 52, 100), corrective=(96, 114, 146), glow=None, number=(130, 140, 160))

# Button colours: the plain ones are mid-tones, the _DK and _LT shades only
# outline or pick out details.
GREEN, GREEN_DK, GREEN_LT = (51, 148, 61), (27, 88, 34), (196, 228, 186)
RED, RED_DK, RED_LT = (236, 66, 54), (120, 30, 24), (250, 204, 196)
GREY, GREY_DK, GREY_LT = (126, 131, 138), (70, 75, 82), (214, 218, 223)
BLUE, BLUE_DK = (66, 124, 220), (28, 48, 92)
INK = (88, 128, 196)
IVORY = (242, 236, 214)


def font(size, bold=False):
    """A font of size final pixels, drawn S times larger."""
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    try:
        return ImageFont.truetype(str(FONT_DIR / name), round(size * S))
    except OSError:
        return ImageFont.load_default()


class Canvas:
    """A surface w by h final pixels, drawn S times larger. Shapes are given in
    units of unit final pixels, so one drawing can be laid out at another size."""

    def __init__(self, w, h, bg=(0, 0, 0, 0), unit=1.0):
        self.w, self.h, self.k, self.unit = w, h, S * unit, unit
        self.img = Image.new("RGBA", (w * S, h * S), bg)
        self.d = ImageDraw.Draw(self.img)

    def _xy(self, pts):
        return [(x * self.k, y * self.k) for x, y in pts]

    def line(self, pts, fill, width, draw=None):
        draw, k = draw or self.d, self.k
        draw.line(self._xy(pts), fill=fill, width=round(width * k), joint="curve")
        for x, y in (pts[0], pts[-1]):      # round caps
            r = width * k / 2
            draw.ellipse((x * k - r, y * k - r, x * k + r, y * k + r), fill=fill)

    def poly(self, pts, fill, outline=None, width=1.0):
        self.d.polygon(self._xy(pts), fill=fill)
        if outline:
            self.line(pts + pts[:1], outline, width)

    def circle(self, cx, cy, r, fill, outline=None, width=1.0):
        self.oval(cx - r, cy - r, cx + r, cy + r, fill, outline, width)

    def oval(self, x0, y0, x1, y1, fill, outline=None, width=1.0):
        k = self.k
        self.d.ellipse((x0 * k, y0 * k, x1 * k, y1 * k), fill=fill, outline=outline,
                       width=round(width * k) if outline else 0)

    def box(self, x0, y0, x1, y1, fill, outline=None, width=1.0, radius=0.0):
        k = self.k
        self.d.rounded_rectangle((x0 * k, y0 * k, x1 * k, y1 * k), radius=radius * k, fill=fill,
                                 outline=outline, width=round(width * k) if outline else 0)

    def text(self, x, y, s, size, fill, bold=False, anchor="mm"):
        self.d.text((x * self.k, y * self.k), s, font=font(size * self.unit, bold), fill=fill, anchor=anchor)

    def glow(self, pts, colour, width, blur):
        layer = Image.new("RGBA", self.img.size, (*colour, 0))
        self.line(pts, (*colour, 150), width, ImageDraw.Draw(layer))
        self.img.alpha_composite(layer.filter(ImageFilter.GaussianBlur(blur * self.k)))

    def result(self):
        return self.img


def shrink(img, scale):
    """A drawing at its final size (scale 1) or at twice it (scale 2)."""
    return img.resize((img.width * scale // S, img.height * scale // S), Image.Resampling.LANCZOS)


def mix(a, b, t):
    return tuple(round(p + (q - p) * t) for p, q in zip(a, b))


def gradient(c, top, bottom):
    for y in range(c.h * S):
        c.d.line([(0, y), (c.w * S, y)], fill=mix(top, bottom, y / (c.h * S)))


def grid(c, colour, step=24):
    for x in range(10, c.w, step):
        c.d.rectangle((x * S, 0, x * S + S - 1, c.h * S), fill=colour)
    for y in range(12, c.h, step):
        c.d.rectangle((0, y * S, c.w * S, y * S + S - 1), fill=colour)


def dotted(c, x0, x1, y, colour, gap=4):
    for x in range(round(x0), round(x1), gap):
        c.circle(x, y, 0.6, colour)


# --- saving -----------------------------------------------------------------

def save_double(img, name, bg=None):
    """NAME@2x.png: the drawing at twice the size, flattened onto bg if given."""
    big = shrink(img, 2)
    if bg:
        big = Image.alpha_composite(Image.new("RGBA", big.size, (*bg, 255)), big).convert("RGB")
    big.save(OUT / f"{Path(name).stem}@2x.png", optimize=True)


def save_gif(img, name, matte=None):
    """Opaque GIF, or with a matte one whose clear pixels become transparent and
    whose soft edges are pre-blended with the matte."""
    save_double(img, name, None if matte else (0, 0, 0))
    img = shrink(img, 1)
    base = Image.new("RGBA", img.size, (*(matte or (0, 0, 0)), 255))
    rgb = Image.alpha_composite(base, img.convert("RGBA")).convert("RGB")
    pal = rgb.quantize(255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    if matte is None:
        pal.save(OUT / name)
        return
    clear = img.getchannel("A").point(lambda a: 255 if a < 100 else 0)
    pal.paste(255, mask=clear)
    colours = pal.getpalette()[:255 * 3]
    pal.putpalette(colours + [0] * (255 * 3 - len(colours)) + list(matte))
    pal.save(OUT / name, transparency=255)


def save_opaque(img, name, bg, **options):
    save_double(img, name, bg)
    img = shrink(img, 1)
    flat = Image.new("RGBA", img.size, (*bg, 255))
    Image.alpha_composite(flat, img.convert("RGBA")).convert("RGB").save(OUT / name, **options)


def save_bmp(img, name):
    """A 32-bit BMP that keeps the alpha channel: a version 5 header whose
    masks name the alpha byte, which readers of the plain header would lack."""
    save_double(img, name)
    img = shrink(img, 1)
    w, h = img.size
    pixels = img.transpose(Image.Transpose.FLIP_TOP_BOTTOM).tobytes("raw", "BGRA")
    header = struct.pack("<IiiHHIIiiII4I4s36x3I4I", 124, w, h, 1, 32, 3, len(pixels), 2835, 2835, 0, 0,
                         0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000, b"BGRs", 0, 0, 0, 4, 0, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    (OUT / name).write_bytes(head + header + pixels)


# --- wave chart ---------------------------------------------------------------

def wave_chart(points, theme, bull):
    c = Canvas(CHART_W, CHART_H)
    gradient(c, theme["top"], theme["bottom"])
    grid(c, theme["grid"])
    for x, y in points[1::2]:                       # the ends of waves 1, 3 and 5
        dotted(c, x + 6, CHART_W, y, theme["guide"])
    if theme["glow"]:
        c.glow(points, theme["glow"], 6, 3)
    for i in range(5):
        impulse = i % 2 == 0
        c.line(points[i:i + 2], theme["impulse" if impulse else "corrective"], 2.4 if impulse else 1.8)
    for x, y in points:
        c.circle(x, y, 2.6, theme["bottom"], theme["impulse"], 1.2)
    for n, ((x, y), (dx, dy)) in enumerate(zip(points[1:], BULL_NUMBERS if bull else BEAR_NUMBERS), 1):
        c.text(x + dx, y + dy, str(n), 9, theme["number"], bold=True)
    return c.result()


def splash():
    c = Canvas(CHART_W, CHART_H)
    gradient(c, (16, 26, 50), (5, 8, 18))
    grid(c, (20, 31, 56), 26)
    pts = [(34, 262), (120, 186), (150, 226), (262, 124), (292, 154), (372, 62)]
    c.glow(pts, (40, 170, 120), 10, 6)
    for i in range(5):
        c.line(pts[i:i + 2], mix((70, 210, 130), (90, 170, 250), i / 4), 3.2)
    for x, y in pts:
        c.circle(x, y, 3.4, (10, 16, 32), (200, 230, 255), 1.4)
    c.circle(*pts[-1], 6.5, None, (255, 214, 80), 1.4)
    c.text(32, 52, "Ondara", 44, (236, 242, 252), bold=True, anchor="ls")
    c.text(34, 76, "Elliott Wave price targets", 12.5, (140, 160, 196), anchor="ls")
    c.text(CHART_W / 2, 296, "Choose Bull or Bear to begin", 12.5, (214, 222, 238), anchor="ms")
    return c.result()


def no_chart():
    c = Canvas(CHART_W, CHART_H, (255, 255, 255, 255))
    c.box(8, 8, CHART_W - 8, CHART_H - 8, None, (226, 226, 226), 1, radius=6)
    c.text(CHART_W / 2, CHART_H / 2, "No chart", 18, (190, 190, 190))
    return c.result()


# --- buttons ------------------------------------------------------------------

def bull_head(body, dark, light):
    c = Canvas(32, 32)
    for m in (1, -1):                              # m mirrors left to right
        f = (lambda pts: [(x if m == 1 else 32 - x, y) for x, y in pts])
        c.poly(f([(11, 12.5), (6.5, 11.5), (3.5, 9), (2.2, 5.5), (2.8, 2.2), (4.6, 5.6),
                  (7.2, 7.8), (11.5, 8.6)]), IVORY, dark, 0.9)
        c.poly(f([(9.5, 12.8), (4.6, 12.4), (3.2, 14.6), (6.2, 16.4), (10, 16.2)]), body, dark, 0.9)
    c.poly([(10, 9.2), (22, 9.2), (23.6, 13), (22.4, 19), (20.6, 24), (11.4, 24), (9.6, 19),
            (8.4, 13)], body, dark, 1.0)
    c.oval(10.2, 19.8, 21.8, 29.2, light, dark, 1.0)
    for x in (13.4, 18.6):
        c.oval(x - 1.1, 23.2, x + 1.1, 25.8, dark)
    for x in (12.8, 19.2):
        c.circle(x, 15.4, 1.3, dark)
    return c.result()


def bear_head(body, dark, light):
    c = Canvas(32, 32)
    for x in (8, 24):
        c.circle(x, 8.2, 4.6, body, dark, 1.0)
        c.circle(x, 8.2, 2.2, light)
    c.oval(4.4, 6.6, 27.6, 29.4, body, dark, 1.0)
    c.oval(10.4, 16.4, 21.6, 27.4, light, dark, 0.8)
    c.oval(13.3, 17.2, 18.7, 20.8, dark)
    c.line([(16, 20.5), (16, 23.4)], dark, 0.9)
    c.line([(13.4, 22.6), (14.8, 23.8), (16, 23.4), (17.2, 23.8), (18.6, 22.6)], dark, 0.9)
    for x in (11.4, 20.6):
        c.circle(x, 13.8, 1.4, dark)
    return c.result()


def arrow(fill, dark, direction):
    up = [(16, 2.5), (28.5, 15.5), (21, 15.5), (21, 29), (11, 29), (11, 15.5), (3.5, 15.5)]
    turn = {"up": lambda x, y: (x, y), "down": lambda x, y: (x, 32 - y),
            "right": lambda x, y: (32 - y, x)}
    c = Canvas(32, 32)
    c.poly([turn[direction](x, y) for x, y in up], fill, dark, 1.2)
    return c.result()


def help_mark(fill, dark):
    c = Canvas(32, 32)
    c.circle(16, 16, 13.5, fill, dark, 1.2)
    c.text(16.3, 16.8, "?", 21, (255, 255, 255), bold=True)
    return c.result()


def use_wave(digit, colour, bull, base=GREY):
    # A small impulse with the measured leg picked out; the digit takes the corner left free.
    c = Canvas(32, 32)
    pts = [(3, 29), (10, 17), (13, 22), (21, 8), (24, 13), (30, 3)]
    pts = pts if bull else [(x, 32 - y) for x, y in pts]
    c.line(pts, base, 2)
    leg = 0 if digit == "1" else 2
    c.line(pts[leg:leg + 2], colour, 3.2)
    c.text(7, 9 if bull else 23, digit, 14, colour, bold=True)
    return c.result()


def price_format(ink, fraction):
    c = Canvas(32, 32)
    if fraction:
        c.text(10, 10.5, "3", 12, ink, bold=True)
        c.line([(23, 4.5), (9, 27.5)], ink, 2)
        c.text(22, 22, "8", 12, ink, bold=True)
    else:
        c.text(16, 17, ".00", 13.5, ink, bold=True)
    return c.result()


def list_with_badge(size, badge, plus):
    c = Canvas(size, size)
    for y in (5, 9.5, 14):
        c.line([(3, y), (14, y)], GREY, 2.4)
    c.circle(17, 17, 6, badge, mix(badge, (0, 0, 0), 0.35), 0.9)
    c.line([(14, 17), (20, 17)], (255, 255, 255), 2)
    if plus:
        c.line([(17, 14), (17, 20)], (255, 255, 255), 2)
    return c.result()


def printer(size, chart):
    c = Canvas(size, size, unit=size / 24)
    c.box(6, 2, 18, 12, (255, 255, 255), GREY_DK, 0.9)
    if chart:
        c.line([(7.5, 10), (10, 6.5), (12, 8.5), (16.5, 3.8)], GREEN, 1.3)
    else:
        for y in (5, 7.5):
            c.line([(8.5, y), (15.5, y)], GREY, 1)
    c.box(2, 10, 22, 19, GREY, GREY_DK, 0.9, radius=2)
    c.box(6, 16, 18, 22.5, (255, 255, 255), GREY_DK, 0.9)
    c.circle(19, 12.8, 0.9, (120, 220, 120))
    return c.result()


def print_preview():
    # A page of the table under a magnifying glass.
    c = Canvas(REPORT_PICTURE, REPORT_PICTURE, unit=REPORT_PICTURE / 25)
    c.box(3, 2, 16.5, 21, GREY, GREY_DK, 0.9)
    for y in (5.5, 8.5, 11.5):
        c.line([(5.5, y), (14, y)], GREY_LT, 1.2)
    c.line([(17.5, 17.5), (22.5, 22.5)], GREY, 3)
    c.circle(14, 14, 5, BLUE, BLUE_DK, 1.4)
    c.line([(11.6, 12.6), (13, 11.3)], (255, 255, 255), 1.1)
    return c.result()


def select_all():
    c = Canvas(REPORT_PICTURE, REPORT_PICTURE, unit=REPORT_PICTURE / 25)
    for y in (3, 10, 17):
        c.box(2.5, y, 8.5, y + 6, GREEN, GREEN_DK, 0.9, radius=1)
        c.line([(3.8, y + 3.2), (5.2, y + 4.6), (7.6, y + 1.4)], (255, 255, 255), 1.4)
        c.line([(11.5, y + 3), (22, y + 3)], GREY, 2.6)
    return c.result()


def trash():
    c = Canvas(REPORT_PICTURE, REPORT_PICTURE, unit=REPORT_PICTURE / 25)
    c.box(9.5, 2.5, 15.5, 5.5, None, RED, 1.3, radius=1)
    c.box(4, 5, 21, 7.5, RED, RED_DK, 0.7, radius=1)
    c.poly([(6, 8.5), (19, 8.5), (17.8, 22.5), (7.2, 22.5)], RED, RED_DK, 0.7)
    for x in (9.8, 12.5, 15.2):
        c.line([(x, 11), (x, 20)], RED_LT, 1.1)
    return c.result()


def floppy():
    c = Canvas(REPORT_PICTURE, REPORT_PICTURE, unit=REPORT_PICTURE / 25)
    c.poly([(3, 3), (19, 3), (22, 6), (22, 22), (3, 22)], BLUE, BLUE_DK, 0.9)
    c.box(8, 3, 17, 9.5, (206, 212, 220), BLUE_DK, 0.8)
    c.box(13.6, 4.3, 15.6, 8.2, BLUE_DK)
    c.box(6, 12.5, 19, 22, (255, 255, 255), BLUE_DK, 0.8)
    c.line([(7.6, 20), (10.5, 16.5), (12.4, 18.4), (17.4, 14)], GREEN, 1.3)
    return c.result()


def retrace(colour, bull_chart):
    # The leg and its pull-back: down on the bull chart, up on the bear chart.
    c = Canvas(24, 18)
    pts = [(2.5, 15.5), (9, 2.5), (17.5, 11.5)]
    pts = pts if bull_chart else [(x, 18 - y) for x, y in pts]
    (x0, y0), (x1, y1) = pts[1], pts[2]
    n = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / n, (y1 - y0) / n
    c.line(pts[:2], colour, 1.5)
    c.line([pts[1], (x1 - 2 * ux, y1 - 2 * uy)], colour, 2.2)
    c.poly([(x1 + 3 * ux, y1 + 3 * uy), (x1 - 3 * ux - 3.6 * uy, y1 - 3 * uy + 3.6 * ux),
            (x1 - 3 * ux + 3.6 * uy, y1 - 3 * uy - 3.6 * ux)], colour)
    return c.result()


def app_icon(size):
    c, k = Canvas(size, size), size / 256
    c.box(8 * k, 8 * k, 248 * k, 248 * k, (20, 32, 62), (52, 76, 130), 6 * k, radius=52 * k)
    pts = [(44 * k, 200 * k), (98 * k, 124 * k), (118 * k, 158 * k), (168 * k, 72 * k),
           (188 * k, 104 * k), (216 * k, 52 * k)]
    c.line(pts, (74, 214, 128), 18 * k)
    c.circle(*pts[-1], 16 * k, (255, 212, 72))
    return c.result()


ICON_SVG = """<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="11" y="11" width="234" height="234" rx="50" fill="#14203e" stroke="#344c82" stroke-width="6"/>
  <polyline points="44,200 98,124 118,158 168,72 188,104 216,52" fill="none" stroke="#4ad680"
            stroke-width="18" stroke-linecap="round" stroke-linejoin="round"/>
  <circle cx="216" cy="52" r="16" fill="#ffd448"/>
</svg>
"""


# --- preview ------------------------------------------------------------------

def preview(folder, chart, labels, bull, dark):
    """Sample prices in the label colours at twice the size, to check that each label marks its point."""
    img = chart.convert("RGB").resize((CHART_W * 2, CHART_H * 2), Image.Resampling.NEAREST)
    d, f = ImageDraw.Draw(img), ImageFont.truetype(str(FONT_DIR / "DejaVuSans.ttf"), 22)
    shades = ([(255, 224, 192), (255, 192, 128), (255, 128, 0), (255, 0, 0)] if bull
              else [(192, 255, 192), (176, 255, 176), (128, 255, 128), (0, 255, 0)])
    if not dark:
        shades[0] = (0, 0, 0)                       # the print chart turns these labels black
    first = (255, 255, 0) if dark else (0, 0, 0)
    start, end1, wave3_end = labels["prices"]
    texts = [(start, "27.50", first), (end1, "27.50", first), (wave3_end, "1234.56", (255, 255, 0))]
    texts += [(xy, "27.50", (0, 255, 0) if bull else (255, 0, 0)) for xy in labels["levels"]]
    texts += list(zip(labels["retracements"], ["27.50"] * 4, shades))
    for (x, y), text, colour in texts:
        d.text((x * 2, y * 2), text, font=f, fill=colour)
    img.save(Path(folder) / f"preview-{'bull' if bull else 'bear'}-{'dark' if dark else 'white'}.png")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", metavar="DIR", help="also write label overlays of the charts to DIR")
    args = parser.parse_args()

    charts = {}
    for bull, points, stem in ((True, BULL_WAVE, "wave5up"), (False, BEAR_WAVE, "wave5down")):
        for theme, suffix in ((DARK, ""), (WHITE, "white")):
            charts[bull, theme is DARK] = wave_chart(points, theme, bull)
            save_gif(charts[bull, theme is DARK], f"{stem}{suffix}.gif")
    save_opaque(splash(), "wavesplash.jpg", (0, 0, 0), quality=92, subsampling=0)
    save_opaque(no_chart(), "save.bmp", (255, 255, 255))

    gifs = {
        "bullgreen.gif": bull_head(GREEN, GREEN_DK, GREEN_LT),
        "bullmarket.gif": bull_head(GREY, GREY_DK, GREY_LT),
        "bearred.gif": bear_head(RED, RED_DK, RED_LT),
        "bearmarket.gif": bear_head(GREY, GREY_DK, GREY_LT),
        "arrowup.gif": arrow(GREEN, GREEN_DK, "up"),
        "arrowdn.gif": arrow(RED, RED_DK, "down"),
        "calc.gif": arrow(GREY, GREY_DK, "right"),
        "usewave1.gif": use_wave("1", GREEN, True),
        "usewave3.gif": use_wave("3", GREEN, True),
        "usewave1bear.gif": use_wave("1", RED, False),
        "usewave3bear.gif": use_wave("3", RED, False),
        "usewave1plain.gif": use_wave("1", GREY, True),
        "dispdec.gif": price_format(INK, False),
        "dispfrac.gif": price_format(INK, True),
        "dispdecplain.gif": price_format(GREY, False),
        "addsymbol.gif": list_with_badge(24, GREEN, True),
        "delsymbol.gif": list_with_badge(24, RED, False),
        "printchart.gif": printer(24, True),
        "selectall.gif": select_all(),
        "delete.gif": trash(),
        "print.gif": printer(REPORT_PICTURE, False),
        "printpreview.gif": print_preview(),
        "savechart.gif": floppy(),
    }
    for name, img in gifs.items():
        save_gif(img, name, MATTE)
    for name, colour, bull_chart in (("retupgreen.gif", (0, 230, 0), False),
                                     ("retupwhite.gif", (255, 255, 255), False),
                                     ("retdnred.gif", (240, 40, 40), True),
                                     ("retdnwhite.gif", (255, 255, 255), True)):
        save_gif(retrace(colour, bull_chart), name, DARK["top"])
    for name, fill, dark in (("HelpGreen.bmp", GREEN, GREEN_DK), ("HelpRed.bmp", RED, RED_DK),
                             ("help.bmp", GREY, GREY_DK)):
        save_bmp(help_mark(fill, dark), name)

    shrink(app_icon(256), 1).save(OUT / "ondara-256.png")
    shrink(app_icon(48), 1).save(OUT / "ondara.png")
    save_double(app_icon(48), "ondara.png")
    (OUT / "ondara.svg").write_text(ICON_SVG)

    if args.preview:
        Path(args.preview).mkdir(parents=True, exist_ok=True)
        for (bull, dark), chart in charts.items():
            preview(args.preview, shrink(chart, 1), BULL_LABELS if bull else BEAR_LABELS, bull, dark)


if __name__ == "__main__":
    main()
