#include "ui/Edit.h"

#include "ui/ColorRef.h"

namespace ui {

Edit::Edit(HWND parent, int left, int top, int width, int height, const std::wstring& text, bool visible)
    : background_(WindowBackground) {
    CreateSystemControl(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                        WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | (visible ? WS_VISIBLE : 0), left, top, width, height,
                        parent);
    SetFont(DefaultFont());
}

void Edit::SetColor(Color color) {
    if (background_.Set(color)) InvalidateRect(Handle(), nullptr, TRUE);
}

void Edit::SetFontColor(Color color) {
    fontColor_ = color;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Edit::Focus() { SetFocus(Handle()); }

LRESULT Edit::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CHAR:
            if (OnKeyPress) {
                auto key = static_cast<wchar_t>(wParam);
                OnKeyPress(key);
                if (key == 0) return 0;
                wParam = key;
            }
            break;
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = Default(msg, wParam, lParam);
            if (OnDblClick) OnDblClick();
            return result;
        }
        default:
            break;
    }
    return Default(msg, wParam, lParam);
}

bool Edit::Reflected(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        if (OnChange) OnChange();
        result = 0;
        return true;
    }
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ColorToRGB(fontColor_));
        SetBkColor(dc, ColorToRGB(background_.Get()));
        result = reinterpret_cast<LRESULT>(background_.Brush());
        return true;
    }
    return false;
}

}  // namespace ui
