#!/usr/bin/env python3
"""Draws the pen palette's pictures: the fourteen 16 x 16 toolbar glyphs side by side in one
24-bit BMP (magenta is see-through), again at 24 and 32 pixels for screens at 150 % and
200 % (each pixel repeated, so the glyphs stay crisp), and the 22 x 18 close glyph, a
white X on a blue square, as a PPM that the build turns into the JPEG stored in the program.

usage: make_pen_pictures.py OUTPUT_DIR
writes OUTPUT_DIR/pen_glyphs.bmp, pen_glyphs_24.bmp, pen_glyphs_32.bmp and close_glyph.ppm
"""
import os
import struct
import sys

SEE_THROUGH = (255, 0, 255)
RED, BLACK, WHITE = (220, 0, 0), (0, 0, 0), (255, 255, 255)
PURPLE, PAGE, BLUE = (128, 0, 128), (235, 225, 245), (0, 70, 200)
PINK, GREY, YELLOW = (240, 130, 150), (90, 90, 110), (255, 255, 0)


class Picture:
    def __init__(self, w, h, background):
        self.w, self.h = w, h
        self.px = [[background] * w for _ in range(h)]

    def dot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c, every=1, thick=1):
        """Bresenham; `every` > 1 leaves gaps (a dotted stroke)."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err, n = dx + dy, 0
        while True:
            if n % every == 0:
                for t in range(thick):
                    self.dot(x0 + t, y0, c)
            n += 1
            if (x0, y0) == (x1, y1):
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def box(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def ellipse(self, cx, cy, rx, ry, c):
        """Outline: the pixels whose centre lies within half a pixel of the curve."""
        for y in range(self.h):
            for x in range(self.w):
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if abs(d - 1) <= 1.0 / min(rx, ry):
                    self.dot(x, y, c)

    def pattern(self, x0, y0, rows, c):
        """'#' in colour `c`; the eraser's letters in their own colours."""
        colours = {"#": c, "o": GREY, "P": PINK, "W": WHITE}
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in colours:
                    self.dot(x0 + i, y0 + j, colours[ch])

    def paste(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                self.dot(x0 + x, y0 + y, other.px[y][x])


def glyph():
    return Picture(16, 16, SEE_THROUGH)


def pen_glyph():
    g = glyph()
    g.line(2, 13, 13, 2, BLACK, every=2, thick=2)
    return g


def line_glyph():
    g = glyph()
    g.line(2, 13, 13, 2, RED, thick=2)
    return g


def rectangle_glyph():
    g = glyph()
    g.box(2, 3, 13, 12, RED)
    g.box(3, 4, 12, 11, RED)
    return g


def ellipse_glyph():
    g = glyph()
    g.ellipse(7.5, 7.5, 6.5, 4.8, RED)
    return g


def round_rect_glyph():
    g = glyph()
    g.line(4, 3, 11, 3, RED)
    g.line(4, 12, 11, 12, RED)
    g.line(2, 5, 2, 10, RED)
    g.line(13, 5, 13, 10, RED)
    for x, y in ((3, 4), (12, 4), (3, 11), (12, 11)):
        g.dot(x, y, RED)
    return g


def refresh_glyph():
    g = glyph()
    g.line(3, 3, 12, 12, RED, thick=2)
    g.line(12, 3, 3, 12, RED, thick=2)
    return g


def arrow_glyph():
    g = glyph()
    g.line(2, 13, 13, 2, RED, thick=2)
    g.line(13, 2, 8, 2, RED)
    g.line(13, 2, 13, 7, RED)
    return g


def double_arrow_glyph():
    g = arrow_glyph()
    g.line(2, 13, 7, 13, RED)
    g.line(2, 13, 2, 8, RED)
    return g


def character_glyph():
    """字: a roof with a dot over 子."""
    g = glyph()
    g.pattern(0, 0, [
        "       ##       ",
        "        #       ",
        " ############## ",
        " #            # ",
        " #            # ",
        "    #######     ",
        "         ##     ",
        "        ##      ",
        "        #       ",
        "################",
        "        #       ",
        "        #       ",
        "        #       ",
        "        #       ",
        "     # ##       ",
        "      ##        ",
    ], BLACK)
    return g


def board_glyph():
    g = glyph()
    g.fill(2, 2, 13, 13, BLACK)
    return g


def eraser_glyph():
    """A tilted two-tone eraser block."""
    g = glyph()
    g.pattern(0, 0, [
        "                ",
        "                ",
        "          o     ",
        "         oPo    ",
        "        oPPPo   ",
        "       oPPPPPo  ",
        "      oWPPPPPPo ",
        "     oWWWPPPPo  ",
        "    oWWWWWPPo   ",
        "   oWWWWWWWo    ",
        "  oWWWWWWWo     ",
        "   oWWWWWo      ",
        "    oWWWo       ",
        "     oWo        ",
        "      o         ",
        "                ",
    ], None)
    return g


def book_glyph():
    g = glyph()
    g.fill(3, 1, 13, 14, PURPLE)
    g.fill(5, 3, 11, 5, PAGE)
    g.line(3, 14, 13, 14, PAGE)
    g.line(4, 1, 4, 13, (90, 0, 90))
    return g


def highlighter_glyph():
    """A yellow marker, its chisel tip down-left, over the yellow line it leaves."""
    g = glyph()
    g.pattern(0, 0, [
        "           ooo  ",
        "          o###o ",
        "         o####o ",
        "        o####o  ",
        "       o####o   ",
        "      o####o    ",
        "     o####o     ",
        "    oWWWWo      ",
        "   oWWWWo       ",
        "   o##Wo        ",
        "   o##o         ",
        "   ooo          ",
        "                ",
        " ############## ",
        " ############## ",
        "                ",
    ], YELLOW)
    return g


def number_mark_glyph():
    """A red disc with a white 1."""
    g = glyph()
    for y in range(16):
        for x in range(16):
            if (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 7.2 ** 2:
                g.dot(x, y, RED)
    g.pattern(0, 0, [
        "                ",
        "                ",
        "                ",
        "       ##       ",
        "      ###       ",
        "     # ##       ",
        "       ##       ",
        "       ##       ",
        "       ##       ",
        "       ##       ",
        "       ##       ",
        "     ######     ",
    ], WHITE)
    return g


GLYPHS = [pen_glyph, line_glyph, rectangle_glyph, ellipse_glyph, round_rect_glyph, refresh_glyph,
          arrow_glyph, double_arrow_glyph, character_glyph, board_glyph, eraser_glyph, book_glyph,
          highlighter_glyph, number_mark_glyph]


def close_glyph():
    c = Picture(22, 18, BLUE)
    c.box(0, 0, 21, 17, (0, 40, 140))
    c.line(6, 4, 15, 13, WHITE, thick=2)
    c.line(15, 4, 6, 13, WHITE, thick=2)
    return c


def enlarged(p, factor_num, factor_den):
    """The picture with each pixel repeated: nearest neighbour, no blending."""
    w, h = p.w * factor_num // factor_den, p.h * factor_num // factor_den
    big = Picture(w, h, SEE_THROUGH)
    big.px = [[p.px[y * factor_den // factor_num][x * factor_den // factor_num] for x in range(w)] for y in range(h)]
    return big


def bmp_bytes(p):
    stride = (p.w * 3 + 3) // 4 * 4
    rows = b"".join(bytes(v for r, g, b in row for v in (b, g, r)).ljust(stride, b"\0") for row in reversed(p.px))
    header = struct.pack("<IiiHHIIiiII", 40, p.w, p.h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 14 + len(header)) + header + rows


def ppm_bytes(p):
    return b"P6\n%d %d\n255\n" % (p.w, p.h) + bytes(v for row in p.px for px in row for v in px)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    strip = Picture(16 * len(GLYPHS), 16, SEE_THROUGH)
    for i, make in enumerate(GLYPHS):
        strip.paste(make(), 16 * i, 0)
    with open(os.path.join(out, "pen_glyphs.bmp"), "wb") as f:
        f.write(bmp_bytes(strip))
    for size in (24, 32):
        with open(os.path.join(out, "pen_glyphs_%d.bmp" % size), "wb") as f:
            f.write(bmp_bytes(enlarged(strip, size, 16)))
    with open(os.path.join(out, "close_glyph.ppm"), "wb") as f:
        f.write(ppm_bytes(close_glyph()))


if __name__ == "__main__":
    main()
