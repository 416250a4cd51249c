#include "effects/RingWindow.h"

#include "base/Monitors.h"
#include "effects/ClickRing.h"
#include "effects/EffectsTexts.h"
#include "effects/PointerOverlay.h"
#include "ui/Handles.h"

namespace {

constexpr int kRingWidth = 4;  // at 96 DPI

}  // namespace

RingWindow::RingWindow() : ui::Form(OverlayParams(effects::kClickRingClass, effects::kClickRingsCaption)) {
    KeepClickThrough(Handle());
}

void RingWindow::Start(ScreenPoint center, ui::Color color, int dpi, std::int64_t nowMs) {
    startRadius_ = ScaleForDpi(kRingStartRadius, dpi);
    endRadius_ = ScaleForDpi(kRingEndRadius, dpi);
    width_ = ScaleForDpi(kRingWidth, dpi);
    started_ = nowMs;
    radius_ = -1;
    alpha_ = -1;
    alive_ = true;
    SetColor(color);
    SetBounds(center.x - endRadius_, center.y - endRadius_, 2 * endRadius_ + 1, 2 * endRadius_ + 1);
    if (Step(nowMs)) Show();
}

bool RingWindow::Step(std::int64_t nowMs) {
    const RingFrame frame = RingAt(static_cast<int>(nowMs - started_), startRadius_, endRadius_);
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
        // The click that made the ring raises the clicked window, a top-most one such as
        // the control bar too, after the ring showed: the ring goes back above it.
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    if (frame.alpha != alpha_) {
        alpha_ = frame.alpha;
        SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(alpha_), LWA_ALPHA);
    }
    return true;
}
