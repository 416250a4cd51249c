// The rules between live ink and the other windows: the effects wait while it draws and
// come back while clicks pass through, the timer stays above it, and the pen takes its ink.
#include "app/Shell.h"
#include "effects/ClickRingsWindow.h"
#include "pen/LiveInkWindow.h"
#include "pen/PenWindow.h"
#include "timer/TimerWindow.h"

bool Shell::LiveInkOpen() const { return liveInk_->Visible(); }

bool Shell::EffectsCovered() const { return PenOpen() || (LiveInkOpen() && liveInk_->Drawing()); }

void Shell::OpenLiveInk() {
    ClosePen();
    if (LiveInkOpen()) return;
    const PointerEffect shown = ShownEffect();
    Choose(shown);
    HideAllBut(PointerEffect::None);
    clickRings_->SetPenOpen(true);
    timer_->StandAbove(liveInk_->Handle());
    liveInk_->Open();
}

void Shell::CloseLiveInk() {
    if (!LiveInkOpen()) return;
    liveInk_->Close();
    AfterLiveInk();
    ShowEffect(chosen_, {});
}

void Shell::AfterLiveInk() {
    timer_->StandAbove(pen_->Handle());
    clickRings_->SetPenOpen(false);
}

void Shell::DrawLiveInk() {
    if (LiveInkOpen() && !liveInk_->Drawing()) LiveInkKey();
}

void Shell::LiveInkKey() {
    if (!LiveInkOpen()) {
        OpenLiveInk();
        return;
    }
    const bool drawing = !liveInk_->Drawing();
    if (drawing) HideAllBut(PointerEffect::None);
    liveInk_->SetDrawing(drawing);
    clickRings_->SetPenOpen(drawing);
    if (!drawing) ShowEffect(chosen_, {});
}
