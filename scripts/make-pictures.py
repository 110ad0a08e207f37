#!/usr/bin/python3
"""Draws Tubewise's five pictures (and the desktop icon) into shell/assets/.

The pictures sit behind bold Persian text, so everything here is pale and low in contrast:
soft gradients, a faint graph-paper grid, a little water and a few bubbles. Output is
deterministic (fixed seeds, fixed JPEG settings), so running the script again reproduces the
committed files byte for byte with the same Pillow.

Usage: scripts/make-pictures.py [output-directory]   (default: shell/assets next to this script)
"""

import math
import random
import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter

# Pictures drawn with curves are made this many times larger and then reduced, which gives
# smooth edges without any anti-aliasing support in ImageDraw.
SUPERSAMPLE = 4
JPEG_QUALITY = 92

IVORY = (247, 244, 236)
PALE_AQUA = (221, 237, 241)
PALE_MINT = (234, 244, 240)
GRID_BLUE = (84, 128, 160)
WATER = (150, 196, 206)
SLATE = (60, 88, 116)


# ---------------------------------------------------------------- helpers


def field(size, f):
    """A greyscale mask whose value at (x, y) is f(u, v) in 0..1, u and v running 0..1."""
    w, h = size
    data = []
    for y in range(h):
        v = y / max(h - 1, 1)
        for x in range(w):
            c = f(x / max(w - 1, 1), v)
            data.append(max(0, min(255, int(round(c * 255)))))
    mask = Image.new("L", size)
    mask.putdata(data)
    return mask


def blend(size, c0, c1, mask):
    """c0 where the mask is 0, c1 where it is 255."""
    return Image.composite(Image.new("RGB", size, c1), Image.new("RGB", size, c0), mask)


def smoothstep(t):
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


def rgba(rgb, alpha):
    return (*rgb, alpha)


class Layer:
    """A transparent RGBA layer drawn at SUPERSAMPLE times the size, in picture coordinates."""

    def __init__(self, size, scale=SUPERSAMPLE):
        self.size = size
        self.s = scale
        self.image = Image.new("RGBA", (size[0] * scale, size[1] * scale), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    def _pts(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def _box(self, box):
        return [c * self.s for c in box]

    def polygon(self, pts, fill):
        self.draw.polygon(self._pts(pts), fill=fill)

    def line(self, pts, fill, width):
        width = max(1, round(width * self.s))
        self.draw.line(self._pts(pts), fill=fill, width=width, joint="curve")

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        self.draw.ellipse(
            self._box(box), fill=fill, outline=outline, width=max(1, round(width * self.s))
        )

    def rounded(self, box, radius, fill=None, outline=None, width=1.0):
        self.draw.rounded_rectangle(
            self._box(box),
            radius=radius * self.s,
            fill=fill,
            outline=outline,
            width=max(1, round(width * self.s)),
        )

    def arc(self, box, start, end, fill, width):
        self.draw.arc(self._box(box), start, end, fill=fill, width=max(1, round(width * self.s)))

    def reduced(self, blur=0.0):
        img = self.image
        if blur:
            img = img.filter(ImageFilter.GaussianBlur(blur * self.s))
        return img.resize(self.size, Image.LANCZOS)

    def onto(self, base, blur=0.0):
        return Image.alpha_composite(base.convert("RGBA"), self.reduced(blur))


def graph_paper(size, minor, major, minor_alpha, major_alpha, offset=(0, 0)):
    """Hairlines one pixel wide, drawn at natural size so that they stay crisp."""
    w, h = size
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    for x in range(offset[0] % minor, w, minor):
        a = major_alpha if (x - offset[0]) % major == 0 else minor_alpha
        d.line([(x, 0), (x, h - 1)], fill=rgba(GRID_BLUE, a))
    for y in range(offset[1] % minor, h, minor):
        a = major_alpha if (y - offset[1]) % major == 0 else minor_alpha
        d.line([(0, y), (w - 1, y)], fill=rgba(GRID_BLUE, a))
    return layer


def wave_points(width, base, amplitude, period, phase, bottom):
    pts = [(0, bottom)]
    for i in range(0, width * 2 + 1):
        x = i / 2
        pts.append((x, base + amplitude * math.sin(2 * math.pi * x / period + phase)))
    pts.append((width, bottom))
    return pts


def bubble(layer, cx, cy, r, alpha):
    """A soap-film bubble: faint fill, thin rim and a small highlight at the upper left."""
    layer.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(255, 255, 255, alpha // 4),
                  outline=rgba(SLATE, alpha // 2), width=max(0.6, r / 12))
    hr = r * 0.55
    layer.arc((cx - hr, cy - hr, cx + hr, cy + hr), 200, 260, fill=(255, 255, 255, alpha * 2),
              width=max(0.8, r / 8))


def tube_outline(x, top, width, height, steps=24):
    """Left wall down, round bottom, right wall up: the open outline of a test tube."""
    r = width / 2
    cy = top + height - r
    pts = [(x, top), (x, cy)]
    for i in range(1, steps):
        a = math.pi * i / steps
        pts.append((x + r - r * math.cos(a), cy + r * math.sin(a)))
    pts += [(x + width, cy), (x + width, top)]
    return pts


def test_tube(layer, x, top, width, height, outline, glass, liquid=None, level=0.5):
    """An upright test tube with a rolled lip at the mouth, optionally part filled."""
    pts = tube_outline(x, top, width, height)
    layer.polygon(pts, glass)
    if liquid:
        liquid_top = top + height * (1 - level)
        inside = [(px, max(py, liquid_top)) for px, py in pts]
        layer.polygon(inside, liquid)
        layer.line([(x, liquid_top), (x + width, liquid_top)], fill=outline, width=width / 16)
    layer.line(pts, fill=outline, width=width / 10)
    lip = width * 0.12
    layer.rounded((x - lip, top - lip, x + width + lip, top + lip * 0.6), lip * 0.8, fill=outline)


def save_jpeg(img, path):
    img.convert("RGB").save(path, "JPEG", quality=JPEG_QUALITY, optimize=False,
                            progressive=False, subsampling=0)


def save_ico_24bit(img, path):
    """A classic single-image icon: 24-bit BGR rows bottom-up, then the 1-bit AND mask.

    Written by hand because Pillow stores icons as embedded PNG with an alpha channel, and the
    window icon is meant to be plain 24-bit colour. Qt reads 24-bit icons as opaque and ignores
    their mask, so the picture must fill every pixel itself; the mask is left all clear."""
    img = img.convert("RGBA")
    if img.getchannel("A").getextrema() != (255, 255):
        raise ValueError("a 24-bit icon must be opaque: Qt would show its hidden pixels")
    w, h = img.size
    rgb_row = (w * 3 + 3) // 4 * 4
    mask_row = ((w + 31) // 32) * 4
    pixels = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, _ = pixels[x, y]
            row += bytes((b, g, r))
        xor += row + bytes(rgb_row - len(row))
    mask = bytes(mask_row * h)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 24, len(image), 6 + 16)
    Path(path).write_bytes(icondir + entry + image)


# ---------------------------------------------------------------- the pictures


def large_backdrop(size=(698, 519)):
    """Welcome, contact and about windows: ivory paper turning to pale water, faint tubes in a
    bath at the lower left, bubbles rising at the right. The contact card's e-mail and web lines
    run over the tubes, so these stay the faintest of the motifs.

    The about dialog shows only x 24..470, y 40..295 at natural size, all of it under text, so
    the motifs keep out of that window: nothing there but paper."""
    w, h = size
    glow = field(size, lambda u, v: smoothstep(0.15 + 0.55 * (u * 0.55 + v * 0.45) ** 1.1))
    img = blend(size, IVORY, PALE_AQUA, glow)
    img = Image.alpha_composite(img.convert("RGBA"),
                                graph_paper(size, 12, 60, 10, 22, offset=(5, 7)))

    water = Layer(size)
    water.polygon(wave_points(w, h * 0.80, 5, 260, 0.6, h), rgba(WATER, 34))
    water.polygon(wave_points(w, h * 0.86, 4, 190, 2.1, h), rgba(WATER, 30))
    water.line(wave_points(w, h * 0.80, 5, 260, 0.6, h)[1:-1], rgba((255, 255, 255), 90), 1.2)
    img = water.onto(img)

    tubes = Layer(size)
    # A rack with a wire shelf, standing in the bath.
    tubes.line([(40, 470), (40, 360), (200, 360), (200, 470)], rgba(SLATE, 20), 2)
    for i, (x, level) in enumerate([(60, 0.42), (100, 0.58), (140, 0.34)]):
        test_tube(tubes, x, 304 + 8 * (i % 2), 24, 160, rgba(SLATE, 34), (255, 255, 255, 34),
                  liquid=rgba((186, 200, 140), 38), level=level)
    tubes.line([(36, 360), (204, 360)], rgba(SLATE, 26), 3)
    img = tubes.onto(img)

    # Bubbles rise from the water along a lazy S, growing as they rise.
    rng = random.Random(20)
    bubbles = Layer(size)
    count = 11
    for i in range(count):
        t = (i + rng.uniform(0.1, 0.7)) / count
        cx = 575 + 45 * math.sin(t * 6.0) + rng.uniform(-12, 12)
        cy = h * 0.79 - t * h * 0.66
        bubble(bubbles, cx, cy, 2.5 + 10 * t, 64)
    img = bubbles.onto(img)
    return img.convert("RGB")


def small_texture(size=(336, 211)):
    """Grid, results, chart strip and count dialog: mint graph paper with a low tide line. It
    is stretched to very different shapes, so it holds no round motif that would distort."""
    w, h = size
    img = blend(size, PALE_MINT, PALE_AQUA,
                field(size, lambda u, v: smoothstep(v * 0.9 + u * 0.2)))
    grid = graph_paper(size, 8, 40, 12, 24, offset=(4, 4))
    img = Image.alpha_composite(img.convert("RGBA"), grid)
    water = Layer(size)
    water.polygon(wave_points(w, h * 0.84, 2.5, 150, 1.0, h), rgba(WATER, 30))
    water.line(wave_points(w, h * 0.84, 2.5, 150, 1.0, h)[1:-1], rgba((255, 255, 255), 80), 0.8)
    return water.onto(img).convert("RGB")


def button_texture(size=(100, 64)):
    """A pale pearl button face. Buttons draw it centred at natural size and are mostly smaller,
    so only its middle shows and the gradient alone carries the look. A button wider than the
    picture shows its left and right edges inside the face, so those carry no bevel line; the
    top and bottom ones appear only on a button taller than the picture."""
    w, h = size

    def darkening(_, v):
        # Light at the top, and a little darker again below the middle, like a lit cylinder.
        return 0.8 * smoothstep(v) + 0.2 * smoothstep((v - 0.5) * 4)

    img = blend(size, (252, 252, 248), (214, 226, 232), field(size, darkening))
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (w - 1, 0)], fill=(255, 255, 255))
    d.line([(0, 1), (w - 1, 1)], fill=(250, 252, 252))
    d.line([(0, h - 2), (w - 1, h - 2)], fill=(186, 200, 208))
    d.line([(0, h - 1), (w - 1, h - 1)], fill=(150, 168, 180))
    return img


def portrait(size=(478, 611)):
    """A neutral head-and-shoulders silhouette on a plain studio background."""
    w, h = size
    img = blend(size, (232, 236, 240), (204, 212, 220),
                field(size, lambda u, v: smoothstep(0.1 + 1.26 * math.hypot(u - 0.5, v - 0.38))))
    figure = Layer(size)
    body = (118, 128, 142, 255)
    cx = w / 2
    # Shoulders: the upper half of a squarish superellipse reaching below the lower edge.
    top, half_w, depth, n = 450, 226, 200, 3.2
    shoulders = []
    for i in range(61):
        a = math.pi * i / 60
        c, sn = math.cos(a), math.sin(a)
        shoulders.append((cx + half_w * math.copysign(abs(c) ** (2 / n), c),
                          top + depth - depth * abs(sn) ** (2 / n)))
    figure.polygon([(cx + half_w, h + 4)] + shoulders + [(cx - half_w, h + 4)], body)
    # Neck, flaring into the shoulders along a quadratic curve on each side.
    neck = []
    for side in (-1, 1):
        p0, p1, p2 = (cx + side * 38, 330), (cx + side * 40, top - 4), (cx + side * 76, top + 6)
        curve = [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                  (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
                 for t in (i / 16 for i in range(17))]
        neck += curve if side < 0 else curve[::-1]
    figure.polygon(neck, body)
    figure.ellipse((cx - 86, 126, cx + 86, 356), fill=body)  # head
    img = figure.onto(img)
    rim = Layer(size)
    rim.arc((cx - 86, 126, cx + 86, 356), 200, 290, fill=(255, 255, 255, 46), width=5)
    return rim.onto(img, blur=2).convert("RGB")


def icon(size=96, corner=18):
    """A fermentation tube on a pale blue tile with a droplet falling into it. With corner 0
    the tile fills the whole square, as the opaque window icon needs."""
    s = (size, size)
    inset = 1 if corner else 0
    box = (inset, inset, size - inset, size - inset)
    tile = Layer(s)
    tile.rounded(box, corner, fill=(255, 255, 255, 255))
    mask = tile.reduced().getchannel("A")
    grad = blend(s, (226, 240, 247), (164, 204, 226),
                 field(s, lambda u, v: smoothstep(v * 0.9 + u * 0.15)))
    img = Image.new("RGBA", s, (0, 0, 0, 0))
    img.paste(grad, (0, 0), mask)

    art = Layer(s)
    art.rounded(box, corner, outline=(88, 130, 160, 255), width=1.5)
    test_tube(art, 35, 36, 26, 52, (46, 76, 108, 255), (255, 255, 255, 200),
              liquid=(214, 190, 92, 255), level=0.55)
    # The small inverted tube inside, with the gas bubble that marks a positive tube.
    art.rounded((44, 62, 52, 84), 3, fill=(255, 255, 255, 110), outline=(46, 76, 108, 200), width=1)
    art.ellipse((45.2, 63, 50.8, 69), fill=(255, 255, 255, 230))
    for bx, by, br in [(41, 76, 1.4), (55, 72, 1.2), (56, 80, 1.6)]:
        art.ellipse((bx - br, by - br, bx + br, by + br), fill=(255, 250, 230, 230))
    # Droplet: a circle with a pointed top.
    dx, dy, dr = 48, 21, 6.5
    art.polygon([(dx, dy - 15), (dx - dr * 0.93, dy - 2.4), (dx + dr * 0.93, dy - 2.4)],
                (58, 138, 200, 255))
    art.ellipse((dx - dr, dy - dr, dx + dr, dy + dr), fill=(58, 138, 200, 255))
    art.arc((dx - dr * 0.6, dy - dr * 0.6, dx + dr * 0.6, dy + dr * 0.6), 150, 230,
            fill=(220, 240, 255, 255), width=1.3)
    return Image.alpha_composite(img, art.reduced())


def main():
    default = Path(__file__).resolve().parent.parent / "shell" / "assets"
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    out.mkdir(parents=True, exist_ok=True)
    save_ico_24bit(icon(corner=0), out / "icon.ico")
    icon().save(out / "tubewise.png", "PNG", optimize=False)
    save_jpeg(button_texture(), out / "button.jpg")
    save_jpeg(large_backdrop(), out / "backdrop.jpg")
    save_jpeg(small_texture(), out / "small.jpg")
    save_jpeg(portrait(), out / "portrait.jpg")


if __name__ == "__main__":
    main()
