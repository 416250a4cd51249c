// The rules between the windows: the pointer effects exclude each other, the presenter's
// choice is remembered, and the pen opens and closes with them.
#include <exception>
#include <utility>

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/KeyMessages.h"
#include "app/Shell.h"
#include "effects/ClickRingsWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/LaserWindow.h"
#include "ui/SettingsFile.h"
#include "effects/SettingsWindow.h"
#include "effects/SpotlightWindow.h"
#include "pen/LiveInkWindow.h"
#include "pen/PenWindow.h"
#include "timer/TimerWindow.h"
#include "store/LastEffect.h"
#include "ui/Application.h"
#include "ui/KeyNames.h"
#include "ui/Repaint.h"

namespace {

// Every effect that has a window, in the order they are hidden.
constexpr PointerEffect kEffects[] = {PointerEffect::Halo, PointerEffect::Picture, PointerEffect::Spotlight,
                                      PointerEffect::Laser};

}  // namespace

ui::Form* Shell::EffectWindow(PointerEffect effect) const {
    switch (effect) {
        case PointerEffect::Picture:
            return follower_.get();
        case PointerEffect::Halo:
            return halo_.get();
        case PointerEffect::Spotlight:
            return spotlight_.get();
        case PointerEffect::Laser:
            return laser_.get();
        case PointerEffect::None:
            break;
    }
    return nullptr;
}

PointerEffect Shell::ShownEffect() const {
    for (PointerEffect effect : kEffects)
        if (EffectWindow(effect)->Visible()) return effect;
    return PointerEffect::None;
}

void Shell::HideAllBut(PointerEffect kept) {
    for (PointerEffect effect : kEffects)
        if (effect != kept) HideWindowOf(effect);
}

void Shell::HideWindowOf(PointerEffect effect) {
    ui::Form* window = EffectWindow(effect);
    if (window && window->Visible()) window->Hide();
}

void Shell::HideEffect(PointerEffect effect) {
    HideWindowOf(effect);
    if (chosen_ == effect) Choose(PointerEffect::None);
}

void Shell::ShowEffect(PointerEffect effect, const std::function<void()>& prepare) {
    if (!EffectsCovered()) HideAllBut(effect);
    if (prepare) prepare();
    ui::Form* window = EffectWindow(effect);
    // Over the open pen an effect would be drawn on, or frozen into a copy: it waits.
    if (window && !EffectsCovered()) window->Show();
    Choose(effect);
}

void Shell::ToggleEffect(PointerEffect effect) {
    if (EffectsCovered()) {
        Choose(chosen_ == effect ? PointerEffect::None : effect);
        return;
    }
    HideAllBut(effect);
    ui::Form* window = EffectWindow(effect);
    if (!window) return;
    if (window->Visible())
        window->Hide();
    else
        window->Show();
    Choose(window->Visible() ? effect : PointerEffect::None);
}

void Shell::Choose(PointerEffect effect) {
    if (effect == chosen_) return;
    chosen_ = effect;
    try {
        WriteLastEffect(StoredEffectName(effect), SettingsFile());
    } catch (...) {
        if (std::exchange(rememberFailed_, true)) return;
        ui::Application::Current().HandleException(std::current_exception());
    }
}

PointerEffect Shell::RememberedEffect() const {
    try {
        return EffectFromStoredName(ReadLastEffect(SettingsFile()));
    } catch (const std::exception&) {
        // A database that cannot be read is reported by the windows that read their
        // settings from it; the picture comes on as on a first start.
        return PointerEffect::Picture;
    }
}

void Shell::Start() {
    chosen_ = RememberedEffect();
    // The start-up show chain: the picture brings the control bar along and sends the
    // settings window away; then the remembered effect takes the picture's place.
    follower_->Show();
    if (chosen_ != PointerEffect::Picture) ShowEffect(chosen_, {});
}

void Shell::PictureShown() {
    controlBar_->Show();
    settings_->Close();
}

void Shell::ToggleClickRings() { clickRings_->Toggle(); }

bool Shell::PenOpen() const { return pen_->Visible(); }

void Shell::OpenPen() {
    // The pen starts from the screen with live ink's ink on it; live ink closes.
    const bool inkAside = LiveInkOpen();
    std::vector<std::uint32_t> ink;
    pen::PixelPlane inkPlane;
    if (inkAside) {
        liveInk_->HandOver([&](const pen::PixelPlane& plane) {
            ink.assign(plane.bits, plane.bits + static_cast<std::size_t>(plane.width) * plane.height);
            inkPlane = {ink.data(), plane.width, plane.height};
        });
        AfterLiveInk();
    }
    // The timer counts on while the pen copies the screen without it.
    const bool timerAside = timer_->StepAside();
    if (!PenOpen()) {
        // What is on screen now comes back when the pen closes; nothing of it is in the copy.
        const PointerEffect shown = ShownEffect();
        if (!inkAside) Choose(shown);  // drawing, live ink hid the choice
        HideAllBut(PointerEffect::None);
        if (shown != PointerEffect::None || timerAside || inkAside) ui::LetUncoveredWindowsRepaint();
        clickRings_->SetPenOpen(true);
        pen_->Show();
    }
    // An open pen starts again from the screen as it is now.
    pen_->CaptureScreen();
    if (inkAside) pen_->LayInk(inkPlane);
    timer_->ComeBack();
}

void Shell::ClosePen() {
    if (!PenOpen()) return;
    // Every window repaints what the pen covered.
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    pen_->Close();
    clickRings_->SetPenOpen(false);
    ShowEffect(chosen_, {});
}

void Shell::TogglePen() {
    if (PenOpen())
        ClosePen();
    else
        OpenPen();
}

void Shell::PenKey() {
    // While one of the program's dialogs, boxes or menus is open, Esc is its cancel key;
    // while one of the palette's lists is dropped down, it closes the list.
    if (ui::Application::Current().CancelOpenDialog()) return;
    if (LiveInkOpen()) {
        if (!liveInk_->CloseDroppedList()) CloseLiveInk();
        return;
    }
    if (PenOpen() && pen_->CloseDroppedList()) return;
    TogglePen();
}

void Shell::ShowHelp() {
    ClosePen();
    CloseLiveInk();
    std::vector<HeldKey> keys;
    for (HotKeyAction action : ChangeableActions()) keys.push_back({action, keys_.KeyOf(action)});
    help_->ShowKeysInUse(KeysInUseText(keys, keys_.Paused(), ui::KeyName));
    help_->Show();
}
