#include "ui/Image.h"


namespace ui {

Image::Image(HWND parent, int left, int top, int width, int height, Color background, bool stretch)
    : stretch_(stretch), background_(background) {
    RegisterClassOnce(L"TImage");
    CreateHandle(0, L"TImage", L"", WS_CHILD | WS_VISIBLE, left, top, width, height, parent);
}

void Image::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Image::Paint(HDC dc) {
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, background_.Brush());
    if (stretch_)
        picture_.DrawStretched(dc, r);
    else
        picture_.Draw(dc, 0, 0);
}

LRESULT Image::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (ServePaint(msg, wParam, [this](HDC dc, const RECT&) { Paint(dc); })) return 0;
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_LBUTTONUP:
            if (OnClick) OnClick();
            return 0;
        default:
            return Default(msg, wParam, lParam);
    }
}

}  // namespace ui
