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

// Over the running screen the highlighter draws in this colour, which the palette never
// offers either, and Highlight then gives each pixel so marked its highlighted colour.
inline constexpr std::uint32_t kHighlighting = 0x00030201;

// Every pixel of `plane` empty of ink.
void ClearInk(const PixelPlane& plane);
// Within `area` of `plane`: from GDI's form into the layered window's, ink opaque and the
// empty pixels `backdrop` (premultiplied, its alpha below 0xFF); and back again.
void InkToShown(const PixelPlane& plane, Rect area, std::uint32_t backdrop);
void ShownToInk(const PixelPlane& plane, Rect area);
// Within `area` of `ink`, each pixel marked kHighlighting becomes the pixel `showing` shows
// there combined with `colour` (0x00RRGGBB) as a highlighter combines: their AND, so that
// dark stays dark and a stroke over itself does not darken. It stays ink, never kNoInk.
void Highlight(const PixelPlane& ink, const PixelPlane& showing, Rect area, std::uint32_t colour);
// The ink of `ink` put over `picture` where both reach, the picture kept where there is none.
void LayInk(const PixelPlane& picture, const PixelPlane& ink);

}  // namespace pen
