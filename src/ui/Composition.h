// How the system shows layered windows. Without desktop composition (Wine on an X display
// without a compositor) a window's pixels show as they are, so a nearly transparent pixel
// shows as its own dark colour instead of vanishing; and a copy of the screen holds the
// layered windows too, where Windows leaves them out.
#pragma once

namespace ui {

bool LayeredWindowsBlended();
bool ScreenCopiesShowLayeredWindows();

}  // namespace ui
