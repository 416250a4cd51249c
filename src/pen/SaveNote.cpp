#include "pen/SaveNote.h"

#include <algorithm>

#include "base/Text.h"
#include "pen/PenTexts.h"
#include "ui/Colors.h"
#include "ui/Motion.h"

namespace {

constexpr UINT kTickMs = 50;
constexpr int kShownTicks = 50;  // two and a half seconds fully shown
constexpr int kFadeTicks = 10;   // then half a second fading
constexpr int kPadding = 12;
constexpr int kAboveBottom = 60;

ui::FormParams NoteParams() {
    ui::FormParams p = ui::OverlayParams(pen::kSaveNoteClass, Text(IDS_SAVE_NOTE_TITLE));
    p.color = static_cast<ui::Color>(RGB(255, 255, 225));  // a tooltip's pale yellow
    return p;
}

HFONT NoteFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

SaveNote::SaveNote() : ui::Form(NoteParams()), fadeTimer_(*this, kTickMs, false) {
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    fadeTimer_.OnTimer = [this] { Fade(); };
}

void SaveNote::Tell(const std::wstring& text, const ScreenRect& area) {
    text_ = text;
    RECT r{};
    {
        ui::WindowDC dc(Handle());
        ui::SelectScope font(dc.get(), NoteFont());
        DrawTextW(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    const int width = std::min(static_cast<int>(r.right) + 2 * kPadding, area.Width());
    const int height = static_cast<int>(r.bottom) + 2 * kPadding;
    SetBounds(area.left + (area.Width() - width) / 2, area.bottom - kAboveBottom - height, width, height);
    SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
    InvalidateRect(Handle(), nullptr, TRUE);
    Show();
    ticks_ = 0;
    fades_ = ui::AnimationsOn();
    fadeTimer_.SetEnabled(true);
}

void SaveNote::Fade() {
    ++ticks_;
    if (ticks_ <= kShownTicks) return;
    const int left = fades_ ? kShownTicks + kFadeTicks - ticks_ : 0;
    if (left <= 0) {
        fadeTimer_.SetEnabled(false);
        Hide();
        return;
    }
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(255 * left / kFadeTicks), LWA_ALPHA);
}

void SaveNote::PaintContent(HDC dc, const RECT& clip) {
    Form::PaintContent(dc, clip);
    RECT r{};
    GetClientRect(Handle(), &r);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    ui::SelectScope font(dc, NoteFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}
