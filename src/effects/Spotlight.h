// The spotlight: the pointer's monitor dimmed, but for a clear circle round the pointer.
#pragma once
#include "base/Monitors.h"

// The dimming's window opacity for a percentage (0 none, 100 black).
constexpr int DimAlpha(int percent) { return (percent * 255 + 50) / 100; }

// The square that holds the clear circle round `center`.
constexpr ScreenRect CircleBox(ScreenPoint center, int radius) {
    return {center.x - radius, center.y - radius, center.x + radius + 1, center.y + radius + 1};
}

