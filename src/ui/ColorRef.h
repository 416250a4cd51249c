// Turns a stored colour value into the RGB value GDI draws with.
#pragma once
#include <windows.h>

#include "ui/Colors.h"

namespace ui {

constexpr bool IsSystemColor(Color color) { return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColorIndex(Color color) { return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF); }

inline COLORREF ColorToRGB(Color color) {
    if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(static_cast<std::uint32_t>(color) & 0x00FFFFFFu);
}

// A GDI colour as a pixel of a 32-bit surface holds it (0x00RRGGBB), and back.
constexpr std::uint32_t PixelOf(COLORREF rgb) {
    return (static_cast<std::uint32_t>(GetRValue(rgb)) << 16) | (static_cast<std::uint32_t>(GetGValue(rgb)) << 8) |
           GetBValue(rgb);
}
constexpr COLORREF RGBOfPixel(std::uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace ui
