// Which monitor holds the pointer, kept from tick to tick: the effects that cover a monitor
// or scale with its DPI look the monitor up only when the pointer has left the last one.
#pragma once
#include <vector>

#include "base/Monitors.h"

class PointerMonitor {
public:
    // The monitors as the system lists them now (at start and after a display change).
    void SetMonitors(std::vector<MonitorInfo> monitors);

    // Follows the pointer; true when the monitor holding it is another one than at the
    // last call (or the monitors were set again since).
    bool Follow(ScreenPoint pointer);
    // The monitor of the last Follow; a 96-DPI empty one while there is none.
    const MonitorInfo& Current() const { return current_; }

private:
    std::vector<MonitorInfo> monitors_;
    MonitorInfo current_;
    bool known_ = false;
};
