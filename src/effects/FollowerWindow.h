// The follower: the picture that follows the pointer in a borderless, top-most,
// click-through window, and the keyboard mouse mode. It is the program's main window and
// carries the tray icon.
#pragma once
#include <array>
#include <string>

#include "app/Presenter.h"

#include "ui/TrayIcon.h"
#include "effects/PointerOverlay.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Timer.h"

struct PictureSettings;

class FollowerWindow : public ui::Form {
public:
    explicit FollowerWindow(Presenter& presenter);

    int PictureOffset() const { return offset_; }
    void SetPictureOffset(int offset) { offset_ = offset; }
    const std::wstring& PicturePath() const { return picturePath_; }
    bool KeyboardMouse() const { return keyboardMouse_; }
    bool HasTrayIcon() const { return tray_.Added(); }
    // Ids stored at registration: F8, F5 (with the arrows), F6, then Left, Right, Up, Down.
    const std::array<int, 7>& HotKeyIds() const { return hotKeyIds_; }

    // Takes the stored offset and picture, in that order.
    void TakeSettings(const PictureSettings& stored);

    ui::Image picture;
    ui::Timer followTimer;  // ticks only while shown

    void FollowPointer();
    void OnHotKey(WPARAM wParam, LPARAM lParam);
    void OnTrayIcon(LPARAM lParam);

protected:
    void OnCreate() override;
    void OnShow() override;
    void OnHide() override;
    void OnDestroy() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // The stored offset when the settings window would accept it, else the default; a
    // fallback is reported.
    int UsableOffset(const PictureSettings& stored);
    void ToggleKeyboardMouse();
    void ReleaseKeyboardMouseKeys();
    void MoveBy(ScreenPoint step);

    Presenter& presenter_;
    std::wstring picturePath_;
    int offset_ = 0;
    bool keyboardMouse_ = false;
    std::array<int, 7> hotKeyIds_{};
    ui::TrayIcon tray_;
    OverlayPlacement placement_;
};
