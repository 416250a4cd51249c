// The follower: the picture that follows the pointer in a borderless, top-most,
// click-through window. It is the program's main window and carries the tray icon.
#pragma once
#include <string>

#include "effects/EffectHost.h"
#include "effects/PointerOverlay.h"
#include "ui/TrayIcon.h"
#include "ui/Image.h"

struct PictureSettings;

class FollowerWindow : public PointerOverlay {
public:
    explicit FollowerWindow(EffectHost& host);

    int PictureOffset() const { return offset_; }
    void SetPictureOffset(int offset) { offset_ = offset; }
    const std::wstring& PicturePath() const { return picturePath_; }
    bool HasTrayIcon() const { return tray_.Added(); }
    void SetTrayTip(const std::wstring& tip) { tray_.SetTip(tip); }
    std::wstring TrayTip() const { return tray_.Tip(); }

    // Takes the stored offset and picture, in that order.
    void TakeSettings(const PictureSettings& stored);
    // What start-up read: the path as stored, the checked offset, the loaded picture.
    void TakeStart(const std::wstring& path, int offset, ui::Picture picture);

    ui::Image picture;

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnDestroy() override;
    void Follow(ScreenPoint pointer, std::int64_t nowMs) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The stored offset when the settings window would accept it, else the default; a
    // fallback is reported.
    int UsableOffset(const PictureSettings& stored);

    EffectHost& host_;
    std::wstring picturePath_;
    int offset_ = 0;
    ui::TrayIcon tray_;
};
