// Live ink's pixels. GDI draws the ink on an ordinary surface whose empty pixels hold
// kNoInk, a colour the palette's swatches never offer; a layered window shows it once the
// changed part is turned into premultiplied alpha: ink opaque, the rest the backdrop
// (nothing at all, or an alpha of 1 that no eye sees but the mouse still hits).
#pragma once
#include <cstdint>

#include "pen/FigureGeometry.h"
#include "pen/PixelTiles.h"

namespace pen {

inline constexpr std::uint32_t kNoInk = 0x00010203;  // 0x00RRGGBB; its alpha byte is never looked at
inline constexpr std::uint32_t kOpaque = 0xFF000000;

constexpr bool IsInk(std::uint32_t pixel) { return (pixel & 0x00FFFFFF) != kNoInk; }

// Every pixel of `plane` empty of ink.
void ClearInk(const PixelPlane& plane);
// Within `area` of `plane`: from GDI's form into the layered window's, ink opaque and the
// empty pixels `backdrop` (premultiplied, its alpha below 0xFF); and back again.
void InkToShown(const PixelPlane& plane, Rect area, std::uint32_t backdrop);
void ShownToInk(const PixelPlane& plane, Rect area);
// The ink of `ink` put over `picture` where both reach, the picture kept where there is none.
void LayInk(const PixelPlane& picture, const PixelPlane& ink);

}  // namespace pen
