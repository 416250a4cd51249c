#include "ui/Control.h"

namespace ui {

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

RECT Control::RectInParent() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Control::Left() const { return RectInParent().left; }
int Control::Top() const { return RectInParent().top; }
int Control::Width() const {
    const RECT r = RectInParent();
    return r.right - r.left;
}
int Control::Height() const {
    const RECT r = RectInParent();
    return r.bottom - r.top;
}

void Control::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    NotePlacement();
}

void Control::SetPosition(int left, int top) {
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    NotePlacement();
}

void Control::SetSize(int width, int height) {
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    NotePlacement();
}

bool Control::Visible() const { return (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::Show() { ShowWindow(Handle(), SW_SHOWNA); }
void Control::Hide() { ShowWindow(Handle(), SW_HIDE); }

void Control::SetFont(HFONT font) {
    // The stock font is drawn for 96 DPI: a form laid out at another DPI has its own.
    if (font == DefaultFont()) {
        const Window* form = FromHandle(GetAncestor(Handle(), GA_ROOT));
        if (HFONT scaled = form ? form->ScaledDefaultFont() : nullptr) font = scaled;
    }
    font_ = font;
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::wstring Control::Text() const {
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(Handle(), text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void Control::SetText(const std::wstring& text) {
    SetWindowTextW(Handle(), text.c_str());
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace ui
