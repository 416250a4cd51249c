// DPI and monitors as the system reports them. The program is per-monitor DPI aware:
// each scaled form is laid out at the DPI of the monitor it stands on. Where the system
// is too old to tell a window's or a monitor's DPI, the system-wide DPI serves.
#pragma once
#include <windows.h>

#include <vector>

#include "base/Monitors.h"

namespace ui {

int SystemDpi();
int MonitorDpi(HMONITOR monitor);
// The DPI of the primary monitor, where the forms' design positions are.
int PrimaryMonitorDpi();

// Every monitor, with its rectangle in virtual-screen pixels and its DPI.
std::vector<MonitorInfo> Monitors();

}  // namespace ui
