// The pen's copy of the screen beneath it. The copy is taken at the last moment the
// screen still shows what lies beneath the pen window: as the window is about to appear.
// Copying later differs between systems: Windows leaves a layered window such as the pen
// out of a screen copy, Wine copies what the X display shows, the pen included.
#pragma once
#include <windows.h>

#include "base/Monitors.h"
#include "ui/Surface.h"

// Posted to the pen window when the screen was copied as the window appeared: once the
// window is shown, a copy asked for later must be taken again.
constexpr UINT kScreenCopyHandedOn = WM_APP + 1;

// The screen's `covered` rectangle, as the system copies it now, into `surface`.
void CopyScreenInto(ui::Surface& surface, const ScreenRect& covered);

class ScreenCopy {
public:
    // Copies the screen's `covered` rectangle into `surface` now.
    void Take(HWND penWindow, ui::Surface& surface, const ScreenRect& covered);
    void HandedOn() { fresh_ = false; }
    // Puts the screen beneath the pen window into `surface`: the copy taken as the window
    // appeared if it is still fresh, else a new one. Under Wine a shown pen steps aside
    // while the windows beneath repaint, and the copy is taken as it appears again.
    void CopyBeneath(HWND penWindow, ui::Surface& surface, const ScreenRect& covered);
    // True while the pen is hidden for a moment to copy what it covers.
    bool SteppingAside() const { return steppingAside_; }

private:
    bool fresh_ = false;
    bool steppingAside_ = false;
};
