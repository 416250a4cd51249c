// What the pointer effects' windows share: click-through, top-most overlays that read the
// pointer each tick while they are shown, most of them moving to a corner derived from it.
#pragma once
#include <windows.h>

#include <climits>
#include <cstdint>

#include "effects/PointerPlacement.h"
#include "ui/Form.h"
#include "ui/Timer.h"

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

// The skeleton of a pointer effect's window. Its tick runs only while it is shown: a
// hidden effect need not follow, and an idle program should not wake a hundred times a
// second. Each showing starts at the pointer.
class PointerOverlay : public ui::Form {
public:
    ui::Timer followTimer;

    // One tick at `nowMs` on the clock of GetTickCount64 (the timing program and the tests
    // run ticks on a clock of their own): the window takes its place among the top-most
    // windows back when another program took it (a full-screen one can), lets every mouse
    // action through, and follows the pointer.
    void FollowPointer(std::int64_t nowMs);
    void FollowPointer() { FollowPointer(static_cast<std::int64_t>(GetTickCount64())); }

protected:
    explicit PointerOverlay(const ui::FormParams& params);

    virtual void Follow(ScreenPoint pointer, std::int64_t nowMs) = 0;
    // Before the first tick of a showing.
    virtual void PrepareShowing() {}
    // Moves the window's top-left corner to `origin`; no window call when it is there.
    void PlaceAt(ScreenPoint origin) const { placement_.MoveTo(Handle(), origin); }

    void OnShow() override;
    void OnHide() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    OverlayPlacement placement_;
};
