// The text tool's box follows the pen width: its font is five points per pixel of width,
// and it is as wide as its text plus room for the next characters.
#pragma once

namespace pen {

constexpr int TextPoints(int penWidth) { return 5 * penWidth; }
constexpr int TextBoxWidth(int textWidth, int penWidth) { return textWidth + 5 * penWidth + 20; }

}  // namespace pen
