#include "effects/SpotlightWindow.h"

#include "effects/EffectsTexts.h"
#include "effects/Spotlight.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "ui/Screen.h"

namespace {

ui::FormParams SpotlightParams() {
    ui::FormParams p = ui::OverlayParams(effects::kSpotlightClass, effects::kSpotlightCaption);
    p.color = ui::Black;
    return p;
}

}  // namespace

SpotlightWindow::SpotlightWindow() : PointerOverlay(SpotlightParams()) { ApplySettings(EffectValues{}); }

void SpotlightWindow::ApplySettings(const EffectValues& values) {
    alpha_ = static_cast<BYTE>(DimAlpha(values.spotlightDim));
    SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    designRadius_ = values.spotlightRadius;
    radius_ = ScaleForDpi(designRadius_, monitor_.Current().dpi);
    CutCircle();
}

// The monitors are listed afresh at each show: one may have come or gone while it was off.
void SpotlightWindow::PrepareShowing() { monitor_.SetMonitors(ui::Monitors()); }

void SpotlightWindow::Cover(const MonitorInfo& monitor) {
    radius_ = ScaleForDpi(designRadius_, monitor.dpi);
    const ScreenRect& r = monitor.bounds;
    // Painted whole with no circle cut out, the window is black in every pixel; as nothing
    // else is ever drawn in it, a move of the circle then needs only a new region.
    SetWindowRgn(Handle(), nullptr, FALSE);
    SetBounds(r.left, r.top, r.Width(), r.Height());
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CutCircle();
}

void SpotlightWindow::CutCircle() {
    const ScreenRect& origin = monitor_.Current().bounds;
    const ScreenRect box = CircleBox({center_.x - origin.left, center_.y - origin.top}, radius_);
    const ui::UniqueRegion circle(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
    ui::UniqueRegion dimmed(CreateRectRgn(0, 0, origin.Width(), origin.Height()));
    CombineRgn(dimmed.get(), dimmed.get(), circle.get(), RGN_DIFF);
    // The system owns the region once it is set; the next move replaces it. No redraw:
    // where the circle was is black already.
    if (SetWindowRgn(Handle(), dimmed.get(), FALSE)) dimmed.release();
}

void SpotlightWindow::Follow(ScreenPoint pointer, std::int64_t) {
    const bool otherMonitor = monitor_.Follow(pointer);
    if (!otherMonitor && pointer == center_) return;
    center_ = pointer;
    if (otherMonitor)
        Cover(monitor_.Current());
    else
        CutCircle();
}

LRESULT SpotlightWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DISPLAYCHANGE:
            // A projector came or went: the monitors are listed again and the window follows.
            monitor_.SetMonitors(ui::Monitors());
            if (Visible()) FollowPointer();
            return PointerOverlay::HandleMessage(msg, wParam, lParam);
        default:
            return PointerOverlay::HandleMessage(msg, wParam, lParam);
    }
}
