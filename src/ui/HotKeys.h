// Registering the program's hot keys on a window.
#pragma once
#include <windows.h>

#include "base/HotKeyTable.h"

namespace ui {

// The global atom the hot-key ids are made from.
inline constexpr char kHotKeyAtom[] = "MyHotKey";

// Adds the "MyHotKey" atom afresh, registers the key and its modifiers on the window with
// the id made from it, and returns that id for the later unregistration. A key another
// program holds is noted with the application and never arrives here.
int RegisterAppHotKey(HWND window, const HotKey& key);
void UnregisterAppHotKey(HWND window, int id);

}  // namespace ui
