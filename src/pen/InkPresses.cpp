#include "pen/InkPresses.h"

#include <windowsx.h>

namespace {

bool IsPress(UINT msg) { return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN; }
bool IsRelease(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }
UINT ReleaseOf(UINT press) { return press + 1; }  // WM_xBUTTONUP follows WM_xBUTTONDOWN

// Whether another window of this program stands at `at`.
bool AnotherOfOurs(HWND ink, POINT at) {
    const HWND root = GetAncestor(WindowFromPoint(at), GA_ROOT);
    DWORD process = 0;
    if (root) GetWindowThreadProcessId(root, &process);
    return root && root != ink && process == GetCurrentProcessId();
}

POINT Pointer() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

}  // namespace

InkPresses::InkPresses(HWND ink, const MonitorCover& cover, Events events)
    : ink_(ink), cover_(cover), events_(std::move(events)) {}

void InkPresses::Take(bool fromHook) {
    Stop();
    taking_ = true;
    if (fromHook) hook_.emplace([this](UINT message, POINT at, int wheel) { return SeenByHook(message, at, wheel); });
}

void InkPresses::Stop() {
    if (held_) Release(Pointer());
    hook_.reset();
    taking_ = false;
}

POINT InkPresses::InInk(POINT at) const { return {at.x - cover_.Covered().left, at.y - cover_.Covered().top}; }

void InkPresses::Press(UINT message, POINT at) {
    held_ = true;
    heldUp_ = ReleaseOf(message);
    const POINT p = InInk(at);
    events_.press(p.x, p.y);
}

void InkPresses::Release(POINT at) {
    held_ = false;
    const POINT p = InInk(at);
    events_.release(p.x, p.y);
}

bool InkPresses::SeenByHook(UINT message, POINT at, int wheel) {
    if (held_) {
        if (message == WM_MOUSEMOVE) {
            const POINT p = InInk(at);
            events_.drag(p.x, p.y);
        }
        if (message != heldUp_) return IsPress(message) || IsRelease(message);
        Release(at);
        return true;
    }
    const bool over = cover_.Covered().Contains({at.x, at.y}) && !AnotherOfOurs(ink_, at);
    if (over && IsPress(message)) {
        Press(message, at);
        return true;
    }
    // The wheel over the ink turns nothing beneath while drawing.
    if (over && message == WM_MOUSEWHEEL) events_.wheel(wheel, GetAsyncKeyState(VK_CONTROL) < 0);
    return over && (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL);
}

bool InkPresses::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!taking_ || hook_) return false;  // the hook sees them first
    if (msg == WM_MOUSEWHEEL) {
        events_.wheel(GET_WHEEL_DELTA_WPARAM(wParam), (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0);
        return true;
    }
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(ink_, &at);
    if (IsPress(msg) && !held_) {
        SetCapture(ink_);
        Press(msg, at);
    } else if (msg == heldUp_ && held_) {
        Release(at);
        if (GetCapture() == ink_) ReleaseCapture();
    } else if (msg == WM_MOUSEMOVE) {
        if (held_) events_.drag(InInk(at).x, InInk(at).y);
    } else if (msg == WM_CAPTURECHANGED) {
        if (held_) Release(Pointer());
        return false;
    } else {
        return IsPress(msg) || IsRelease(msg);
    }
    return true;
}
