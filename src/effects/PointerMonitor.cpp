#include "effects/PointerMonitor.h"

#include <utility>

void PointerMonitor::SetMonitors(std::vector<MonitorInfo> monitors) {
    monitors_ = std::move(monitors);
    known_ = false;
}

bool PointerMonitor::Follow(ScreenPoint pointer) {
    if (known_ && current_.bounds.Contains(pointer)) return false;
    const MonitorInfo* found = MonitorAt(monitors_, pointer);
    if (!found) return false;
    // A pointer in a gap between monitors keeps the nearest, which may be the one it has.
    const bool changed = !known_ || found->bounds != current_.bounds || found->dpi != current_.dpi;
    current_ = *found;
    known_ = true;
    return changed;
}
