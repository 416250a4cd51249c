#include "ui/WindowSurface.h"

#include <memory>
#include <vector>

#include "ui/Handles.h"

namespace ui {

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

void LetGoOfSurface(HWND hidden) {
    int windows = 1;
    EnumChildWindows(hidden, CountWindow, reinterpret_cast<LPARAM>(&windows));
    // Each window may have drawn with two: one for its frame and one for its client area.
    // All are held at once, so that each call takes another.
    std::vector<std::unique_ptr<WindowDC>> taken;
    taken.reserve(2 * windows);
    for (int i = 0; i < 2 * windows; ++i) taken.push_back(std::make_unique<WindowDC>(hidden));
}

}  // namespace ui
