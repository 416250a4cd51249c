#include "ui/MouseHook.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {
// The hooks held, oldest first, and the system's hook while there are any.
std::vector<MouseHook*> held;
UniqueHook systemHook;
}  // namespace

MouseHook::MouseHook(std::function<bool(UINT message, POINT at, int wheel)> seen) : seen_(std::move(seen)) {
    if (held.empty()) systemHook.reset(SetWindowsHookExW(WH_MOUSE_LL, &MouseHook::Seen, GetModuleHandleW(nullptr), 0));
    held.push_back(this);
}

MouseHook::~MouseHook() {
    std::erase(held, this);
    if (held.empty()) systemHook.reset();
}

LRESULT CALLBACK MouseHook::Seen(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
        const bool turned = message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL;
        const int wheel = turned ? static_cast<short>(HIWORD(event.mouseData)) : 0;
        // A copy: a hook may be held or let go while the message is seen.
        const std::vector<MouseHook*> now = held;
        for (auto hook = now.rbegin(); hook != now.rend(); ++hook)
            if (std::find(held.begin(), held.end(), *hook) != held.end() &&
                (*hook)->seen_(static_cast<UINT>(message), event.pt, wheel))
                return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace ui
