// Which monitor the pen covers: the pen window covers exactly one, the one under the
// pointer as it opens, and keeps covering the one it stood on most when the monitors
// change. Its palette stands near that monitor's top-right corner.
#pragma once
#include <windows.h>

#include <optional>

#include "base/Monitors.h"

class MonitorCover {
public:
    explicit MonitorCover(const ScreenRect& first) : covered_(first) {}

    const ScreenRect& Covered() const { return covered_; }
    ScreenSize Size() const { return {covered_.Width(), covered_.Height()}; }
    void Take(const ScreenRect& monitor) { covered_ = monitor; }
    // A window about to move or show: onto the covered monitor, whole.
    void Place(WINDOWPOS& pos) const;

    // The monitor under the pointer, when it is another than the one covered.
    std::optional<ScreenRect> OtherUnderPointer() const;
    // The monitor that holds `point` as the monitors are now.
    static std::optional<ScreenRect> MonitorHolding(ScreenPoint point);

private:
    ScreenRect covered_;  // screen pixels
};
