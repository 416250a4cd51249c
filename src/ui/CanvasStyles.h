// The drawing attributes of a Canvas and the rules that tie them together, kept free of
// Win32 so they read (and test) on their own. The enumerators are in the order of the
// pen's style lists: an entry's index is its style.
#pragma once

namespace ui {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot };
// Mask: the pen's colour ANDed with the picture, as a highlighter marks: dark text stays
// dark, white takes the colour, and going over a place again changes nothing.
enum class PenMode { Copy, NotXor, Mask };
enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross };

// A styled line wider than a pixel needs a geometric pen to show its pattern, with flat
// ends so that the dashes' gaps stay open; one pixel wide and solid lines keep the plain pen.
constexpr bool FlatEndedPen(PenStyle style, int width) { return width > 1 && style != PenStyle::Solid; }

// The gaps of dashed lines (and of hatches) take the brush colour only under a solid
// brush; under every other style they are left as they were.
constexpr bool OpaqueBackground(BrushStyle style) { return style == BrushStyle::Solid; }

// Giving a hollow brush a colour makes it solid; other styles keep their pattern.
constexpr BrushStyle StyleAfterColour(BrushStyle style) {
    return style == BrushStyle::Clear ? BrushStyle::Solid : style;
}

}  // namespace ui
