// The system's mouse input seen before any window gets it, while a hook is held: for the
// click rings, which show every press, and for live ink, which must take the presses on
// pixels it leaves see-through. All hooks of the program share one low-level hook, called
// on the thread that holds them, from its message loop; the one held last sees each
// message first.
#pragma once
#include <windows.h>

#include <functional>

#include "ui/Handles.h"

namespace ui {

class MouseHook {
public:
    // `seen` gets each mouse message (WM_LBUTTONDOWN, WM_MOUSEMOVE, ...) with the pointer
    // in screen pixels and, for the wheels, the turn (WHEEL_DELTA a notch away from the
    // presenter); true keeps it from every window and every hook held before.
    explicit MouseHook(std::function<bool(UINT message, POINT at, int wheel)> seen);
    ~MouseHook();
    MouseHook(const MouseHook&) = delete;
    MouseHook& operator=(const MouseHook&) = delete;

private:
    static LRESULT CALLBACK Seen(int code, WPARAM message, LPARAM data);

    std::function<bool(UINT, POINT, int)> seen_;
};

}  // namespace ui
