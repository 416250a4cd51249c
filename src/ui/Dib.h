// The 32-bit top-down DIB section every picture and drawing surface of the program is:
// its pixels can be read and written directly.
#pragma once
#include <windows.h>

#include <cstdint>

#include "ui/Handles.h"

namespace ui {

// Throws ui::EImageError when the system has no room for it.
UniqueBitmap CreateTopDownDib(int width, int height, std::uint32_t*& bits);

}  // namespace ui
