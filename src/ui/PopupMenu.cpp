#include "ui/PopupMenu.h"

#include "ui/Application.h"

namespace ui {

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

std::size_t PopupMenu::Add(const std::wstring& caption, std::function<void()> onClick) {
    handlers_.push_back(std::move(onClick));
    AppendMenuW(menu_.get(), MF_STRING, handlers_.size(), caption.c_str());
    return handlers_.size() - 1;
}

void PopupMenu::SetChecked(std::size_t index, bool checked) {
    CheckMenuItem(menu_.get(), static_cast<UINT>(index), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool PopupMenu::Checked(std::size_t index) const {
    return (GetMenuState(menu_.get(), static_cast<UINT>(index), MF_BYPOSITION) & MF_CHECKED) != 0;
}

std::wstring PopupMenu::Caption(std::size_t index) const {
    wchar_t text[256] = {};
    GetMenuStringW(menu_.get(), static_cast<UINT>(index), text, 256, MF_BYPOSITION);
    return text;
}

void PopupMenu::Click(std::size_t index) {
    if (index < handlers_.size() && handlers_[index]) handlers_[index]();
}

void PopupMenu::Popup(HWND owner, int x, int y) {
    // The owner must be in front, or the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = Application::Current().TrackMenu(
        menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, owner);
    // The other half of bringing the owner to the front: without a message to the owner
    // after the menu, a menu opened from the tray icon may not close, or open only every
    // second time.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen > 0) Click(chosen - 1);
}

}  // namespace ui
