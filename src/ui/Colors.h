// Colour values as the program stores and passes them: a signed 32-bit value, either an
// RGB colour laid out 0x00BBGGRR or, with the top byte 0xFF, one of the system's named
// colours (low byte = GetSysColor index).
#pragma once
#include <cstdint>

namespace ui {

using Color = std::int32_t;

constexpr Color SystemColor(int index) { return static_cast<Color>(0xFF000000u | static_cast<unsigned>(index)); }

constexpr Color clBlack = 0x000000;
constexpr Color clWhite = 0xFFFFFF;
constexpr Color clRed = 0x0000FF;
constexpr Color clGray = 0x808080;
constexpr Color clPurple = 0x800080;
constexpr Color clFuchsia = 0xFF00FF;
constexpr Color clAppWorkSpace = SystemColor(12);
constexpr Color clHighlight = SystemColor(13);
constexpr Color clBtnFace = SystemColor(15);
constexpr Color clBtnShadow = SystemColor(16);
constexpr Color clWindow = SystemColor(5);
constexpr Color clWindowText = SystemColor(8);

// The colour key of the follower and the pen window: their pixels of exactly this grey
// are see-through, and clicks there reach the windows beneath.
constexpr Color clSeeThrough = clGray;
constexpr unsigned long kSeeThroughKey = 0x808080;  // the same grey as a COLORREF

}  // namespace ui
