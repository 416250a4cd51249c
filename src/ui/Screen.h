// What the windows read of the screen: the pointer and the primary display's size.
#pragma once
#include "base/ScreenGeometry.h"

namespace ui {

// The pointer's screen position; false when it cannot be read.
bool ReadPointer(ScreenPoint& pointer);

// The primary display's width and height in pixels, read afresh at each call: the
// resolution can change while the program runs.
ScreenSize PrimaryScreenSize();

}  // namespace ui
