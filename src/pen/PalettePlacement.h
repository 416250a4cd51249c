// Where the palette stands in the pen window, which covers exactly one monitor: near
// that monitor's top-right corner, 139 pixels from its right edge and 5 from its top at
// 96 DPI, scaled with the monitor's DPI like the palette itself.
#pragma once
#include "base/Monitors.h"

namespace pen {

inline ScreenPoint PaletteOrigin(ScreenSize monitor, int dpi) {
    return {monitor.width - ScaleForDpi(139, dpi), ScaleForDpi(5, dpi)};
}

}  // namespace pen
