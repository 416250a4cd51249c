// Pictures like those the pen copies from a classroom screen, for the history's tests and
// its benchmark: 32-bit pixels as a screen copy holds them (B, G, R and a zero byte).
#pragma once
#include <cstdint>
#include <vector>

namespace testpictures {

// A desktop: a shaded wallpaper, a taskbar, and windows of black text on white with
// blue title bars, placed after `variant`, with a few thick red pen strokes over them.
std::vector<std::uint32_t> Desktop(int width, int height, unsigned variant);

// Pixels with no pattern at all, after `variant`: what deflate cannot shrink.
std::vector<std::uint32_t> Noise(int width, int height, unsigned variant);

}  // namespace testpictures
