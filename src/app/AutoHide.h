// Where the control bar stands. It is docked at the right edge of the primary screen,
// its top half-way down, and jumps between two places: out in full while the pointer
// touches the right edge at the bar's height, pulled back to a thin strip otherwise.
#pragma once

#include "base/Monitors.h"
#include "base/ScreenGeometry.h"

inline constexpr int kBarWidth = 65;
inline constexpr int kBarHeight = 198;
inline constexpr int kBarStrip = 5;  // what stays on screen when the bar is pulled back

// The bar's size at a DPI: its width, height and the strip left on screen when it is
// pulled back, scaled from the sizes above.
struct BarSize {
    int width = kBarWidth;
    int height = kBarHeight;
    int strip = kBarStrip;
};
BarSize ControlBarSize(int dpi);

// The bar's top: half the screen height, truncated.
int ControlBarTop(int screenHeight);

// The bar's Left after one auto-hide tick. The band is recomputed from the screen size
// of this tick; on its edges (the rows at the bar's top and bottom, the column at the
// bar's left edge) the bar keeps `currentLeft`, so it does not flicker there.
int ControlBarLeft(ScreenSize screen, ScreenPoint pointer, int currentLeft, BarSize bar = {});
