#include "pen/Zoom.h"

#include <algorithm>
#include <cmath>

namespace pen {
namespace {

constexpr double kStep = 1.25;
constexpr double kMost = 4.0;

// Along one side of `length` pixels: where the part begins and how long it is, for the
// pixel `at` to keep its place once the part is stretched by `factor`.
struct Span {
    int start, length;
};

Span SourceSpan(int length, int at, double factor) {
    const int part = std::max(1, static_cast<int>(std::lround(length / factor)));
    // The pointer's pixel centre keeps its place: c = (c - start) * factor. The start
    // grows with the pointer, so one beyond the surface meets the same limit as the edge.
    const double centre = at + 0.5;
    const int start = static_cast<int>(std::lround(centre - centre / factor));
    return {std::clamp(start, 0, length - part), part};
}

}  // namespace

double ZoomFactor(int level) { return std::min(std::pow(kStep, level), kMost); }

Rect ZoomSource(Size size, Point pointer, int level) {
    const double factor = ZoomFactor(level + 1) / ZoomFactor(level);
    const Span x = SourceSpan(size.width, pointer.x, factor), y = SourceSpan(size.height, pointer.y, factor);
    return {x.start, y.start, x.start + x.length, y.start + y.length};
}

}  // namespace pen
