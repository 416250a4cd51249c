// The icon in the notification area, owned by the follower window. Its record is filled
// once and used unchanged to add and delete the icon.
#pragma once
#include <windows.h>
#include <shellapi.h>

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
    bool Added() const { return added_; }
    // The notification area was re-created (the shell restarted): put the icon back.
    void Restore();

    // The message the shell broadcasts when it re-creates the notification area.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAW data_{};
    UniqueIcon icon_;  // the small size of the program's icon, loaded for the tray
    bool added_ = false;
};

}  // namespace ui
