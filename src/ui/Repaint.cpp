#include "ui/Repaint.h"

namespace ui {

namespace {

// Long enough for the windows of a classroom's programs to repaint what was uncovered.
constexpr DWORD kRepaintBeneathMs = 60;

}  // namespace

void LetUncoveredWindowsRepaint() {
    const ULONGLONG until = GetTickCount64() + kRepaintBeneathMs;
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(until - now), QS_PAINT, 0);
        MSG msg;
        for (int i = 0; i < 64 && PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
            DispatchMessageW(&msg);
    }
}

}  // namespace ui
