// The spotlight: the pointer's monitor dimmed, but for a clear circle round the pointer.
// One black, click-through, top-most window covers the monitor at the dimming's opacity;
// the circle is cut out of its window region, so it is truly clear, not tinted. The window
// is painted black whole each time it covers a monitor and never drawn in otherwise, so a
// move of the circle only sets a new region: no pixel is painted on a tick. Neither a
// colour key nor per-pixel alpha would do: Wine works a colour key out anew from every
// pixel of the window at each repaint, and its UpdateLayeredWindow copies the whole
// window's pixels at each call, even for a small dirty rectangle (6 to 26 ms a tick for a
// full-HD monitor under Wine 8, against about 0.2 ms for a new region).
#pragma once
#include "base/Monitors.h"
#include "effects/PointerMonitor.h"
#include "effects/PointerOverlay.h"
#include "effects/StoredSettings.h"
#include "ui/Handles.h"

class SpotlightWindow : public PointerOverlay {
public:
    SpotlightWindow();

    void ApplySettings(const EffectValues& values);
    // The clear circle's radius on the monitor it stands on, and the dimming's opacity.
    int Radius() const { return radius_; }
    BYTE Alpha() const { return alpha_; }

protected:
    void PrepareShowing() override;
    void Follow(ScreenPoint pointer, std::int64_t nowMs) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Covers the monitor that now holds the pointer, at its DPI.
    void Cover(const MonitorInfo& monitor);
    // The window's region: the monitor without the circle round the pointer.
    void CutCircle();

    PointerMonitor monitor_;
    ScreenPoint center_;
    int designRadius_ = EffectValues{}.spotlightRadius;
    int radius_ = 0;
    BYTE alpha_ = 0;
};
