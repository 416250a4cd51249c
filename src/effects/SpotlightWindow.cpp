#include "effects/SpotlightWindow.h"

#include "effects/EffectsTexts.h"
#include "effects/PointerOverlay.h"
#include "effects/Spotlight.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "ui/HotKeys.h"
#include "ui/Screen.h"

namespace {

ui::FormParams SpotlightParams() {
    ui::FormParams p = OverlayParams(effects::kSpotlightClass, effects::kSpotlightCaption);
    p.color = ui::Black;
    return p;
}

}  // namespace

SpotlightWindow::SpotlightWindow(Presenter& presenter)
    : ui::Form(SpotlightParams()), followTimer(*this, 10, false), presenter_(presenter) {
    KeepClickThrough(Handle());
    ApplySettings(EffectValues{});
    followTimer.OnTimer = [this] { FollowPointer(); };
}

void SpotlightWindow::OnCreate() { hotKeyId_ = ui::RegisterAppHotKey(Handle(), hotkeys::Spotlight); }

void SpotlightWindow::OnDestroy() { ui::UnregisterAppHotKey(Handle(), hotKeyId_); }

void SpotlightWindow::ApplySettings(const EffectValues& values) {
    alpha_ = static_cast<BYTE>(DimAlpha(values.spotlightDim));
    SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    designRadius_ = values.spotlightRadius;
    radius_ = ScaleForDpi(designRadius_, monitor_.Current().dpi);
    CutCircle();
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The monitors are listed afresh at each show: one may have come or gone while it was off.
void SpotlightWindow::OnShow() {
    monitor_.SetMonitors(ui::Monitors());
    FollowPointer();
    followTimer.SetEnabled(true);
}

void SpotlightWindow::OnHide() { followTimer.SetEnabled(false); }

void SpotlightWindow::Cover(const MonitorInfo& monitor) {
    radius_ = ScaleForDpi(designRadius_, monitor.dpi);
    const ScreenRect& r = monitor.bounds;
    SetBounds(r.left, r.top, r.Width(), r.Height());
    CutCircle();
    InvalidateRect(Handle(), nullptr, FALSE);
}

ui::UniqueRegion SpotlightWindow::Circle(ScreenPoint center) const {
    const ScreenRect& origin = monitor_.Current().bounds;
    const ScreenRect box = CircleBox({center.x - origin.left, center.y - origin.top}, radius_);
    return ui::UniqueRegion(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
}

void SpotlightWindow::CutCircle() {
    const ScreenRect& origin = monitor_.Current().bounds;
    ui::UniqueRegion dimmed(CreateRectRgn(0, 0, origin.Width(), origin.Height()));
    CombineRgn(dimmed.get(), dimmed.get(), Circle(center_).get(), RGN_DIFF);
    // The system owns the region once it is set; the next move replaces it. No redraw:
    // only where the circle was needs painting, and the tick asks for just that.
    if (SetWindowRgn(Handle(), dimmed.get(), FALSE)) dimmed.release();
}

void SpotlightWindow::FollowPointer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    KeepTopMost(Handle());
    KeepClickThrough(Handle());
    if (monitor_.Follow(pointer)) {
        center_ = pointer;
        Cover(monitor_.Current());
    } else if (pointer != center_) {
        // Only the part of the old circle the new one leaves is painted dim again: the
        // rest of the monitor stays as it is, and a tick costs as little as its move.
        ui::UniqueRegion uncovered = Circle(center_);
        center_ = pointer;
        CutCircle();
        CombineRgn(uncovered.get(), uncovered.get(), Circle(center_).get(), RGN_DIFF);
        InvalidateRgn(Handle(), uncovered.get(), FALSE);
    } else {
        return;
    }
    UpdateWindow(Handle());
}

LRESULT SpotlightWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_HOTKEY:
            if (HotKeyVirtualKey(lParam) == hotkeys::Spotlight.virtualKey)
                presenter_.ToggleEffect(PointerEffect::Spotlight);
            return 0;
        case WM_DISPLAYCHANGE:
            // A projector came or went: the monitors are listed again and the window follows.
            monitor_.SetMonitors(ui::Monitors());
            if (Visible()) FollowPointer();
            return Form::HandleMessage(msg, wParam, lParam);
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}
