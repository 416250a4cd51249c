#include "ScreenPictures.h"

#include <algorithm>
#include <array>
#include <random>

namespace testpictures {
namespace {

constexpr int kGlyphWidth = 7, kGlyphHeight = 11, kGlyphs = 60, kLineHeight = 16;

// A font's worth of anti-aliased glyphs, the same on every screen as a real font is.
using Glyph = std::array<std::uint32_t, kGlyphWidth * kGlyphHeight>;
std::vector<Glyph> MakeFont() {
    std::mt19937 random(7);
    std::vector<Glyph> glyphs(kGlyphs);
    for (Glyph& glyph : glyphs)
        for (std::uint32_t& ink : glyph) ink = std::array<std::uint32_t, 5>{0, 0, 0, 0x808080, 0xFFFFFF}[random() % 5];
    return glyphs;
}

struct Canvas {
    std::vector<std::uint32_t>& pixels;
    int width, height;
    void Fill(int left, int top, int right, int bottom, std::uint32_t colour) {
        left = std::max(left, 0), right = std::min(right, width);
        if (left >= right) return;
        for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
            std::fill_n(pixels.data() + y * width + left, right - left, colour);
    }
};

void Window(Canvas& canvas, const std::vector<Glyph>& font, std::mt19937& random) {
    const int left = random() % (canvas.width * 3 / 4), top = random() % (canvas.height * 2 / 3);
    const int right = left + canvas.width / 4 + random() % (canvas.width / 3);
    const int bottom = top + canvas.height / 5 + random() % (canvas.height / 3);
    canvas.Fill(left, top, right, top + 30, 0x1F4E9A);
    canvas.Fill(left, top + 30, right, bottom, 0xFFFFFF);
    for (int line = top + 40; line + kGlyphHeight < bottom; line += kLineHeight)
        for (int x = left + 8; x + kGlyphWidth < right - 8;) {
            const int letters = 2 + random() % 8;
            for (int i = 0; i < letters && x + kGlyphWidth < right - 8; ++i, x += kGlyphWidth + 1) {
                const Glyph& glyph = font[random() % kGlyphs];
                for (int gy = 0; gy < kGlyphHeight && line + gy < canvas.height; ++gy)
                    std::copy_n(glyph.data() + gy * kGlyphWidth, std::min(kGlyphWidth, canvas.width - x),
                                canvas.pixels.data() + (line + gy) * canvas.width + x);
            }
            x += kGlyphWidth;
        }
}

void Stroke(Canvas& canvas, std::mt19937& random) {
    int x = random() % canvas.width, y = random() % canvas.height;
    for (int i = 0; i < 400; ++i) {
        x = std::clamp(x + static_cast<int>(random() % 7) - 3, 0, canvas.width - 1);
        y = std::clamp(y + static_cast<int>(random() % 5) - 2, 0, canvas.height - 1);
        canvas.Fill(x - 2, y - 2, x + 3, y + 3, 0xFF0000);
    }
}

}  // namespace

std::vector<std::uint32_t> Desktop(int width, int height, unsigned variant) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    Canvas canvas{pixels, width, height};
    // The wallpaper's shade differs from one variant to the next, so no two desktops share a tile.
    for (int y = 0; y < height; ++y)
        canvas.Fill(0, y, width, y + 1, 0x104070 + (variant % 8 + y * 0x30 / height) * 0x010101);
    canvas.Fill(0, height - 40, width, height, 0x202428);
    std::mt19937 random(variant);
    for (int icon = 0; icon < 8; ++icon)
        canvas.Fill(60 + icon * 48, height - 32, 84 + icon * 48, height - 8, random() & 0xFFFFFF);
    const std::vector<Glyph> font = MakeFont();
    for (int i = 0; i < 4; ++i) Window(canvas, font, random);
    for (int i = 0; i < 3; ++i) Stroke(canvas, random);
    return pixels;
}

std::vector<std::uint32_t> Noise(int width, int height, unsigned variant) {
    std::mt19937 random(variant);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : pixels) pixel = random();
    return pixels;
}

}  // namespace testpictures
