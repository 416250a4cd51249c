#include "ui/Dpi.h"

namespace ui {
namespace {

// A function of Windows 8.1, looked up at run time so the program still starts on
// Windows 7, where every monitor has the system's DPI.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <typename Fn>
Fn SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    reinterpret_cast<std::vector<MonitorInfo>*>(list)->push_back(
        {{r.left, r.top, r.right, r.bottom}, MonitorDpi(monitor), (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    return TRUE;
}

}  // namespace

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int MonitorDpi(HMONITOR monitor) {
    static const auto getDpiForMonitor = SystemFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (getDpiForMonitor && monitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && x)
        return static_cast<int>(x);
    return SystemDpi();
}

int PrimaryMonitorDpi() { return MonitorDpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

std::vector<MonitorInfo> Monitors() {
    std::vector<MonitorInfo> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace ui
