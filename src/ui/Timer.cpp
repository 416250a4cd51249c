#include "ui/Timer.h"

#include "ui/Form.h"

namespace ui {

Timer::Timer(Form& owner, UINT intervalMs, bool enabled) : owner_(owner), interval_(intervalMs) {
    owner_.AttachTimer(this);
    SetEnabled(enabled);
}

Timer::~Timer() {
    SetEnabled(false);
    owner_.DetachTimer(this);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled)
        SetTimer(owner_.Handle(), Id(), interval_, nullptr);
    else if (owner_.Handle())
        KillTimer(owner_.Handle(), Id());
}

void Timer::SetInterval(UINT intervalMs) {
    interval_ = intervalMs;
    if (enabled_) SetTimer(owner_.Handle(), Id(), interval_, nullptr);
}

void Timer::Tick() {
    if (enabled_ && OnTimer) OnTimer();
}

}  // namespace ui
