// What the classroom timer draws: the digits as large as the window allows, a line beneath
// (paused, time up, the minutes being typed) and a thin frame, painted through a buffer so
// that a new second never flickers. Fonts and buffer are made when the size or the digits'
// shape changes, not at every second.
#pragma once
#include <windows.h>

#include <string>

#include "timer/Countdown.h"
#include "ui/ColorBrush.h"
#include "ui/Handles.h"

// The most digits of minutes the presenter may type (599 minutes); the line makes room for them.
inline constexpr std::size_t kMostTypedDigits = 3;

class TimerFace {
public:
    // Fits the fonts and the buffer to the window's client area and the shape of `digits`;
    // nothing is made again while both stay as they were.
    void Fit(HWND window, const std::wstring& digits);
    // The line is drawn red when it says the time is up, else yellow.
    void Paint(HDC dc, const RECT& clip, const ShownTime& shown, const std::wstring& line, bool timeUp, int dpi);
    // The digits' character height in pixels.
    int DigitsHeight() const { return digitsHeight_; }

private:
    std::wstring shape_;  // the digits with every figure a 0: the fonts fit it
    SIZE size_{};
    int digitsHeight_ = 0;
    ui::UniqueFont digitsFont_;
    ui::UniqueFont lineFont_;
    ui::MemoryDC buffer_;
    ui::UniqueBitmap bitmap_;
    ui::ColorBrush black_{ui::Black};
    ui::ColorBrush frame_{0x505050};
};
