#include "pen/InkPixels.h"

#include <algorithm>

namespace pen {

namespace {

// `area` within the plane, or empty.
Rect Within(const PixelPlane& plane, Rect area) {
    return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, plane.width),
            std::min(area.bottom, plane.height)};
}

template <typename Change>
void EachPixel(const PixelPlane& plane, Rect area, Change change) {
    const Rect inside = Within(plane, area);
    if (inside.Empty()) return;
    for (int y = inside.top; y < inside.bottom; ++y) {
        std::uint32_t* row = plane.bits + static_cast<std::size_t>(y) * plane.width;
        for (int x = inside.left; x < inside.right; ++x) row[x] = change(row[x]);
    }
}

}  // namespace

void ClearInk(const PixelPlane& plane) {
    std::fill_n(plane.bits, static_cast<std::size_t>(plane.width) * plane.height, kNoInk);
}

void InkToShown(const PixelPlane& plane, Rect area, std::uint32_t backdrop) {
    EachPixel(plane, area, [backdrop](std::uint32_t p) { return IsInk(p) ? p | kOpaque : backdrop; });
}

void ShownToInk(const PixelPlane& plane, Rect area) {
    // Only ink is opaque in the shown form; GDI never reads the alpha byte of what it keeps.
    EachPixel(plane, area, [](std::uint32_t p) { return (p & kOpaque) == kOpaque ? p : kNoInk; });
}

void Highlight(const PixelPlane& ink, const PixelPlane& showing, Rect area, std::uint32_t colour) {
    const Rect inside = Within(showing, Within(ink, area));
    for (int y = inside.top; y < inside.bottom; ++y) {
        std::uint32_t* row = ink.bits + static_cast<std::size_t>(y) * ink.width;
        const std::uint32_t* under = showing.bits + static_cast<std::size_t>(y) * showing.width;
        for (int x = inside.left; x < inside.right; ++x) {
            if ((row[x] & 0x00FFFFFF) != kHighlighting) continue;
            const std::uint32_t combined = under[x] & colour & 0x00FFFFFF;
            // The two reserved colours would read as no ink, or as marked again: the nearest
            // black looks the same.
            row[x] = combined == kNoInk || combined == kHighlighting ? 0 : combined;
        }
    }
}

void LayInk(const PixelPlane& picture, const PixelPlane& ink) {
    const int width = std::min(picture.width, ink.width), height = std::min(picture.height, ink.height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* from = ink.bits + static_cast<std::size_t>(y) * ink.width;
        std::uint32_t* to = picture.bits + static_cast<std::size_t>(y) * picture.width;
        for (int x = 0; x < width; ++x)
            if (IsInk(from[x])) to[x] = from[x] | kOpaque;
    }
}

}  // namespace pen
