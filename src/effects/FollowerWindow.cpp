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
    : PointerOverlay(FollowerParams()), picture(Handle(), 0, 0, kSize, kSize, ui::SeeThrough), host_(host) {
    // The see-through grey around the picture lets the screen show.
    SetLayeredWindowAttributes(Handle(), ui::kSeeThroughKey, 0, LWA_COLORKEY);
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
    PointerOverlay::OnShow();
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

void FollowerWindow::OnDestroy() { tray_.Delete(); }

void FollowerWindow::Follow(ScreenPoint pointer, std::int64_t) { PlaceAt(FollowerOrigin(pointer, offset_)); }

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
        default:
            if (msg == ui::TrayIcon::TaskbarCreatedMessage()) {
                tray_.Restore();
                return 0;
            }
            return PointerOverlay::HandleMessage(msg, wParam, lParam);
    }
}
