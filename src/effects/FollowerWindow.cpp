#include "effects/FollowerWindow.h"

#include "app/Inventory.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "store/Settings.h"
#include "ui/Application.h"
#include "ui/HotKeys.h"
#include "ui/PopupMenu.h"
#include "ui/Screen.h"

namespace {

constexpr int kSize = 128;

ui::FormParams FollowerParams() {
    ui::FormParams p;
    p.className = L"TForm2";
    p.caption = L"Vellora";
    p.border = ui::BorderStyle::None;
    p.width = kSize;
    p.height = kSize;
    p.color = ui::SeeThrough;
    p.topMost = true;
    p.toolWindow = true;
    p.activateOnShow = false;
    p.mainForm = true;
    return p;
}

// The indexes of HotKeyIds().
enum { kF8, kF5, kF6, kLeft, kRight, kUp, kDown };

}  // namespace

TForm2::TForm2(Inventory& inventory)
    : ui::Form(FollowerParams()),
      Image1(Handle(), 0, 0, kSize, kSize, ui::SeeThrough),
      Timer2(*this, 10, false),
      inventory_(inventory) {
    // The see-through grey around the picture lets the screen show; every mouse action
    // passes through the window.
    KeepClickThrough(Handle());
    SetLayeredWindowAttributes(Handle(), ui::kSeeThroughKey, 0, LWA_COLORKEY);
    Timer2.OnTimer = [this] { Timer2Timer(); };
}

void TForm2::OnCreate() {
    const PictureSettings settings = ReadPictureSettings();
    picturePath_ = settings.fileName;
    offset_ = ToPictureOffset(settings);
    Image1.SetPicture(ui::Picture::LoadPng(picturePath_));

    hotKeyIds_[kF8] = ui::RegisterAppHotKey(Handle(), hotkeys::F8);
    hotKeyIds_[kF5] = ui::RegisterAppHotKey(Handle(), hotkeys::F5);
    hotKeyIds_[kF6] = ui::RegisterAppHotKey(Handle(), hotkeys::F6);
    SetSize(kSize, kSize);
    tray_.Add(Handle());
    keyboardMouse_ = false;
}

void TForm2::OnShow() {
    // The tick runs only while the follower is shown: a hidden one need not follow, and
    // an idle program should not wake a hundred times a second. It starts at the pointer.
    Timer2Timer();
    Timer2.SetEnabled(true);
    inventory_.controlBarForm().Show();
    inventory_.settingsWindow().Close();
    ShowWindow(ui::Application::Current().OwnerWindow(), SW_HIDE);
}

void TForm2::OnHide() { Timer2.SetEnabled(false); }

void TForm2::OnDestroy() {
    ui::UnregisterAppHotKey(Handle(), hotKeyIds_[kF8]);
    ui::UnregisterAppHotKey(Handle(), hotKeyIds_[kF5]);
    ui::UnregisterAppHotKey(Handle(), hotKeyIds_[kF6]);
    tray_.Delete();
}

void TForm2::Timer2Timer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    placement_.MoveTo(Handle(), FollowerOrigin(pointer, offset_));
    KeepClickThrough(Handle());
}

void TForm2::ToggleKeyboardMouse() {
    if (!keyboardMouse_) {
        keyboardMouse_ = true;
        hotKeyIds_[kLeft] = ui::RegisterAppHotKey(Handle(), hotkeys::Left);
        hotKeyIds_[kRight] = ui::RegisterAppHotKey(Handle(), hotkeys::Right);
        hotKeyIds_[kUp] = ui::RegisterAppHotKey(Handle(), hotkeys::Up);
        hotKeyIds_[kDown] = ui::RegisterAppHotKey(Handle(), hotkeys::Down);
    } else {
        keyboardMouse_ = false;
        for (int i = kLeft; i <= kDown; ++i) ui::UnregisterAppHotKey(Handle(), hotKeyIds_[i]);
    }
}

void TForm2::MoveBy(ScreenPoint step) {
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x + step.x, p.y + step.y);
    SetPosition(Left() + step.x, Top() + step.y);
}

void TForm2::WMHotKey(WPARAM, LPARAM lParam) {
    const unsigned key = HotKeyVirtualKey(lParam);
    if (key == hotkeys::F8.virtualKey) {
        TForm3& halo = inventory_.halo();
        if (halo.Visible()) halo.Hide();
        if (Visible())
            Hide();
        else
            Show();
    } else if (key == hotkeys::F6.virtualKey) {
        ToggleKeyboardMouse();
    } else if (key == hotkeys::F5.virtualKey) {
        if (!keyboardMouse_) return;
        auto& mouseEvent = ui::Application::Current().Dialogs().mouseEvent;
        mouseEvent(MOUSEEVENTF_LEFTDOWN, Left(), Top());
        mouseEvent(MOUSEEVENTF_LEFTUP, Left(), Top());
    } else if (const ScreenPoint step = ArrowStep(key); step != ScreenPoint{}) {
        if (keyboardMouse_) MoveBy(step);
    }
}

void TForm2::WMTrayIcon(LPARAM lParam) {
    if (static_cast<UINT>(lParam) != WM_RBUTTONDOWN) return;
    POINT p;
    GetCursorPos(&p);
    inventory_.controlBarMenu().Popup(Handle(), p.x, p.y);
    PostMessageW(Handle(), WM_NULL, 0, 0);
}

LRESULT TForm2::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_HOTKEY:
            WMHotKey(wParam, lParam);
            return 0;
        case WM_TRAYICON:
            WMTrayIcon(lParam);
            return 0;
        case WM_WINDOWPOSCHANGED:
            placement_.Note(*reinterpret_cast<const WINDOWPOS*>(lParam));
            return Form::HandleMessage(msg, wParam, lParam);
        default:
            if (msg == ui::TrayIcon::TaskbarCreatedMessage()) {
                tray_.Restore();
                return 0;
            }
            return Form::HandleMessage(msg, wParam, lParam);
    }
}
