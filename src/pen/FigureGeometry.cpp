#include "pen/FigureGeometry.h"

#include <algorithm>
#include <cstdlib>

#include "pen/ArrowHead.h"
#include "pen/DrawTool.h"

namespace pen {
namespace {

Rect Inflated(Rect r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

Rect Including(Rect r, Point p) {
    return {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x + 1), std::max(r.bottom, p.y + 1)};
}

Rect WithHead(Rect r, Point tip, Point tail) {
    if (const auto barbs = ArrowBarbs(tip, tail)) r = Including(Including(r, barbs->first), barbs->second);
    return r;
}

}  // namespace

Rect Between(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

Rect Union(const Rect& a, const Rect& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

Size RoundRectCorner(Point a, Point b) { return {std::abs((a.x - b.x) / 2), std::abs((a.y - b.y) / 2)}; }

Rect EraserSquare(Point centre, int half) {
    return {centre.x - half, centre.y - half, centre.x + half, centre.y + half};
}

Rect FigureBounds(DrawTool tool, Point from, Point to, int penWidth, int eraserSize) {
    if (tool == DrawTool::Text) return {};
    if (tool == DrawTool::Eraser) return EraserSquare(to, eraserSize);
    // Both end points themselves, then the arrow heads.
    Rect r = Including(Including(Rect{from.x, from.y, from.x, from.y}, from), to);
    if (tool == DrawTool::Arrow || tool == DrawTool::DoubleArrow) r = WithHead(r, to, from);
    if (tool == DrawTool::DoubleArrow) r = WithHead(r, from, to);
    // A wide pen reaches half its width past every point, plus a pixel of rounding.
    return Inflated(r, penWidth / 2 + 1);
}

}  // namespace pen
