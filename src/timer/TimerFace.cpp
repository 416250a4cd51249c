#include "timer/TimerFace.h"

#include <algorithm>
#include <initializer_list>

#include "base/Monitors.h"
#include "base/Text.h"
#include "ui/Font.h"

namespace {

constexpr ui::Color kDigitsColor = ui::White;
constexpr ui::Color kPausedColor = 0xC0C0C0;
constexpr ui::Color kOvertimeColor = 0x4040FF;  // a red that reads on black
constexpr ui::Color kLineColor = 0x00FFFF;      // yellow
constexpr int kDigitsAreaPercent = 80;          // of the height; the line beneath has the rest
constexpr wchar_t kDigitsFace[] = L"Arial";

std::wstring Shape(std::wstring digits) {
    for (wchar_t& c : digits)
        if (c >= L'0' && c <= L'9') c = L'0';
    return digits;
}

// A font as tall as `height` allows, lowered until `text` fits `width`.
ui::UniqueFont Fitted(HDC dc, const wchar_t* face, const std::wstring& text, int height, int width, bool bold,
                      int& chosen) {
    height = std::max(height, 1);
    ui::UniqueFont font = ui::CreateFontByHeight(face, height, bold);
    SIZE extent{};
    {
        ui::SelectScope scope(dc, font.get());
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    }
    if (extent.cx > width) {
        height = std::max(1, static_cast<int>(static_cast<long long>(height) * width / extent.cx));
        font = ui::CreateFontByHeight(face, height, bold);
    }
    chosen = height;
    return font;
}

}  // namespace

void TimerFace::Fit(HWND window, const std::wstring& digits) {
    RECT client{};
    GetClientRect(window, &client);
    const SIZE size{client.right, client.bottom};
    const std::wstring shape = Shape(digits);
    if (size.cx <= 0 || size.cy <= 0 || (size.cx == size_.cx && size.cy == size_.cy && shape == shape_)) return;
    ui::WindowDC screen(window);
    if (size.cx != size_.cx || size.cy != size_.cy) {
        buffer_.reset(CreateCompatibleDC(screen.get()));
        bitmap_.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    }
    size_ = size;
    shape_ = shape;
    const int digitsArea = size.cy * kDigitsAreaPercent / 100;
    const int room = size.cx * 92 / 100;
    digitsFont_ = Fitted(screen.get(), kDigitsFace, shape_, digitsArea * 92 / 100, room, true, digitsHeight_);
    // The line's font fits the longest of its texts, so it keeps its size from one to another.
    std::wstring longest;
    for (const std::wstring& line : {Text(IDS_TIMER_PAUSED), Text(IDS_TIMER_TIME_UP),
                                     Formatted(IDS_TIMER_TYPED, {std::wstring(kMostTypedDigits, L'0')})})
        if (line.size() > longest.size()) longest = line;
    int lineHeight = 0;
    lineFont_ = Fitted(screen.get(), ui::TextFace().c_str(), longest, (size.cy - digitsArea) * 80 / 100, room, false,
                       lineHeight);
}

void TimerFace::Paint(HDC dc, const RECT& clip, const ShownTime& shown, const std::wstring& line, bool timeUp,
                      int dpi) {
    if (!buffer_ || !bitmap_) {
        FillRect(dc, &clip, black_.Brush());
        return;
    }
    HDC b = buffer_.get();
    ui::SelectScope bitmap(b, bitmap_.get());
    const RECT all{0, 0, size_.cx, size_.cy};
    FillRect(b, &all, frame_.Brush());
    const int frame = std::max(1, ScaleForDpi(2, dpi));
    const RECT inside{frame, frame, all.right - frame, all.bottom - frame};
    FillRect(b, &inside, black_.Brush());
    SetBkMode(b, TRANSPARENT);
    const int digitsArea = all.bottom * kDigitsAreaPercent / 100;
    RECT digits{0, 0, all.right, digitsArea};
    {
        ui::SelectScope font(b, digitsFont_.get());
        SetTextColor(b, static_cast<COLORREF>(shown.overtime ? kOvertimeColor
                                              : shown.paused ? kPausedColor
                                                             : kDigitsColor));
        DrawTextW(b, shown.digits.c_str(), -1, &digits, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (!line.empty()) {
        RECT lineArea{0, digitsArea, all.right, all.bottom - frame};
        ui::SelectScope font(b, lineFont_.get());
        SetTextColor(b, static_cast<COLORREF>(timeUp ? kOvertimeColor : kLineColor));
        DrawTextW(b, line.c_str(), -1, &lineArea, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, b, clip.left, clip.top, SRCCOPY);
}
