#include "base/Monitors.h"

#include <cstdint>
#include <limits>

namespace {

// How far the point lies outside the rectangle, squared; 0 inside.
std::int64_t DistanceSquared(const ScreenRect& r, ScreenPoint p) {
    const std::int64_t dx = p.x < r.left ? r.left - p.x : (p.x >= r.right ? p.x - (r.right - 1) : 0);
    const std::int64_t dy = p.y < r.top ? r.top - p.y : (p.y >= r.bottom ? p.y - (r.bottom - 1) : 0);
    return dx * dx + dy * dy;
}

}  // namespace

int ScaleForDpi(int value, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(value) * dpi;
    const std::int64_t half = kBaseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi));
}

const MonitorInfo* MonitorAt(std::span<const MonitorInfo> monitors, ScreenPoint point) {
    const MonitorInfo* nearest = nullptr;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const MonitorInfo& monitor : monitors) {
        const std::int64_t distance = DistanceSquared(monitor.bounds, point);
        if (distance < best) {
            best = distance;
            nearest = &monitor;
        }
    }
    return nearest;
}

const MonitorInfo* PrimaryMonitor(std::span<const MonitorInfo> monitors) {
    for (const MonitorInfo& monitor : monitors)
        if (monitor.primary) return &monitor;
    return monitors.empty() ? nullptr : &monitors.front();
}
