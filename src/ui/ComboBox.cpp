#include "ui/ComboBox.h"

namespace ui {
namespace {
constexpr int kDroppedHeight = 160;  // the open list; the closed box is as high as its font needs
}

ComboBox::ComboBox(HWND parent, int left, int top, int width, const std::vector<std::wstring>& items, HFONT font,
                   bool editable) {
    CreateSystemControl(0, L"COMBOBOX", L"",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST),
                        left, top, width, kDroppedHeight, parent);
    SetFont(font ? font : DefaultFont());
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(Handle(), &info)) SendMessageW(info.hwndItem, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    for (const std::wstring& item : items)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(Handle(), CB_SETCURSEL, 0, 0);
}

int ComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

void ComboBox::Select(int index) {
    ShowChosen(index);
    if (OnChange) OnChange();
}

void ComboBox::ShowChosen(int index) { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

bool ComboBox::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND || HIWORD(wParam) != CBN_SELCHANGE) return false;
    if (OnChange) OnChange();
    result = 0;
    return true;
}

bool ComboBox::DroppedDown() const { return SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void ComboBox::CloseUp() { SendMessageW(Handle(), CB_SHOWDROPDOWN, FALSE, 0); }

}  // namespace ui
