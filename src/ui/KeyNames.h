// A key as the presenter reads it, named by the system: the names follow the keyboard
// layout and Windows' language ("Strg" on a German Windows).
#pragma once
#include <string>

#include "base/HotKeyTable.h"

namespace ui {

// "Ctrl+Alt+Shift+1", "F9", "Esc"; empty for no key. A default key keeps the name the
// program's texts have always given it.
std::wstring KeyName(HotKey key);

}  // namespace ui
