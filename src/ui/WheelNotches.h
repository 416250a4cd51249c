// Wheel turns counted in whole notches: a precise wheel or touchpad sends parts of a notch,
// which add up until they make one.
#pragma once
#include <windows.h>

namespace ui {

class WheelNotches {
public:
    // The whole notches that `delta` completes (negative toward the presenter); the rest is kept.
    int Take(int delta) {
        rest_ += delta;
        const int notches = rest_ / WHEEL_DELTA;
        rest_ %= WHEEL_DELTA;
        return notches;
    }

private:
    int rest_ = 0;
};

}  // namespace ui
