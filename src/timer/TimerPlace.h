// Where the classroom timer stands and how big it is: by default in the top left corner of
// the monitor that holds the pointer (clear of the pen's palette on the right), a fifth of
// its height tall, so that the digits are at least a tenth of it; a place the presenter gave it is kept while it stands
// on that monitor. Sizes are in the monitor's own pixels: the monitor's height already counts its DPI.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Monitors.h"
#include "store/TimerSettings.h"

// The smallest window, in pixels at 96 DPI.
inline constexpr ScreenSize kSmallestTimer{120, 48};

// What the timer starts with from the stored texts: a length outside its range or a sound
// that is not 0 or 1 falls back with its line; a place that lies on none of `monitors` (its
// centre on none) is dropped with one line, and so is one that is not four whole numbers.
struct CheckedTimer {
    TimerValues values;
    std::vector<std::wstring> problems;
};
CheckedTimer CheckStoredTimer(const std::optional<TimerSettings>& stored, std::span<const MonitorInfo> monitors);

ScreenRect DefaultTimerPlace(const MonitorInfo& monitor);
// The place to open at on `monitor`: the stored one when its centre is on that monitor,
// otherwise the default corner, with the stored size where there is one; always within the
// monitor.
ScreenRect TimerPlaceOn(const MonitorInfo& monitor, const std::optional<ScreenRect>& stored);
// The place after a display change: where it was, within its monitor, when its centre is on
// one still; otherwise on the nearest monitor as TimerPlaceOn puts it.
ScreenRect TimerPlaceAfterDisplayChange(const ScreenRect& place, std::span<const MonitorInfo> monitors);
// Ctrl and the wheel: a tenth larger a notch up, a tenth smaller down, about its centre,
// never smaller than the smallest nor larger than the monitor.
ScreenRect ScaledTimerPlace(const ScreenRect& place, int notches, const MonitorInfo& monitor);
