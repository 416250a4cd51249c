#include "pen/Figures.h"

#include "pen/ArrowHead.h"

#include <string>

#include "pen/NumberMarks.h"
#include "ui/ColorRef.h"
#include "ui/Handles.h"

namespace pen {
namespace {

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void Head(ui::Canvas& canvas, Point tip, Point tail) {
    const auto barbs = ArrowBarbs(tip, tail);
    if (!barbs) return;
    canvas.MoveTo(tip.x, tip.y);
    canvas.LineTo(barbs->first.x, barbs->first.y);
    canvas.MoveTo(tip.x, tip.y);
    canvas.LineTo(barbs->second.x, barbs->second.y);
}

void Shaft(ui::Canvas& canvas, Point from, Point to) {
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
}

}  // namespace

void DrawFigure(ui::Canvas& canvas, DrawTool tool, Point origin, Point current) {
    switch (tool) {
        case DrawTool::Pen:
            // Strokes are never rubber-banded: each move adds its segment for good.
            canvas.SetPenMode(ui::PenMode::Copy);
            canvas.LineTo(current.x, current.y);
            break;
        case DrawTool::Highlighter:
            canvas.SetPenMode(ui::PenMode::Mask);
            canvas.LineTo(current.x, current.y);
            break;
        case DrawTool::Line:
            Shaft(canvas, origin, current);
            break;
        case DrawTool::Rectangle:
            canvas.Rectangle(ToRect(Between(origin, current)));
            break;
        case DrawTool::Ellipse:
            canvas.Ellipse(ToRect(Between(origin, current)));
            break;
        case DrawTool::RoundRect: {
            const Size corner = RoundRectCorner(origin, current);
            canvas.RoundRect(ToRect(Between(origin, current)), corner.width, corner.height);
            break;
        }
        case DrawTool::Arrow:
            Shaft(canvas, origin, current);
            Head(canvas, current, origin);
            break;
        case DrawTool::DoubleArrow:
            Shaft(canvas, origin, current);
            Head(canvas, current, origin);
            Head(canvas, origin, current);
            break;
        case DrawTool::Eraser:
        case DrawTool::Text:
        case DrawTool::NumberMark:  // see DrawMark
            break;
    }
}

void DrawMark(ui::Canvas& canvas, Point centre, int number) {
    const HDC dc = canvas.Handle();
    const COLORREF colour = ui::ColorToRGB(canvas.PenColor());
    const int r = MarkRadius(canvas.PenWidth());
    canvas.SetPenMode(ui::PenMode::Copy);
    {
        ui::UniqueBrush fill(CreateSolidBrush(colour));
        ui::UniquePen edge(CreatePen(PS_SOLID, 1, colour));
        ui::SelectScope filled(dc, fill.get()), edged(dc, edge.get());
        ::Ellipse(dc, centre.x - r, centre.y - r, centre.x + r + 1, centre.y + r + 1);
    }
    // Crisp digits: smoothed against the circle they would also be against the empty ink
    // of live ink at their edges.
    ui::UniqueFont font(CreateFontW(-r * 5 / 4, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                    DEFAULT_PITCH | FF_SWISS, L"Arial"));
    ui::SelectScope lettered(dc, font.get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, DarkDigitsOn(ui::PixelOf(colour)) ? RGB(0, 0, 0) : RGB(255, 255, 255));
    RECT box{centre.x - r, centre.y - r, centre.x + r + 1, centre.y + r + 1};
    const std::wstring digits = std::to_wstring(number);
    DrawTextW(dc, digits.c_str(), static_cast<int>(digits.size()), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

}  // namespace pen
