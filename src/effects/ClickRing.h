// A click ring: it grows from a small circle at the click point and fades out as it grows;
// without animations it shows at its final size, opaque, for the same time.
#pragma once

struct RingFrame {
    int radius = 0;
    int alpha = 0;  // 255 opaque, 0 gone
    bool done = false;
};

inline constexpr int kRingMs = 450;         // a ring's whole life
inline constexpr int kRingStartRadius = 6;  // at 96 DPI
inline constexpr int kRingEndRadius = 36;   // at 96 DPI

// The ring `elapsedMs` after the click, for radii already scaled to the monitor's DPI.
RingFrame RingAt(int elapsedMs, int startRadius, int endRadius, bool animated = true);
