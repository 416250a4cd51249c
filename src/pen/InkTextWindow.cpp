#include "pen/InkTextWindow.h"

#include <algorithm>

#include "base/Text.h"
#include "pen/InkPixels.h"
#include "pen/PenTexts.h"
#include "pen/ScreenCopy.h"
#include "ui/Composition.h"
#include "ui/Handles.h"

InkTextWindow::InkTextWindow(HWND inkWindow)
    : ui::Form(ui::OwnedPopupParams(pen::kInkTextClass, Text(IDS_NAME_TEXT_TOOL), inkWindow)),
      beneath_(1, 1),
      text(Handle(), beneath_, 0, 0) {
    ui::LeaveOutOfScreenCopies(Handle());  // as the palette
}

void InkTextWindow::PlaceAt(ScreenPoint at, const ScreenRect& monitor, ui::Color color, int penWidth) {
    Hide();
    text.Start(color, penWidth);
    // The box may grow to the monitor's right edge; what lies beneath is copied once, as
    // it is before the box stands over it.
    const int height = std::min(text.box.Height(), monitor.Height());
    at.y = std::min(at.y, monitor.bottom - height);
    beneath_.Resize(std::max(1, monitor.right - at.x), height);
    CopyScreenInto(beneath_, {at.x, at.y, at.x + beneath_.Width(), at.y + height});
    SetBounds(at.x, at.y, std::min(text.box.Width(), beneath_.Width()), height);
    Show();
    text.PlaceAt(0, 0);
}

void InkTextWindow::FitText(int penWidth) {
    text.FitText(penWidth);
    SetSize(std::min(text.box.Width(), beneath_.Width()), Height());
}

RECT InkTextWindow::StampOnto(ui::Surface& ink, const ScreenRect& monitor, pen::Drawing& steps) {
    if (!Visible()) return {};
    // Only the letters: the box's background is no ink while it is printed, and the
    // letters' edges are not smoothed against it, which would give them a dark rim over
    // the screen.
    pen::ClearInk({beneath_.Bits(), beneath_.Width(), beneath_.Height()});
    const HFONT typed = text.box.GetFont();
    LOGFONTW crispFace{};
    GetObjectW(typed, sizeof crispFace, &crispFace);
    crispFace.lfQuality = NONANTIALIASED_QUALITY;
    const ui::UniqueFont crisp(CreateFontIndirectW(&crispFace));
    text.box.SetFont(crisp.get());
    const RECT changed = text.StampOnto(ink, {Left() - monitor.left, Top() - monitor.top}, steps);
    text.box.SetFont(typed);
    text.Clear();
    Hide();
    return changed;
}
