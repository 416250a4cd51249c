#!/usr/bin/env python3
"""Draws the program's pictures: the default follower pictures (PNG), the three pen
cursors (CUR) and the application icon (ICO). Plain Python, no imaging library, so the
build needs nothing beyond python3.

usage: make_pictures.py OUTPUT_DIR
writes OUTPUT_DIR/pic/{arrow,hand,star,ring}.png, OUTPUT_DIR/pic/gang/{gb,ga,beam_l}.cur
and OUTPUT_DIR/vellora.ico
"""
import math
import os
import struct
import sys
import zlib


class Canvas:
    """RGBA pixels with 4x4 supersampled shape filling for soft edges."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(0, 0, 0, 0)] * w for _ in range(h)]

    def blend(self, x, y, rgb, a):
        if not (0 <= x < self.w and 0 <= y < self.h) or a <= 0:
            return
        r0, g0, b0, a0 = self.px[y][x]
        a = min(a, 1.0)
        out_a = a + a0 / 255 * (1 - a)
        if out_a <= 0:
            return
        mix = [(c * a + c0 * (a0 / 255) * (1 - a)) / out_a for c, c0 in zip(rgb, (r0, g0, b0))]
        self.px[y][x] = (round(mix[0]), round(mix[1]), round(mix[2]), round(out_a * 255))

    def fill(self, inside, rgb, alpha=1.0, box=None, crisp=False):
        """Soft edges, or with `crisp` none: a pixel is filled whole if the shape covers at
        least half of it, else left alone."""
        x0, y0, x1, y1 = box or (0, 0, self.w, self.h)
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                hits = sum(inside(x + (i + 0.5) / 4, y + (j + 0.5) / 4) for i in range(4) for j in range(4))
                if crisp:
                    hits = 16 if hits >= 8 else 0
                if hits:
                    self.blend(x, y, rgb, alpha * hits / 16)

    def polygon(self, pts, rgb, alpha=1.0, crisp=False):
        def inside(px, py):
            c = False
            for (xa, ya), (xb, yb) in zip(pts, pts[1:] + pts[:1]):
                if (ya > py) != (yb > py) and px < (xb - xa) * (py - ya) / (yb - ya) + xa:
                    c = not c
            return c
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self.fill(inside, rgb, alpha, (int(min(xs)) - 1, int(min(ys)) - 1, int(max(xs)) + 2, int(max(ys)) + 2), crisp)

    def disc(self, cx, cy, r, rgb, alpha=1.0):
        self.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, rgb, alpha,
                  (int(cx - r) - 1, int(cy - r) - 1, int(cx + r) + 2, int(cy + r) + 2))

    def ring(self, cx, cy, r_in, r_out, rgb, alpha=1.0):
        self.fill(lambda x, y: r_in ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out ** 2, rgb, alpha,
                  (int(cx - r_out) - 1, int(cy - r_out) - 1, int(cx + r_out) + 2, int(cy + r_out) + 2))

    def rect(self, x0, y0, x1, y1, rgb, alpha=1.0):
        self.polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], rgb, alpha)

    def outlined(self, pts, fill_rgb, line_rgb, width):
        """A polygon with an outline: the polygon grown by `width`, then the polygon."""
        cx = sum(p[0] for p in pts) / len(pts)
        cy = sum(p[1] for p in pts) / len(pts)
        grown = []
        for x, y in pts:
            d = math.hypot(x - cx, y - cy) or 1
            grown.append((x + (x - cx) / d * width, y + (y - cy) / d * width))
        self.polygon(grown, line_rgb)
        self.polygon(pts, fill_rgb)


def png_bytes(c):
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in c.px)
    chunk = lambda t, d: struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", c.w, c.h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib_bytes(c):
    """32-bit BGRA DIB with its AND mask, as icon and cursor files hold them."""
    header = struct.pack("<IiiHHIIiiII", 40, c.w, c.h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(c.px) for (r, g, b, a) in row)
    stride = ((c.w + 31) // 32) * 4
    mask = b""
    for row in reversed(c.px):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask


def icon_file(images, kind, hotspot=(0, 0)):
    """An icon (kind 1) or cursor (kind 2) file holding each canvas; from 256 pixels up as
    PNG, which keeps the file small and which Windows reads there since Vista."""
    data = [png_bytes(c) if c.w >= 256 else dib_bytes(c) for c in images]
    planes_or_x, bits_or_y = (1, 32) if kind == 1 else hotspot
    offset = 6 + 16 * len(images)
    entries = b""
    for c, d in zip(images, data):
        entries += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, planes_or_x, bits_or_y, len(d), offset)
        offset += len(d)
    return struct.pack("<HHH", 0, kind, len(images)) + entries + b"".join(data)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


BLACK, WHITE = (0, 0, 0), (255, 255, 255)


def arrow_picture():
    """A large white pointer arrow with a black edge, its tip near the middle."""
    c = Canvas(128, 128)
    s = 1.5
    tip = (62, 62)
    shape = [(0, 0), (0, 34), (8, 26), (14, 40), (20, 37), (14, 24), (25, 24)]
    pts = [(tip[0] + x * s, tip[1] + y * s) for x, y in shape]
    c.outlined(pts, WHITE, BLACK, 3)
    return c


def hand_picture():
    """A red dot with a soft glow, centred where the pointer is."""
    c = Canvas(128, 128)
    c.disc(64, 64, 40, (255, 220, 0), 0.35)
    c.disc(64, 64, 26, (255, 120, 0), 0.6)
    c.disc(64, 64, 14, (230, 0, 0))
    return c


def star_picture():
    """A yellow five-pointed star around the middle."""
    c = Canvas(128, 128)
    pts = []
    for i in range(10):
        r = 50 if i % 2 == 0 else 21
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((64 + r * math.cos(a), 64 + r * math.sin(a)))
    c.outlined(pts, (255, 215, 0), (150, 90, 0), 2.5)
    return c


def ring_picture():
    """A blue ring, see-through in the middle so the pointer stays visible."""
    c = Canvas(128, 128)
    c.ring(64, 64, 30, 44, (0, 90, 255), 0.85)
    return c


def pen_cursor():
    """A slanted pencil whose tip is the hot spot at the bottom left."""
    c = Canvas(32, 32)
    body = [(3, 28), (6, 20), (24, 2), (30, 8), (12, 26)]
    c.outlined(body, (255, 200, 40), BLACK, 1)
    c.polygon([(1, 31), (3, 24), (8, 29)], BLACK)
    return c, (1, 30)


def eraser_cursor():
    """A square eraser outline; the hot spot is its centre."""
    c = Canvas(32, 32)
    c.rect(6, 6, 26, 26, BLACK)
    c.rect(8, 8, 24, 24, WHITE)
    c.rect(15, 15, 17, 17, BLACK)
    return c, (16, 16)


def beam_cursor():
    """A text I-beam with its hot spot in the middle."""
    c = Canvas(32, 32)
    c.rect(15, 6, 17, 26, BLACK)
    c.rect(11, 5, 21, 7, BLACK)
    c.rect(11, 25, 21, 27, BLACK)
    return c, (16, 16)


# The sizes Windows picks the application icon from: the tray and title bars at 100 % to
# 200 % (16 to 32), Explorer's views (32 to 64) and its large and extra large icons (256).
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def app_icon(size):
    """A white pointer arrow on a blue disc, drawn on a 32-unit grid scaled to `size`. Below
    32 pixels the arrow has hard edges, as soft ones there smear it into a grey blot; from
    32 up its corners land on whole pixels, so its upright and level edges stay sharp."""
    s = size / 32
    c = Canvas(size, size)
    c.disc(size / 2, size / 2, 15 * s, (0, 110, 220))
    arrow = [(10, 7), (10, 24), (14, 20), (17, 27), (20, 26), (17, 19), (23, 19)]
    if size < 32:
        c.polygon([(x * s, y * s) for x, y in arrow], WHITE, crisp=True)
    else:
        c.polygon([(round(x * s), round(y * s)) for x, y in arrow], WHITE)
    return c


def main():
    out = sys.argv[1]
    for name, make in (("arrow", arrow_picture), ("hand", hand_picture), ("star", star_picture),
                       ("ring", ring_picture)):
        write(os.path.join(out, "pic", name + ".png"), png_bytes(make()))
    for name, make in (("gb", pen_cursor), ("ga", eraser_cursor), ("beam_l", beam_cursor)):
        canvas, hotspot = make()
        write(os.path.join(out, "pic", "gang", name + ".cur"), icon_file([canvas], 2, hotspot))
    write(os.path.join(out, "vellora.ico"), icon_file([app_icon(size) for size in ICON_SIZES], 1))


if __name__ == "__main__":
    main()
