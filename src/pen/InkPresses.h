// Where live ink's presses come from: the window's own mouse messages where layered
// windows are blended (an alpha of 1 catches them), or a low-level mouse hook where they
// are not (there the empty pixels must be 0, and a click on them would reach the window
// beneath). Either way a press over the ink, its drag and its release reach the ink in its
// own pixels and never the windows beneath; another window of the program (the palette,
// the timer, a message box) still gets its own.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>

#include "pen/MonitorCover.h"
#include "ui/MouseHook.h"

class InkPresses {
public:
    struct Events {
        std::function<void(int x, int y)> press, drag, release;
        // The wheel turned over the ink (WHEEL_DELTA a notch), Ctrl held or not.
        std::function<void(int turn, bool control)> wheel;
    };
    // For the window `ink` over `cover`'s monitor.
    InkPresses(HWND ink, const MonitorCover& cover, Events events);

    // From now on the presses come from the mouse hook (true) or the window's messages.
    void Take(bool fromHook);
    // No presses are taken; one held is released where the pointer is now.
    void Stop();
    // One of the window's messages; true when it was a press, drag, release or wheel taken.
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    bool SeenByHook(UINT message, POINT at, int wheel);
    void Press(UINT message, POINT at);
    void Release(POINT at);
    POINT InInk(POINT at) const;

    HWND ink_;
    const MonitorCover& cover_;
    Events events_;
    bool taking_ = false;
    std::optional<ui::MouseHook> hook_;
    bool held_ = false;  // a press is held
    UINT heldUp_ = 0;    // and the release that ends it
};
