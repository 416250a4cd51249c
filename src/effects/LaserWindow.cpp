#include "effects/LaserWindow.h"

#include "effects/EffectsTexts.h"
#include "ui/Dpi.h"
#include "ui/Motion.h"
#include "ui/Screen.h"

LaserWindow::LaserWindow() : PointerOverlay(ui::OverlayParams(effects::kLaserClass, effects::kLaserCaption)) {
    // Layered and opaque: a layered window is what lets the clicks through.
    SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
    ApplySettings(values_);
}

void LaserWindow::ApplySettings(const EffectValues& values) {
    values_ = values;
    SetColor(values.laserColor);
    Size();
}

void LaserWindow::Size() {
    diameter_ = ScaleForDpi(values_.laserSize, monitor_.Current().dpi);
    SetSize(diameter_, diameter_);
    CutDot();
    trailWindow_.SetLook(static_cast<COLORREF>(values_.laserColor), diameter_);
    if (dotShown_) PlaceDot();
}

void LaserWindow::CutDot() {
    // The system owns the region once it is set; a later call replaces it.
    ui::UniqueRegion region(dotShown_ ? DotRegion(diameter_) : CreateRectRgn(0, 0, 0, 0));
    if (SetWindowRgn(Handle(), region.get(), TRUE)) region.release();
}

void LaserWindow::ShowDot(bool shown) {
    if (shown) PlaceDot();
    if (shown == dotShown_) return;
    dotShown_ = shown;
    CutDot();
}

void LaserWindow::PlaceDot() { PlaceAt(DotOrigin(pointer_, diameter_, monitor_.Current().bounds)); }

void LaserWindow::PrepareShowing() {
    trail_ = LaserTrail(ui::AnimationsOn());
    monitor_.SetMonitors(ui::Monitors());
}

void LaserWindow::OnHide() {
    PointerOverlay::OnHide();
    trailWindow_.Hide();
}

void LaserWindow::Follow(ScreenPoint pointer, std::int64_t nowMs) {
    const bool moved = pointer != pointer_;
    pointer_ = pointer;
    if (monitor_.Follow(pointer)) Size();
    if (!trail_.Update(pointer, nowMs)) return;
    const int alpha = trail_.Alpha(nowMs);
    trailWindow_.ShowTrail(trail_, alpha, moved);
    // While the trail shows whole its head is the dot, so a moving tick changes one
    // window; once the trail fades, the dot's own window holds it beneath, unfaded.
    ShowDot(!trailWindow_.Visible() || alpha < 255);
}

LRESULT LaserWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DISPLAYCHANGE:
            monitor_.SetMonitors(ui::Monitors());
            return PointerOverlay::HandleMessage(msg, wParam, lParam);
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETCLIENTAREAANIMATION) trail_.SetFades(ui::AnimationsOn());
            return PointerOverlay::HandleMessage(msg, wParam, lParam);
        default:
            return PointerOverlay::HandleMessage(msg, wParam, lParam);
    }
}
