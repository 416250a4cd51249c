#include "effects/FollowerWindow.h"

#include "effects/EffectsTexts.h"
#include "effects/SettingsFile.h"
#include "effects/StoredSettings.h"
#include "store/Settings.h"
#include "ui/Application.h"
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

}  // namespace

FollowerWindow::FollowerWindow(EffectHost& host)
    : ui::Form(FollowerParams()),
      picture(Handle(), 0, 0, kSize, kSize, ui::SeeThrough),
      followTimer(*this, 10, false),
      host_(host) {
    // The see-through grey around the picture lets the screen show; every mouse action
    // passes through the window.
    KeepClickThrough(Handle());
    SetLayeredWindowAttributes(Handle(), ui::kSeeThroughKey, 0, LWA_COLORKEY);
    followTimer.OnTimer = [this] { FollowPointer(); };
}

void FollowerWindow::OnCreate() {
    // The tray icon is the program's frame: it comes first, so a settings database or a
    // picture that cannot be read costs only the picture.
    SetSize(kSize, kSize);
    tray_.Add(Handle());

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
    host_.PictureShown();
    ShowWindow(ui::Application::Current().OwnerWindow(), SW_HIDE);
}

void FollowerWindow::TakeSettings(const PictureSettings& stored) {
    SetPictureOffset(UsableOffset(stored));
    picture.SetPicture(ui::Picture::LoadPng(ui::BesideProgram(stored.fileName)));
}

int FollowerWindow::UsableOffset(const PictureSettings& stored) {
    const CheckedOffset checked = CheckStoredOffset(stored);
    host_.ReportStoredProblems(checked.problems);
    return checked.offset;
}

void FollowerWindow::OnHide() { followTimer.SetEnabled(false); }

void FollowerWindow::OnDestroy() { tray_.Delete(); }

void FollowerWindow::FollowPointer() {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return;
    placement_.MoveTo(Handle(), FollowerOrigin(pointer, offset_));
    KeepClickThrough(Handle());
}

void FollowerWindow::OnTrayIcon(LPARAM lParam) {
    if (static_cast<UINT>(lParam) != WM_RBUTTONDOWN) return;
    POINT p;
    GetCursorPos(&p);
    host_.PopupCommandMenu(Handle(), p);
}

LRESULT FollowerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
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
