#include "pen/Figures.h"

#include "pen/ArrowHead.h"

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
            break;
    }
}

}  // namespace pen
