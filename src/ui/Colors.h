// Colour values as the program stores and passes them: a signed 32-bit value, either an
// RGB colour laid out 0x00BBGGRR or, with the top byte 0xFF, one of the system's named
// colours (low byte = GetSysColor index).
#pragma once
#include <cstdint>

namespace ui {

using Color = std::int32_t;

constexpr Color SystemColor(int index) { return static_cast<Color>(0xFF000000u | static_cast<unsigned>(index)); }

constexpr Color Black = 0x000000;
constexpr Color White = 0xFFFFFF;
constexpr Color Red = 0x0000FF;
constexpr Color Gray = 0x808080;
constexpr Color Purple = 0x800080;
constexpr Color Magenta = 0xFF00FF;
// The system colours by their COLOR_* names.
constexpr Color WindowBackground = SystemColor(5);  // COLOR_WINDOW
constexpr Color WindowText = SystemColor(8);        // COLOR_WINDOWTEXT
constexpr Color AppWorkspace = SystemColor(12);     // COLOR_APPWORKSPACE
constexpr Color Highlight = SystemColor(13);        // COLOR_HIGHLIGHT
constexpr Color BtnFace = SystemColor(15);          // COLOR_BTNFACE
constexpr Color BtnShadow = SystemColor(16);        // COLOR_BTNSHADOW

// The colour key of the follower and the pen window: their pixels of exactly this grey
// are see-through, and clicks there reach the windows beneath.
constexpr Color SeeThrough = Gray;
constexpr unsigned long kSeeThroughKey = 0x808080;  // the same grey as a COLORREF

}  // namespace ui
