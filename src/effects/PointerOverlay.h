// What the pointer effects' windows share: click-through, top-most overlays, most of which
// read the pointer each tick and move to a corner derived from it.
#pragma once
#include <windows.h>

#include <climits>

#include "effects/PointerPlacement.h"

// Adds WS_EX_LAYERED and WS_EX_TRANSPARENT when either is missing, so every mouse action
// passes through the window.
void KeepClickThrough(HWND window);

// Puts the window back among the top-most ones when another program took that from it (a
// full-screen program can); does nothing while it is there.
void KeepTopMost(HWND window);

// Remembers where a window stands (from WM_WINDOWPOSCHANGED) so that a tick with the
// pointer where it was makes no window call at all.
class OverlayPlacement {
public:
    // Feeds the window's WM_WINDOWPOSCHANGED.
    void Note(const WINDOWPOS& pos);
    // Moves the window's top-left corner to `origin` unless it is already there.
    void MoveTo(HWND window, ScreenPoint origin) const;

private:
    ScreenPoint placed_{INT_MIN, INT_MIN};
};
