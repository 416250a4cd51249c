#include "pen/TextBox.h"

#include "ui/ColorRef.h"

TextBox::TextBox(HWND parent, const ui::Surface& picture, int left, int top, int width, int height)
    : ui::Edit(parent, left, top, width, height, L""), picture_(picture) {}

bool TextBox::Reflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORSTATIC) return ui::Edit::Reflected(msg, wParam, lParam, result);
    const HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, ui::ColorToRGB(FontColor()));
    // The text lies over the picture, which the background brush paints.
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(PictureBeneath());
    return true;
}

HBRUSH TextBox::PictureBeneath() {
    RECT client{};
    GetClientRect(Handle(), &client);
    POINT at{0, 0};
    MapWindowPoints(Handle(), GetParent(Handle()), &at, 1);
    const HDC picture = picture_.Dc();
    ui::UniqueBitmap pattern(CreateCompatibleBitmap(picture, client.right, client.bottom));
    {
        ui::MemoryDC copy(CreateCompatibleDC(picture));
        ui::SelectScope selected(copy.get(), pattern.get());
        BitBlt(copy.get(), 0, 0, client.right, client.bottom, picture, at.x, at.y, SRCCOPY);
    }
    ui::UniqueBrush brush(CreatePatternBrush(pattern.get()));
    // The previous brush is done with: the box asks for its brush once per paint.
    beneath_ = std::move(brush);
    pattern_ = std::move(pattern);
    return beneath_.get();
}
