#include "pen/TextTool.h"

#include <string>

#include "pen/TextBoxSize.h"
#include "ui/Font.h"

namespace {
constexpr int kFormFontPoints = 8;  // the box starts with the pen window's font
}  // namespace

TextTool::TextTool(HWND penWindow, const ui::Surface& picture, int left, int top)
    : box(penWindow, picture, left, top, 121, 21), penWindow_(penWindow) {
    SetFont(kFormFontPoints);
}

void TextTool::Start(ui::Color color, int penWidth) {
    box.Show();
    box.SetText(L"");
    box.Focus();
    SetColor(color);
    SetFont(pen::TextPoints(penWidth));
}

void TextTool::PlaceAt(int x, int y) {
    box.SetPosition(x, y);
    box.SetText(L"");
    box.Focus();
}

void TextTool::SetPenWidth(int penWidth) {
    SetFont(pen::TextPoints(penWidth));
    FitText(penWidth);
}

void TextTool::FitText(int penWidth) { box.SetSize(pen::TextBoxWidth(TextWidth(), penWidth), box.Height()); }

void TextTool::SetFont(int points) {
    ui::UniqueFont font = ui::CreateFontByPoints(L"MS Sans Serif", points);
    box.SetFont(font.get());
    font_ = std::move(font);  // the box no longer uses the old font when it is destroyed
    TEXTMETRICW metrics{};
    {
        ui::WindowDC dc(box.Handle());
        ui::SelectScope selected(dc.get(), font_.get());
        GetTextMetricsW(dc.get(), &metrics);
    }
    // The height follows the font: the text plus the sunken frame and a margin.
    box.SetSize(box.Width(), metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 4);
}

int TextTool::TextWidth() const {
    const std::wstring text = box.Text();
    ui::WindowDC dc(box.Handle());
    ui::SelectScope selected(dc.get(), box.GetFont() ? box.GetFont() : ui::DefaultFont());
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

RECT TextTool::Bounds() const {
    RECT bounds{};
    if (!box.Visible()) return bounds;
    GetWindowRect(box.Handle(), &bounds);
    MapWindowPoints(nullptr, penWindow_, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

bool TextTool::HoldsText() const { return box.Visible() && GetWindowTextLengthW(box.Handle()) > 0; }

void TextTool::Clear() {
    if (GetWindowTextLengthW(box.Handle()) > 0) box.SetText(L"");
}

RECT TextTool::StampOnto(ui::Surface& target, POINT origin, pen::Drawing& drawing) const {
    if (!HoldsText()) return {};
    RECT bounds = Bounds();
    OffsetRect(&bounds, origin.x, origin.y);
    drawing.BeforeFigure({bounds.left, bounds.top, bounds.right, bounds.bottom});
    RECT client{};
    GetClientRect(box.Handle(), &client);
    POINT at{0, 0};
    MapWindowPoints(box.Handle(), penWindow_, &at, 1);
    at.x += origin.x;
    at.y += origin.y;
    ui::MemoryDC copy(CreateCompatibleDC(target.Dc()));
    ui::UniqueBitmap pixels(CreateCompatibleBitmap(target.Dc(), client.right, client.bottom));
    ui::SelectScope selected(copy.get(), pixels.get());
    SendMessageW(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(copy.get()), PRF_CLIENT | PRF_ERASEBKGND);
    BitBlt(target.Dc(), at.x, at.y, client.right, client.bottom, copy.get(), 0, 0, SRCCOPY);
    drawing.FinishStep();
    return {at.x, at.y, at.x + client.right, at.y + client.bottom};
}
