#include "effects/ClickRingsWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "effects/EffectsTexts.h"
#include "ui/Dpi.h"
#include "ui/Motion.h"

namespace {

// Four rings can be on screen at once: enough for a double click of each button.
constexpr int kRingWindows = 4;
// What the hook posts: wParam 1 for the right button, lParam the screen point.
constexpr UINT kClickMessage = WM_APP + 1;

ui::FormParams HostParams() {
    ui::FormParams p;
    p.className = effects::kClickRingsClass;
    p.caption = effects::kClickRingsCaption;
    p.border = ui::BorderStyle::None;
    p.width = 0;
    p.height = 0;
    p.toolWindow = true;
    p.activateOnShow = false;
    return p;
}

std::int64_t NowMs() { return static_cast<std::int64_t>(GetTickCount64()); }

}  // namespace

ClickRingsWindow::ClickRingsWindow() : ui::Form(HostParams()), animationTimer(*this, 10, false) {
    for (int i = 0; i < kRingWindows; ++i) rings_.push_back(std::make_unique<RingWindow>());
    animationTimer.OnTimer = [this] { Animate(); };
}

void ClickRingsWindow::OnDestroy() { hook_.reset(); }

void ClickRingsWindow::ApplySettings(const EffectValues& values) {
    leftColor_ = values.leftRingColor;
    rightColor_ = values.rightRingColor;
}

void ClickRingsWindow::Toggle() {
    if (On()) {
        hook_.reset();
        return;
    }
    monitors_ = ui::Monitors();
    // Seen for every mouse event of the whole session: it only posts and lets the event on.
    hook_.emplace([window = Handle()](UINT message, POINT at, int) {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)
            PostMessageW(window, kClickMessage, message == WM_RBUTTONDOWN, MAKELPARAM(at.x, at.y));
        return false;
    });
}

RingWindow& ClickRingsWindow::NextRing() {
    const auto free = std::find_if(rings_.begin(), rings_.end(), [](const auto& ring) { return !ring->Alive(); });
    if (free != rings_.end()) return **free;
    return **std::min_element(rings_.begin(), rings_.end(),
                              [](const auto& a, const auto& b) { return a->StartedMs() < b->StartedMs(); });
}

void ClickRingsWindow::Clicked(ScreenPoint at, bool rightButton) {
    if (!On() || penOpen_) return;
    const MonitorInfo* monitor = MonitorAt(monitors_, at);
    NextRing().Start(at, rightButton ? rightColor_ : leftColor_, monitor ? monitor->dpi : kBaseDpi, NowMs(),
                     ui::AnimationsOn());
    animationTimer.SetEnabled(true);
}

void ClickRingsWindow::Animate() {
    const std::int64_t now = NowMs();
    bool living = false;
    for (const auto& ring : rings_)
        if (ring->Alive() && ring->Step(now)) living = true;
    if (!living) animationTimer.SetEnabled(false);
}

LRESULT ClickRingsWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case kClickMessage:
            Clicked({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, wParam != 0);
            return 0;
        case WM_DISPLAYCHANGE:
            monitors_ = ui::Monitors();
            return Form::HandleMessage(msg, wParam, lParam);
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}
