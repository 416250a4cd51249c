// Small helpers for the tests of the settings window and the control bar: clicks and
// keys as the system delivers them, through the controls' window procedures.
#pragma once
#include <windows.h>

#include <string>

#include "ui/Control.h"

// A left click at the middle of a control (button down, button up).
inline void LeftClick(const ui::Control& control) {
    const LPARAM at = MAKELPARAM(control.Width() / 2, control.Height() / 2);
    SendMessageW(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control.Handle(), WM_LBUTTONUP, 0, at);
}

inline void DoubleClick(const ui::Control& control) {
    const LPARAM at = MAKELPARAM(control.Width() / 2, control.Height() / 2);
    SendMessageW(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(control.Handle(), WM_LBUTTONUP, 0, at);
    SendMessageW(control.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(control.Handle(), WM_LBUTTONUP, 0, at);
}

// Each character as typed: one WM_CHAR per character.
inline void Type(const ui::Control& control, const std::wstring& keys) {
    for (wchar_t key : keys) SendMessageW(control.Handle(), WM_CHAR, key, 1);
}

// Where a control stands in its parent and its size, as "left,top widthxheight".
inline std::string Placement(const ui::Control& control) {
    return std::to_string(control.Left()) + "," + std::to_string(control.Top()) + " " +
           std::to_string(control.Width()) + "x" + std::to_string(control.Height());
}
