#include "effects/KeyboardMouse.h"

#include <windows.h>

#include "ui/Application.h"

void KeyboardMouse::Toggle() {
    on_ = !on_;
    if (OnSwitched) OnSwitched(on_);
}

void KeyboardMouse::Move(ScreenPoint step) const {
    if (!on_) return;
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x + step.x, p.y + step.y);
    if (OnMoved) OnMoved();
}

void KeyboardMouse::Click() const {
    if (!on_) return;
    // A press and a release where the pointer stands (no move: the coordinates are unused).
    auto& mouseEvent = ui::Application::Current().Dialogs().mouseEvent;
    mouseEvent(MOUSEEVENTF_LEFTDOWN, 0, 0);
    mouseEvent(MOUSEEVENTF_LEFTUP, 0, 0);
}
