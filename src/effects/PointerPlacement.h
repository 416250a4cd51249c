// Where the pointer effects stand relative to the pointer, and how the keyboard mouse steps.
#pragma once
#include <algorithm>

#include "base/HotKeyTable.h"
#include "base/Monitors.h"
#include "base/ScreenGeometry.h"

// The follower's top-left corner: the pointer minus the picture offset on both axes.
constexpr ScreenPoint FollowerOrigin(ScreenPoint pointer, int offset) {
    return {pointer.x - offset, pointer.y - offset};
}

// The halo's top-left corner: its disc is centred on the pointer (half rounded toward zero).
constexpr ScreenPoint HaloOrigin(ScreenPoint pointer, int diameter) {
    const int half = diameter / 2;
    return {pointer.x - half, pointer.y - half};
}

// The laser's dot: centred on the pointer, but kept whole on the pointer's monitor, so that
// at an edge or a corner it stands beside the pointer rather than being cut.
constexpr ScreenPoint DotOrigin(ScreenPoint pointer, int diameter, const ScreenRect& monitor) {
    const ScreenPoint centred = HaloOrigin(pointer, diameter);
    return {std::clamp(centred.x, monitor.left, std::max(monitor.left, monitor.right - diameter)),
            std::clamp(centred.y, monitor.top, std::max(monitor.top, monitor.bottom - diameter))};
}

// One press of an arrow key in keyboard mouse mode moves the pointer this far.
constexpr int kKeyboardMouseStep = 10;

// The step of an arrow key's action, or {0, 0} for any other action.
constexpr ScreenPoint ArrowStep(HotKeyAction action) {
    switch (action) {
        case HotKeyAction::Left:
            return {-kKeyboardMouseStep, 0};
        case HotKeyAction::Right:
            return {kKeyboardMouseStep, 0};
        case HotKeyAction::Up:
            return {0, -kKeyboardMouseStep};
        case HotKeyAction::Down:
            return {0, kKeyboardMouseStep};
        default:
            return {0, 0};
    }
}
