#include "effects/RingWindow.h"

#include "base/Monitors.h"
#include "effects/ClickRing.h"
#include "effects/EffectsTexts.h"
#include "effects/PointerOverlay.h"
#include "ui/Handles.h"

namespace {

constexpr int kRingWidth = 4;  // at 96 DPI

}  // namespace

RingWindow::RingWindow() : ui::Form(ui::OverlayParams(effects::kClickRingClass, effects::kClickRingsCaption)) {
    KeepClickThrough(Handle());
}

void RingWindow::Start(ScreenPoint center, ui::Color color, int dpi, std::int64_t nowMs, bool animated) {
    animated_ = animated;
    startRadius_ = ScaleForDpi(kRingStartRadius, dpi);
    endRadius_ = ScaleForDpi(kRingEndRadius, dpi);
    width_ = ScaleForDpi(kRingWidth, dpi);
    started_ = nowMs;
    radius_ = -1;
    alpha_ = -1;
    alive_ = true;
    SetColor(color);
    // The ring comes up at its first step, not here: the click that made it has not yet
    // reached the clicked window, whose activation raises it, and under Wine raises its X
    // window above ours with no change to the windows' order that a later step could undo.
    Hide();
    SetBounds(center.x - endRadius_, center.y - endRadius_, 2 * endRadius_ + 1, 2 * endRadius_ + 1);
}

bool RingWindow::Step(std::int64_t nowMs) {
    const RingFrame frame = RingAt(static_cast<int>(nowMs - started_), startRadius_, endRadius_, animated_);
    if (frame.done) {
        alive_ = false;
        Hide();
        return false;
    }
    if (frame.radius != radius_) {
        radius_ = frame.radius;
        const int c = endRadius_;
        const int inner = radius_ > width_ ? radius_ - width_ : 0;
        ui::UniqueRegion ring(CreateEllipticRgn(c - radius_, c - radius_, c + radius_ + 1, c + radius_ + 1));
        const ui::UniqueRegion hole(CreateEllipticRgn(c - inner, c - inner, c + inner + 1, c + inner + 1));
        CombineRgn(ring.get(), ring.get(), hole.get(), RGN_DIFF);
        // The system owns the region once it is set; the next step replaces it.
        if (SetWindowRgn(Handle(), ring.get(), TRUE)) ring.release();
        // A top-most window raised while the ring grows, the laser's or a clicked one, goes
        // back beneath it.
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    if (frame.alpha != alpha_) {
        alpha_ = frame.alpha;
        SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(alpha_), LWA_ALPHA);
    }
    if (!Visible()) Show();
    return true;
}
