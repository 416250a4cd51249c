// The click rings: while they are on, every left click shows a ring growing and fading at
// the click point, every right click one in another colour, over whatever is on screen.
// A low-level mouse hook sees the clicks (and passes them on unchanged); this hidden
// window receives them from it and animates a few ring windows, ticking only while a ring
// lives.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "base/Monitors.h"
#include "effects/RingWindow.h"
#include "effects/StoredSettings.h"
#include "ui/Form.h"
#include "ui/MouseHook.h"
#include "ui/Timer.h"

class ClickRingsWindow : public ui::Form {
public:
    ClickRingsWindow();

    void Toggle();
    bool On() const { return hook_.has_value(); }
    void ApplySettings(const EffectValues& values);
    // While the pen is open its drawing takes the clicks: no ring shows.
    void SetPenOpen(bool open) { penOpen_ = open; }
    const std::vector<std::unique_ptr<RingWindow>>& Rings() const { return rings_; }

    // A button pressed at a screen point, as the hook reports it.
    void Clicked(ScreenPoint at, bool rightButton);

    ui::Timer animationTimer;  // ticks only while a ring lives

protected:
    void OnDestroy() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Animate();
    // A ring window that is free, or else the oldest one.
    RingWindow& NextRing();

    std::vector<std::unique_ptr<RingWindow>> rings_;
    std::vector<MonitorInfo> monitors_;
    std::optional<ui::MouseHook> hook_;
    ui::Color leftColor_ = EffectValues{}.leftRingColor;
    ui::Color rightColor_ = EffectValues{}.rightRingColor;
    bool penOpen_ = false;
};
