#include "pen/ArrowHead.h"

#include <cmath>
#include <cstdint>

namespace pen {

std::optional<Barbs> ArrowBarbs(Point tip, Point tail) {
    // The squared length is summed in 32 bits and may wrap on a huge drag; a wrapped
    // (negative) sum gives no head, as coinciding points do, instead of a NaN barb.
    const auto dx32 = static_cast<std::uint32_t>(tip.x - tail.x);
    const auto dy32 = static_cast<std::uint32_t>(tip.y - tail.y);
    const auto sum = static_cast<std::int32_t>(dy32 * dy32 + dx32 * dx32);
    const double len = std::sqrt(static_cast<double>(sum));
    if (!(len > 0)) return std::nullopt;

    const double dx = tail.x - tip.x;  // from the tip back to the tail
    const double dy = tail.y - tip.y;
    // Conversion to int truncates toward zero.
    const Point first{static_cast<int>(tip.x + ((dx + dy / 2) * 20) / len),
                      static_cast<int>(tip.y + ((dy - dx / 2) * 20) / len)};
    const Point second{static_cast<int>(tip.x + ((dx - dy / 2) * 20) / len),
                       static_cast<int>(tip.y + ((dy + dx / 2) * 20) / len)};
    return Barbs{first, second};
}

}  // namespace pen
