#include "effects/HaloWindow.h"

#include "app/Inventory.h"
#include "effects/FollowerWindow.h"
#include "store/Settings.h"
#include "ui/Application.h"
#include "ui/Handles.h"
#include "ui/HotKeys.h"
#include "ui/Screen.h"

namespace {

ui::FormParams HaloParams() {
    ui::FormParams p;
    p.className = L"TForm3";
    p.caption = L"特效3";
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

TForm3::TForm3(Inventory& inventory) : ui::Form(HaloParams()), Timer3(*this, 10, false), inventory_(inventory) {
    KeepClickThrough(Handle());
    SetLayeredWindowAttributes(Handle(), 0, alpha_, LWA_ALPHA);
    Timer3.OnTimer = [this] { Timer3Timer(); };
}

void TForm3::OnCreate() {
    hotKeyId_ = ui::RegisterAppHotKey(Handle(), hotkeys::F7);
    const HaloValues stored = ToHaloValues(ReadHaloSettings());
    ApplySettings(stored.color, stored.alpha, stored.diameter);
}

void TForm3::ApplySettings(int color, int alpha, int diameter) {
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
void TForm3::OnShow() {
    Timer3Timer();
    Timer3.SetEnabled(true);
}

void TForm3::OnHide() { Timer3.SetEnabled(false); }

void TForm3::Timer3Timer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    placement_.MoveTo(Handle(), HaloOrigin(pointer, diameter_));
    if (!(GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST))
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    KeepClickThrough(Handle());
}

void TForm3::WMHotKey(WPARAM, LPARAM lParam) {
    if (HotKeyVirtualKey(lParam) != hotkeys::F7.virtualKey) return;
    TForm2& follower = inventory_.follower();
    if (follower.Visible()) follower.Hide();
    if (Visible())
        Hide();
    else
        Show();
}

void TForm3::OnClose() { ui::UnregisterAppHotKey(Handle(), hotKeyId_); }

LRESULT TForm3::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_HOTKEY:
            WMHotKey(wParam, lParam);
            return 0;
        case WM_WINDOWPOSCHANGED:
            placement_.Note(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return Form::HandleMessage(msg, wParam, lParam);
        default:
            return Form::HandleMessage(msg, wParam, lParam);
    }
}
