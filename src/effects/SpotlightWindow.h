// The spotlight: the pointer's monitor dimmed, but for a clear circle round the pointer.
// One black, click-through, top-most window covers the monitor at the dimming's opacity;
// the circle is painted in the window's colour key, so it is truly clear, not tinted.
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
    void PaintContent(HDC dc, const RECT& clip) override;

private:
    // Covers the monitor that now holds the pointer, at its DPI.
    void Cover(const MonitorInfo& monitor);
    void InvalidateScreenRect(const ScreenRect& area);

    Presenter& presenter_;
    PointerMonitor monitor_;
    ScreenPoint center_;
    int designRadius_ = EffectValues{}.spotlightRadius;
    int radius_ = 0;
    BYTE alpha_ = 0;
    int hotKeyId_ = 0;
    ui::UniqueBrush clearBrush_;
};
