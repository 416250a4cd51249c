// The icon in the notification area and its messages, for the window that carries it.
// Its record is filled once and used unchanged to add and delete the icon.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "ui/Handles.h"

constexpr UINT WM_TRAYICON = WM_USER + 2;  // 1026

namespace ui {

class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Delete(); }

    // Fills the record (callback WM_TRAYICON, id 0, the program's icon, tip "Vellora") and adds the icon.
    void Add(HWND owner);
    void Delete();
    // The tip the icon shows from now on (at most 63 characters).
    void SetTip(const std::wstring& tip);
    std::wstring Tip() const { return data_.szTip; }
    bool Added() const { return added_; }

    // The carrying window's messages that are the icon's: the right button pressed over
    // it (OnMenu at the pointer; other buttons do nothing) and the notification area
    // re-created by a restarted shell (the icon goes back). False for any other message.
    bool HandleMessage(UINT msg, LPARAM lParam);
    std::function<void(POINT at)> OnMenu;

private:
    // The message the shell broadcasts when it re-creates the notification area.
    static UINT TaskbarCreatedMessage();

    NOTIFYICONDATAW data_{};
    UniqueIcon icon_;  // the small size of the program's icon, loaded for the tray
    bool added_ = false;
};

}  // namespace ui
