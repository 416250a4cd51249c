// The spotlight: the pointer's monitor dimmed, but for a clear circle round the pointer.
// One black, click-through, top-most window covers the monitor at the dimming's opacity;
// the circle is cut out of its window region, so it is truly clear, not tinted. A region
// rather than a colour key: Wine works a colour key out anew from every pixel of the
// window at each repaint, which for a whole monitor costs more than a tick may.
#pragma once
#include "app/Presenter.h"
#include "base/Monitors.h"
#include "effects/PointerMonitor.h"
#include "effects/StoredSettings.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/Timer.h"

class SpotlightWindow : public ui::Form {
public:
    explicit SpotlightWindow(Presenter& presenter);

    void ApplySettings(const EffectValues& values);
    // The clear circle's radius on the monitor it stands on, and the dimming's opacity.
    int Radius() const { return radius_; }
    BYTE Alpha() const { return alpha_; }
    int HotKeyId() const { return hotKeyId_; }

    ui::Timer followTimer;  // ticks only while shown

    void FollowPointer();

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnHide() override;
    void OnDestroy() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Covers the monitor that now holds the pointer, at its DPI.
    void Cover(const MonitorInfo& monitor);
    // The clear circle round a screen point, in the window's coordinates.
    ui::UniqueRegion Circle(ScreenPoint center) const;
    // The window's region: the monitor without the circle round the pointer.
    void CutCircle();

    Presenter& presenter_;
    PointerMonitor monitor_;
    ScreenPoint center_;
    int designRadius_ = EffectValues{}.spotlightRadius;
    int radius_ = 0;
    BYTE alpha_ = 0;
    int hotKeyId_ = 0;
};
