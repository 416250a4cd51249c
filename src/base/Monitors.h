// Monitors as the program sees them: their rectangles in virtual-screen pixels (the
// primary's top-left is 0,0; others may lie left of or above it, at negative
// coordinates) and their DPI. Sizes the forms give for 96 DPI are scaled by DPI / 96.
#pragma once
#include <span>

#include "base/ScreenGeometry.h"

inline constexpr int kBaseDpi = 96;

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // Right and bottom edges are outside, as with Win32 rectangles.
    constexpr bool Contains(ScreenPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend constexpr bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct MonitorInfo {
    ScreenRect bounds;
    int dpi = kBaseDpi;
    bool primary = false;
};

// A size given for 96 DPI at `dpi`, rounded half away from zero (as MulDiv rounds).
int ScaleForDpi(int value, int dpi);

// The monitor that holds the point; a point on no monitor (in a gap between monitors of
// different sizes) takes the nearest one. Null only for an empty list.
const MonitorInfo* MonitorAt(std::span<const MonitorInfo> monitors, ScreenPoint point);

// The primary monitor, or the first one when none says it is primary.
const MonitorInfo* PrimaryMonitor(std::span<const MonitorInfo> monitors);
