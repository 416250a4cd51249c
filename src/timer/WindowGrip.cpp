#include "timer/WindowGrip.h"

#include <algorithm>
#include <cstdlib>

#include "base/Monitors.h"

namespace {

constexpr int kEdgeBand = 8;  // pixels at 96 DPI

bool Has(LRESULT hit, LRESULT a, LRESULT b, LRESULT c) { return hit == a || hit == b || hit == c; }

}  // namespace

LRESULT WindowGrip::HitTest(HWND window, POINT screen, int dpi) {
    RECT r{};
    GetWindowRect(window, &r);
    const int band = ScaleForDpi(kEdgeBand, dpi);
    const bool left = screen.x < r.left + band, right = screen.x >= r.right - band;
    const bool top = screen.y < r.top + band, bottom = screen.y >= r.bottom - band;
    if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    return HTCLIENT;
}

void WindowGrip::Start(HWND window, LRESULT hit) {
    Grip grip{hit, {}, {}};
    GetCursorPos(&grip.from);
    GetWindowRect(window, &grip.place);
    grip_ = grip;
    SetCapture(window);
}

void WindowGrip::Follow(HWND window, ScreenSize smallest) {
    if (!grip_) return;
    Grip& g = *grip_;
    POINT at{};
    GetCursorPos(&at);
    const int dx = at.x - g.from.x, dy = at.y - g.from.y;
    if (!g.moved && std::abs(dx) < GetSystemMetrics(SM_CXDRAG) && std::abs(dy) < GetSystemMetrics(SM_CYDRAG)) return;
    g.moved = true;
    RECT r = g.place;
    if (g.hit == HTCLIENT) {
        OffsetRect(&r, dx, dy);
    } else {
        if (Has(g.hit, HTLEFT, HTTOPLEFT, HTBOTTOMLEFT)) r.left = std::min(r.left + dx, r.right - smallest.width);
        if (Has(g.hit, HTRIGHT, HTTOPRIGHT, HTBOTTOMRIGHT)) r.right = std::max(r.right + dx, r.left + smallest.width);
        if (Has(g.hit, HTTOP, HTTOPLEFT, HTTOPRIGHT)) r.top = std::min(r.top + dy, r.bottom - smallest.height);
        if (Has(g.hit, HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT))
            r.bottom = std::max(r.bottom + dy, r.top + smallest.height);
    }
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowGrip::Ending WindowGrip::End(HWND window, bool released) {
    if (!grip_) return Ending::Cancelled;
    const Grip g = *grip_;
    grip_.reset();  // before the capture goes: its message finds no grip
    if (GetCapture() == window) ReleaseCapture();
    if (g.moved) return Ending::Moved;
    return released && g.hit == HTCLIENT ? Ending::Click : Ending::Cancelled;
}
