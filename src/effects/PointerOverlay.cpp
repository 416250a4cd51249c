#include "effects/PointerOverlay.h"

void KeepClickThrough(HWND window) {
    constexpr LONG kClickThrough = WS_EX_LAYERED | WS_EX_TRANSPARENT;
    const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    if ((style & kClickThrough) != kClickThrough) SetWindowLongW(window, GWL_EXSTYLE, style | kClickThrough);
}

void KeepTopMost(HWND window) {
    if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OverlayPlacement::Note(const WINDOWPOS& pos) {
    if (!(pos.flags & SWP_NOMOVE)) placed_ = {pos.x, pos.y};
}

void OverlayPlacement::MoveTo(HWND window, ScreenPoint origin) const {
    if (origin == placed_) return;
    SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
