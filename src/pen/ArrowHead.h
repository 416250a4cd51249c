// The head of an arrow: two barbs from the tip, 20 pixels back along the shaft and 10 to
// either side of it, whatever the pen width.
#pragma once
#include <optional>

#include "pen/FigureGeometry.h"

namespace pen {

struct Barbs {
    Point first;
    Point second;
};

// The barbs of the head at `tip` of a shaft coming from `tail`; none when the two points
// coincide. Tail (0, 0) and tip (100, 0) give (80, 10) and (80, -10).
std::optional<Barbs> ArrowBarbs(Point tip, Point tail);

}  // namespace pen
