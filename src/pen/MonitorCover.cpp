#include "pen/MonitorCover.h"

#include <vector>

#include "ui/Dpi.h"
#include "ui/Screen.h"

std::optional<ScreenRect> MonitorCover::MonitorHolding(ScreenPoint point) {
    const std::vector<MonitorInfo> monitors = ui::Monitors();
    const MonitorInfo* monitor = MonitorAt(monitors, point);
    if (!monitor) return std::nullopt;
    return monitor->bounds;
}

std::optional<ScreenRect> MonitorCover::OtherUnderPointer() const {
    ScreenPoint pointer;
    if (!ui::ReadPointer(pointer)) return std::nullopt;
    const std::optional<ScreenRect> monitor = MonitorHolding(pointer);
    if (!monitor || *monitor == covered_) return std::nullopt;
    return monitor;
}

void MonitorCover::Place(WINDOWPOS& pos) const {
    pos.x = covered_.left;
    pos.y = covered_.top;
    pos.cx = covered_.Width();
    pos.cy = covered_.Height();
    pos.flags &= ~(SWP_NOMOVE | SWP_NOSIZE);
}
