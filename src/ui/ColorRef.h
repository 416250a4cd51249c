// Turns a stored colour value into the RGB value GDI draws with.
#pragma once
#include <windows.h>

#include "ui/Colors.h"

namespace ui {

constexpr bool IsSystemColor(Color color) { return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u; }
constexpr int SystemColorIndex(Color color) { return static_cast<int>(static_cast<std::uint32_t>(color) & 0xFF); }

inline COLORREF ColorToRGB(Color color) {
    if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
    return static_cast<COLORREF>(static_cast<std::uint32_t>(color) & 0x00FFFFFFu);
}

}  // namespace ui
