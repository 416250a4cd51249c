#include "ui/Composition.h"

#include <windows.h>
#include <dwmapi.h>

namespace ui {

bool LayeredWindowsBlended() {
    BOOL enabled = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}

void LeaveOutOfScreenCopies(HWND window) {
    SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
}

bool ScreenCopiesShowLayeredWindows() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace ui
