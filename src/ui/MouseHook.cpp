#include "ui/MouseHook.h"

namespace ui {

namespace {
MouseHook* held = nullptr;
}  // namespace

MouseHook::MouseHook(std::function<bool(UINT message, POINT at)> seen) : seen_(std::move(seen)) {
    if (held) return;  // another is held: this one sees nothing
    hook_ = SetWindowsHookExW(WH_MOUSE_LL, &MouseHook::Seen, GetModuleHandleW(nullptr), 0);
    if (hook_) held = this;
}

MouseHook::~MouseHook() {
    if (!hook_) return;
    UnhookWindowsHookEx(hook_);
    held = nullptr;
}

LRESULT CALLBACK MouseHook::Seen(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && held) {
        const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
        if (held->seen_(static_cast<UINT>(message), mouse->pt)) return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace ui
