// The dialogs and message boxes this thread shows: the system's dialog class, "#32770".
#pragma once
#include <windows.h>

#include <vector>

namespace ui {

// In the order the system lists the thread's windows.
std::vector<HWND> ShownDialogs();

}  // namespace ui
