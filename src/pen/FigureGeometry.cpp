#include "pen/FigureGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
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

std::vector<Rect> EraserSweep(Point from, Point to, int half) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const int top = std::min(from.y, to.y) - half;
    // Each row's span: the squares along the line overlap, so a row is one run of pixels.
    std::vector<Rect> rows(static_cast<std::size_t>(std::abs(dy) + 2 * half), Rect{INT_MAX, 0, INT_MIN, 0});
    for (int i = 0; i <= steps; ++i) {
        const double t = steps ? static_cast<double>(i) / steps : 0.0;
        const Point centre{from.x + static_cast<int>(std::lround(dx * t)), from.y + static_cast<int>(std::lround(dy * t))};
        for (int y = centre.y - half; y < centre.y + half; ++y) {
            Rect& row = rows[static_cast<std::size_t>(y - top)];
            row.left = std::min(row.left, centre.x - half);
            row.right = std::max(row.right, centre.x + half);
        }
    }
    std::vector<Rect> sweep;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int y = top + static_cast<int>(i);
        if (!sweep.empty() && sweep.back().left == rows[i].left && sweep.back().right == rows[i].right)
            sweep.back().bottom = y + 1;
        else
            sweep.push_back({rows[i].left, y, rows[i].right, y + 1});
    }
    return sweep;
}

Rect FigureBounds(DrawTool tool, Point from, Point to, int penWidth, int eraserSize) {
    if (tool == DrawTool::Text) return {};
    if (tool == DrawTool::Eraser) return Union(EraserSquare(from, eraserSize), EraserSquare(to, eraserSize));
    // Both end points themselves, then the arrow heads.
    Rect r = Including(Including(Rect{from.x, from.y, from.x, from.y}, from), to);
    if (tool == DrawTool::Arrow || tool == DrawTool::DoubleArrow) r = WithHead(r, to, from);
    if (tool == DrawTool::DoubleArrow) r = WithHead(r, from, to);
    // A wide pen reaches half its width past every point, plus a pixel of rounding.
    return Inflated(r, penWidth / 2 + 1);
}

}  // namespace pen
