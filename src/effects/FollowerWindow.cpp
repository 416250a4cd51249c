#include "effects/FollowerWindow.h"

#include "effects/EffectsTexts.h"
#include "effects/SettingsFile.h"
#include "effects/StoredSettings.h"
#include "store/Settings.h"
#include "ui/Application.h"
#include "ui/HotKeys.h"
#include "ui/ProgramFiles.h"
#include "ui/Screen.h"

namespace {

constexpr int kSize = 128;

ui::FormParams FollowerParams() {
    ui::FormParams p;
    p.className = effects::kFollowerClass;
    p.caption = effects::kFollowerCaption;
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

FollowerWindow::FollowerWindow(Presenter& presenter)
    : ui::Form(FollowerParams()),
      picture(Handle(), 0, 0, kSize, kSize, ui::SeeThrough),
      followTimer(*this, 10, false),
      presenter_(presenter) {
    // The see-through grey around the picture lets the screen show; every mouse action
    // passes through the window.
    KeepClickThrough(Handle());
    SetLayeredWindowAttributes(Handle(), ui::kSeeThroughKey, 0, LWA_COLORKEY);
    followTimer.OnTimer = [this] { FollowPointer(); };
}

void FollowerWindow::OnCreate() {
    // The keys and the tray icon are the program's frame: they come first, so a settings
    // database or a picture that cannot be read costs only the picture.
    hotKeyIds_[kF8] = ui::RegisterAppHotKey(Handle(), hotkeys::F8);
    hotKeyIds_[kF6] = ui::RegisterAppHotKey(Handle(), hotkeys::F6);
    SetSize(kSize, kSize);
    tray_.Add(Handle());
    keyboardMouse_ = false;

    const PictureSettings settings = ReadPictureSettings(SettingsFile());
    picturePath_ = settings.fileName;
    offset_ = UsableOffset(settings);
    picture.SetPicture(ui::Picture::LoadPng(ui::BesideProgram(picturePath_)));
}

void FollowerWindow::OnShow() {
    // The tick runs only while the follower is shown: a hidden one need not follow, and
    // an idle program should not wake a hundred times a second. It starts at the pointer.
    FollowPointer();
    followTimer.SetEnabled(true);
    presenter_.PictureShown();
    ShowWindow(ui::Application::Current().OwnerWindow(), SW_HIDE);
}

void FollowerWindow::TakeSettings(const PictureSettings& stored) {
    SetPictureOffset(UsableOffset(stored));
    picture.SetPicture(ui::Picture::LoadPng(ui::BesideProgram(stored.fileName)));
}

int FollowerWindow::UsableOffset(const PictureSettings& stored) {
    const CheckedOffset checked = CheckStoredOffset(stored);
    presenter_.ReportStoredProblems(checked.problems);
    return checked.offset;
}

void FollowerWindow::OnHide() { followTimer.SetEnabled(false); }

void FollowerWindow::OnDestroy() {
    ui::UnregisterAppHotKey(Handle(), hotKeyIds_[kF8]);
    ui::UnregisterAppHotKey(Handle(), hotKeyIds_[kF6]);
    if (keyboardMouse_) ReleaseKeyboardMouseKeys();
    tray_.Delete();
}

void FollowerWindow::FollowPointer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    placement_.MoveTo(Handle(), FollowerOrigin(pointer, offset_));
    KeepClickThrough(Handle());
}

// F5 is held only with the arrows: outside the keyboard mouse it does nothing here, and
// other programs (a browser's reload, a slide show's start) need it.
void FollowerWindow::ToggleKeyboardMouse() {
    if (!keyboardMouse_) {
        keyboardMouse_ = true;
        hotKeyIds_[kLeft] = ui::RegisterAppHotKey(Handle(), hotkeys::Left);
        hotKeyIds_[kRight] = ui::RegisterAppHotKey(Handle(), hotkeys::Right);
        hotKeyIds_[kUp] = ui::RegisterAppHotKey(Handle(), hotkeys::Up);
        hotKeyIds_[kDown] = ui::RegisterAppHotKey(Handle(), hotkeys::Down);
        hotKeyIds_[kF5] = ui::RegisterAppHotKey(Handle(), hotkeys::F5);
    } else {
        keyboardMouse_ = false;
        ReleaseKeyboardMouseKeys();
    }
}

void FollowerWindow::ReleaseKeyboardMouseKeys() {
    for (int i = kLeft; i <= kDown; ++i) ui::UnregisterAppHotKey(Handle(), hotKeyIds_[i]);
    ui::UnregisterAppHotKey(Handle(), hotKeyIds_[kF5]);
}

void FollowerWindow::MoveBy(ScreenPoint step) {
    POINT p;
    GetCursorPos(&p);
    SetCursorPos(p.x + step.x, p.y + step.y);
    SetPosition(Left() + step.x, Top() + step.y);
}

void FollowerWindow::OnHotKey(WPARAM, LPARAM lParam) {
    const unsigned key = HotKeyVirtualKey(lParam);
    if (key == hotkeys::F8.virtualKey) {
        presenter_.ToggleEffect(PointerEffect::Picture);
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

void FollowerWindow::OnTrayIcon(LPARAM lParam) {
    if (static_cast<UINT>(lParam) != WM_RBUTTONDOWN) return;
    POINT p;
    GetCursorPos(&p);
    presenter_.PopupCommandMenu(Handle(), p);
}

LRESULT FollowerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_HOTKEY:
            OnHotKey(wParam, lParam);
            return 0;
        case WM_TRAYICON:
            OnTrayIcon(lParam);
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
