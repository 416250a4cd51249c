#include "effects/PointerOverlay.h"

#include "ui/Screen.h"

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

PointerOverlay::PointerOverlay(const ui::FormParams& params) : ui::Form(params), followTimer(*this, 10, false) {
    KeepClickThrough(Handle());
    followTimer.OnTimer = [this] { FollowPointer(); };
}

void PointerOverlay::FollowPointer(std::int64_t nowMs) {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    KeepTopMost(Handle());
    KeepClickThrough(Handle());
    Follow(pointer, nowMs);
}

void PointerOverlay::OnShow() {
    PrepareShowing();
    FollowPointer();
    followTimer.SetEnabled(true);
}

void PointerOverlay::OnHide() { followTimer.SetEnabled(false); }

LRESULT PointerOverlay::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGED) placement_.Note(*reinterpret_cast<const WINDOWPOS*>(lParam));
    return Form::HandleMessage(msg, wParam, lParam);
}
