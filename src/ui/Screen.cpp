#include "ui/Screen.h"

#include <windows.h>

namespace ui {

bool ReadPointer(ScreenPoint& pointer) {
    POINT p;
    if (!GetCursorPos(&p)) return false;
    pointer = {p.x, p.y};
    return true;
}

ScreenSize PrimaryScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace ui
