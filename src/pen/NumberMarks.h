// The pen's numbered marks: where the presenter clicks, a filled circle in the pen colour
// with the next number (1, 2, 3, ...) in black or white, whichever stands out from the
// colour; the circle grows with the pen width.
#pragma once
#include <cstdint>

#include "pen/FigureGeometry.h"

namespace pen {

constexpr int MarkRadius(int penWidth) { return 3 * penWidth + 6; }

// Every pixel a mark round `centre` can touch.
constexpr Rect MarkBounds(Point centre, int penWidth) {
    const int r = MarkRadius(penWidth) + 1;
    return {centre.x - r, centre.y - r, centre.x + r + 1, centre.y + r + 1};
}

// Whether black digits stand out from a circle of 0xRRGGBB `rgb` (a light colour), by
// the colour's luma.
constexpr bool DarkDigitsOn(std::uint32_t rgb) {
    const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return 299 * r + 587 * g + 114 * b > 128 * 1000;
}

}  // namespace pen
