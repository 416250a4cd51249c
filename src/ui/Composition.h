// How the system shows layered windows. Without desktop composition (Wine on an X display
// without a compositor) a window's pixels show as they are, so a nearly transparent pixel
// shows as its own dark colour instead of vanishing; and a copy of the screen holds the
// layered windows too, where Windows leaves them out.
#pragma once
#include <windows.h>

namespace ui {

bool LayeredWindowsBlended();
bool ScreenCopiesShowLayeredWindows();
// Makes `window` layered and wholly opaque, so that Windows leaves it out of a copy of the
// screen (a saved picture shows what lies beneath it), whatever its colours.
void LeaveOutOfScreenCopies(HWND window);

}  // namespace ui
