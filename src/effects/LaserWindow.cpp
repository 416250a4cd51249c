#include "effects/LaserWindow.h"

#include "effects/EffectsTexts.h"
#include "ui/Dpi.h"
#include "ui/Screen.h"

LaserWindow::LaserWindow()
    : ui::Form(ui::OverlayParams(effects::kLaserClass, effects::kLaserCaption)), followTimer(*this, 10, false) {
    // Layered and opaque: a layered window is what lets the clicks through.
    KeepClickThrough(Handle());
    SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
    ApplySettings(values_);
    followTimer.OnTimer = [this] { FollowPointer(static_cast<std::int64_t>(GetTickCount64())); };
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
    if (dotShown_) placement_.MoveTo(Handle(), HaloOrigin(pointer_, diameter_));
}

void LaserWindow::CutDot() {
    // The system owns the region once it is set; a later call replaces it.
    ui::UniqueRegion region(dotShown_ ? DotRegion(diameter_) : CreateRectRgn(0, 0, 0, 0));
    if (SetWindowRgn(Handle(), region.get(), TRUE)) region.release();
}

void LaserWindow::ShowDot(bool shown) {
    if (shown) placement_.MoveTo(Handle(), HaloOrigin(pointer_, diameter_));
    if (shown == dotShown_) return;
    dotShown_ = shown;
    CutDot();
}

// A new showing starts without a trail, on monitors listed afresh.
void LaserWindow::OnShow() {
    trail_ = LaserTrail{};
    monitor_.SetMonitors(ui::Monitors());
    FollowPointer(static_cast<std::int64_t>(GetTickCount64()));
    followTimer.SetEnabled(true);
}

void LaserWindow::OnHide() {
    followTimer.SetEnabled(false);
    trailWindow_.Hide();
}

void LaserWindow::FollowPointer(std::int64_t nowMs) {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    KeepTopMost(Handle());
    KeepClickThrough(Handle());
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
        case WM_WINDOWPOSCHANGED:
            placement_.Note(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return Form::HandleMessage(msg, wParam, lParam);
        case WM_DISPLAYCHANGE:
            monitor_.SetMonitors(ui::Monitors());
            return Form::HandleMessage(msg, wParam, lParam);
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}
