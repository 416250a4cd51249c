#include "ui/Label.h"

namespace ui {

Label::Label(HWND parent, int left, int top, const std::wstring& caption, HFONT font, Color background)
    : background_(background) {
    RegisterClassOnce(L"TLabel");
    CreateHandle(0, L"TLabel", caption.c_str(), WS_CHILD | WS_VISIBLE, left, top, 10, 10, parent);
    SetFont(font);  // sizes the label to its text
}

void Label::FitToText() {
    const std::wstring text = Text();
    WindowDC dc(Handle());
    SelectScope selected(dc.get(), font_ ? font_ : DefaultFont());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SetSize(r.right, r.bottom);
}

void Label::Paint(HDC dc) {
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, background_.Brush());
    const std::wstring text = Text();
    SelectScope font(dc, font_ ? font_ : DefaultFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));  // the text of the chrome, as on its buttons
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT Label::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (ServePaint(msg, wParam, [this](HDC dc, const RECT&) { Paint(dc); })) return 0;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            FitToText();
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = Default(msg, wParam, lParam);
            FitToText();
            return result;
        }
        default:
            return Default(msg, wParam, lParam);
    }
}

}  // namespace ui
