// Turns a stored colour value into the RGB value GDI draws with.
#pragma once
#include <windows.h>

#include "ui/Colors.h"

namespace ui {

inline COLORREF ColorToRGB(Color color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(bits & 0xFF));
    return static_cast<COLORREF>(bits & 0x00FFFFFFu);
}

}  // namespace ui
