#include "ui/CheckBox.h"

namespace ui {

CheckBox::CheckBox(HWND parent, int left, int top, int width, int height, const std::wstring& caption,
                   Color background)
    : background_(background) {
    CreateSystemControl(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, left, top,
                        width, height, parent);
    SetFont(DefaultFont());
}

bool CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (OnClick) OnClick();
        result = 0;
        return true;
    }
    if (msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORSTATIC) {
        SetBkColor(reinterpret_cast<HDC>(wParam), ColorToRGB(background_.Get()));
        result = reinterpret_cast<LRESULT>(background_.Brush());
        return true;
    }
    return false;
}

}  // namespace ui
