#include "ui/Composition.h"

#include <windows.h>
#include <dwmapi.h>

namespace ui {

bool LayeredWindowsBlended() {
    BOOL enabled = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}

bool ScreenCopiesShowLayeredWindows() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

}  // namespace ui
