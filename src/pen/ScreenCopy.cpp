#include "pen/ScreenCopy.h"

#include "ui/Composition.h"
#include "ui/Handles.h"
#include "ui/Repaint.h"

void CopyScreenInto(ui::Surface& surface, const ScreenRect& covered) {
    ui::WindowDC screen(GetDesktopWindow());
    // Where the desktop's DC starts depends on the system (the primary's or the virtual
    // screen's top-left): ask it.
    POINT origin{};
    GetDCOrgEx(screen.get(), &origin);
    surface.CopyFrom(screen.get(), covered.left - origin.x, covered.top - origin.y);
}

void ScreenCopy::Take(HWND penWindow, ui::Surface& surface, const ScreenRect& covered) {
    CopyScreenInto(surface, covered);
    fresh_ = true;
    PostMessageW(penWindow, kScreenCopyHandedOn, 0, 0);
}

void ScreenCopy::CopyBeneath(HWND penWindow, ui::Surface& surface, const ScreenRect& covered) {
    if (!fresh_) {
        const bool shown = (GetWindowLongW(penWindow, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown && ui::ScreenCopiesShowLayeredWindows()) {
            // Showing the window again takes the copy (see Take).
            const HWND focus = GetFocus();
            steppingAside_ = true;
            ShowWindow(penWindow, SW_HIDE);
            ui::LetUncoveredWindowsRepaint();
            ShowWindow(penWindow, SW_SHOW);
            steppingAside_ = false;
            // Stepping aside must not cost the pen the keyboard: Ctrl+Z right after a
            // refresh takes the refresh back.
            if (focus == penWindow || IsChild(penWindow, focus)) {
                SetForegroundWindow(penWindow);
                SetFocus(focus);
            }
        } else {
            Take(penWindow, surface, covered);
        }
    }
    fresh_ = false;
}
