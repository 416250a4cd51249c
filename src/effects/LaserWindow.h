// The laser pointer: a bright dot at the pointer, in a round, click-through, top-most
// window, and the glowing trail it leaves while it moves (its own window beneath the dot).
#pragma once
#include <cstdint>

#include "effects/LaserTrail.h"
#include "effects/LaserTrailWindow.h"
#include "effects/PointerMonitor.h"
#include "effects/PointerOverlay.h"
#include "effects/StoredSettings.h"

class LaserWindow : public PointerOverlay {
public:
    LaserWindow();

    void ApplySettings(const EffectValues& values);
    // The dot's diameter on the monitor the pointer is on.
    int DotDiameter() const { return diameter_; }
    const LaserTrailWindow& TrailWindow() const { return trailWindow_; }

protected:
    // A new showing starts without a trail, on monitors listed afresh.
    void PrepareShowing() override;
    void Follow(ScreenPoint pointer, std::int64_t nowMs) override;
    void OnHide() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The dot and the trail's pens at the DPI of the pointer's monitor.
    void Size();
    // The dot's window shows the dot at the pointer, or stands empty (its region cut
    // away) while the trail draws the dot at its head.
    void ShowDot(bool shown);
    void CutDot();
    void PlaceDot();

    LaserTrailWindow trailWindow_;
    LaserTrail trail_;
    PointerMonitor monitor_;
    ScreenPoint pointer_;
    EffectValues values_;
    int diameter_ = 0;
    bool dotShown_ = true;
};
