// Where the palette stands in the pen window, which covers exactly one monitor: near
// that monitor's top-right corner, 139 pixels from its right edge and 5 from its top at
// 96 DPI, scaled with the monitor's DPI like the palette itself.
#pragma once
#include <algorithm>

#include "base/Monitors.h"

namespace pen {

inline ScreenPoint PaletteOrigin(ScreenSize monitor, int dpi) {
    return {monitor.width - ScaleForDpi(139, dpi), ScaleForDpi(5, dpi)};
}

// The palette of `size` at `at` (where it was dragged), moved in just enough to stand
// whole on a monitor of `monitor`'s size: after the monitor shrank it is never left off it.
inline ScreenPoint KeptOnMonitor(ScreenPoint at, ScreenSize size, ScreenSize monitor) {
    return {std::clamp(at.x, 0, std::max(0, monitor.width - size.width)),
            std::clamp(at.y, 0, std::max(0, monitor.height - size.height))};
}

}  // namespace pen
