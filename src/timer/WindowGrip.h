// Moving and sizing a borderless window with the mouse, without the system's size loop
// (which Wine gives only to windows with a sizing frame): a band along the edges sizes it,
// the rest moves it, but only once the pointer has gone past the drag distance, so that a
// click stays a click.
#pragma once
#include <windows.h>

#include <optional>

#include "base/ScreenGeometry.h"

class WindowGrip {
public:
    // What the point on the window is: an HT* edge or corner code in the band, else HTCLIENT.
    static LRESULT HitTest(HWND window, POINT screen, int dpi);

    // The button went down on `hit`; the window takes the mouse.
    void Start(HWND window, LRESULT hit);
    bool Active() const { return grip_.has_value(); }
    // The pointer moved: the window follows, no smaller than `smallest`.
    void Follow(HWND window, ScreenSize smallest);
    enum class Ending { Click, Moved, Cancelled };
    // The button came up (`released`), or the mouse was taken away.
    Ending End(HWND window, bool released);

private:
    struct Grip {
        LRESULT hit;
        POINT from;
        RECT place;
        bool moved = false;
    };
    std::optional<Grip> grip_;
};
