// The system's mouse input seen before any window gets it, while the hook is held: for a
// window that must take the presses on pixels it leaves see-through. One at a time in
// the program; the hook is called on the thread that holds it, from its message loop.
#pragma once
#include <windows.h>

#include <functional>

namespace ui {

class MouseHook {
public:
    // `seen` gets each mouse message (WM_LBUTTONDOWN, WM_MOUSEMOVE, ...) with the pointer
    // in screen pixels; true keeps it from every window.
    explicit MouseHook(std::function<bool(UINT message, POINT at)> seen);
    ~MouseHook();
    MouseHook(const MouseHook&) = delete;
    MouseHook& operator=(const MouseHook&) = delete;

    bool Held() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Seen(int code, WPARAM message, LPARAM data);

    std::function<bool(UINT, POINT)> seen_;
    HHOOK hook_ = nullptr;
};

}  // namespace ui
