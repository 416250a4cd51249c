#include "effects/HaloWindow.h"

#include "effects/EffectsTexts.h"
#include "effects/SettingsFile.h"
#include "effects/StoredSettings.h"
#include "store/Settings.h"
#include "ui/Application.h"
#include "ui/Handles.h"
#include "ui/Screen.h"

namespace {

ui::FormParams HaloParams() {
    ui::FormParams p;
    p.className = effects::kHaloClass;
    p.caption = effects::kHaloCaption;
    p.border = ui::BorderStyle::None;
    p.width = 585;  // the design size, kept when the settings cannot be read
    p.height = 501;
    p.color = ui::Magenta;
    p.topMost = true;
    p.toolWindow = true;
    p.activateOnShow = false;
    return p;
}

}  // namespace

HaloWindow::HaloWindow(EffectHost& host) : ui::Form(HaloParams()), followTimer(*this, 10, false), host_(host) {
    KeepClickThrough(Handle());
    SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    followTimer.OnTimer = [this] { FollowPointer(); };
}

void HaloWindow::OnCreate() {
    // A stored size the settings window would refuse can stall the window system (a
    // region of 32767 pixels and more), so only checked values reach the window.
    const CheckedHalo stored = CheckStoredHalo(ReadHaloSettings(SettingsFile()));
    host_.ReportStoredProblems(stored.problems);
    ApplySettings(stored.values.color, stored.values.alpha, stored.values.diameter);
}

void HaloWindow::ApplySettings(int color, int alpha, int diameter) {
    SetSize(diameter, diameter);
    SetColor(color);
    alpha_ = static_cast<BYTE>(alpha & 0xFF);
    SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    // The system owns the region once it is set; a later call replaces it.
    ui::UniqueRegion region(CreateRoundRectRgn(0, 0, Width(), Height(), diameter, diameter));
    if (SetWindowRgn(Handle(), region.get(), TRUE)) region.release();
    diameter_ = diameter;
}

// Like the follower's, the tick runs only while the halo is shown; it starts at the pointer.
void HaloWindow::OnShow() {
    FollowPointer();
    followTimer.SetEnabled(true);
}

void HaloWindow::OnHide() { followTimer.SetEnabled(false); }

void HaloWindow::FollowPointer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    placement_.MoveTo(Handle(), HaloOrigin(pointer, diameter_));
    // Another program's top-most window shown later goes above the halo, and a full-screen
    // program can take top-most from it; the halo takes its place back on the next tick.
    KeepTopMost(Handle());
    KeepClickThrough(Handle());
}

LRESULT HaloWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_WINDOWPOSCHANGED:
            placement_.Note(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return Form::HandleMessage(msg, wParam, lParam);
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}
