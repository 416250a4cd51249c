#include "ui/TrayIcon.h"

#include "ui/AppIcon.h"

namespace ui {

void TrayIcon::Add(HWND owner) {
    data_ = NOTIFYICONDATAW{};
    // The plain record layout: callback, icon and a 64-character tip are all it carries.
    data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data_.hWnd = owner;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = WM_TRAYICON;
    // The tray shows small icons: the icon file's own small picture stays crisp, where
    // LoadIcon would give the large one for the shell to shrink.
    icon_.reset(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(VELLORA_ICON_ID), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    data_.hIcon = icon_ ? icon_.get() : LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(data_.szTip, L"Vellora", 64);
    Shell_NotifyIconW(NIM_ADD, &data_);
    added_ = true;
}

void TrayIcon::SetTip(const std::wstring& tip) {
    lstrcpynW(data_.szTip, tip.c_str(), 64);
    // Kept in the record too: a restarted shell gets the icon back with the tip of now.
    if (added_) Shell_NotifyIconW(NIM_MODIFY, &data_);
}

void TrayIcon::Delete() {
    if (!added_) return;
    Shell_NotifyIconW(NIM_DELETE, &data_);
    added_ = false;
}

bool TrayIcon::HandleMessage(UINT msg, LPARAM lParam) {
    if (msg == WM_TRAYICON) {
        POINT at;
        if (static_cast<UINT>(lParam) == WM_RBUTTONDOWN && OnMenu && GetCursorPos(&at)) OnMenu(at);
        return true;
    }
    if (msg != TaskbarCreatedMessage()) return false;
    if (added_) Shell_NotifyIconW(NIM_ADD, &data_);
    return true;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace ui
