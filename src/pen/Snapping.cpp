#include "pen/Snapping.h"

#include <algorithm>
#include <cstdlib>

namespace pen {

namespace {

int SignOf(int value) { return value < 0 ? -1 : 1; }

// The nearest direction in steps of 45 degrees: within 22.5 degrees of an axis the drag
// keeps to the axis (tan 22.5 degrees = 0.4142), else to the diagonal, as long as the
// drag's two sides on average.
Point AlongNearestDirection(Point from, Point to) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    const long long across = std::abs(dx), down = std::abs(dy);
    if (down * 10000 <= across * 4142) return {to.x, from.y};
    if (across * 10000 <= down * 4142) return {from.x, to.y};
    const int side = static_cast<int>((across + down) / 2);
    return {from.x + SignOf(dx) * side, from.y + SignOf(dy) * side};
}

Point Squared(Point from, Point to) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int side = std::max(std::abs(dx), std::abs(dy));
    return {from.x + SignOf(dx) * side, from.y + SignOf(dy) * side};
}

}  // namespace

Point Snapped(DrawTool tool, Point from, Point to) {
    switch (tool) {
        case DrawTool::Line:
        case DrawTool::Arrow:
        case DrawTool::DoubleArrow:
            return AlongNearestDirection(from, to);
        case DrawTool::Rectangle:
        case DrawTool::RoundRect:
        case DrawTool::Ellipse:
            return Squared(from, to);
        default:
            return to;
    }
}

}  // namespace pen
