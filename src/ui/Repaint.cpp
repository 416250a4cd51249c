#include "ui/Repaint.h"

namespace ui {

void LetUncoveredWindowsRepaint(DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(until - now), QS_PAINT, 0);
        MSG msg;
        for (int i = 0; i < 64 && PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
            DispatchMessageW(&msg);
    }
}

}  // namespace ui
