#include "effects/FollowerWindow.h"

#include "effects/EffectsTexts.h"
#include "effects/StoredSettings.h"
#include "store/Settings.h"
#include "ui/Application.h"
#include "ui/ProgramFiles.h"
#include "ui/Screen.h"

namespace {

constexpr int kSize = 128;

ui::FormParams FollowerParams() {
    ui::FormParams p = ui::OverlayParams(effects::kFollowerClass, effects::kFollowerCaption);
    p.width = kSize;
    p.height = kSize;
    p.color = ui::SeeThrough;
    p.mainForm = true;
    return p;
}

}  // namespace

FollowerWindow::FollowerWindow(EffectHost& host)
    : PointerOverlay(FollowerParams()), picture(Handle(), 0, 0, kSize, kSize, ui::SeeThrough), host_(host) {
    // The see-through grey around the picture lets the screen show.
    SetLayeredWindowAttributes(Handle(), ui::kSeeThroughKey, 0, LWA_COLORKEY);
    tray_.OnMenu = [this](POINT at) { host_.PopupCommandMenu(Handle(), at); };
}

void FollowerWindow::OnCreate() {
    SetSize(kSize, kSize);
    tray_.Add(Handle());
}

void FollowerWindow::TakeStart(const std::wstring& path, int offset, ui::Picture shown) {
    picturePath_ = path;
    offset_ = offset;
    picture.SetPicture(std::move(shown));
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

LRESULT FollowerWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (tray_.HandleMessage(msg, lParam)) return 0;
    return PointerOverlay::HandleMessage(msg, wParam, lParam);
}
