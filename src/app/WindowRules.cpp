#include "app/WindowRules.h"

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/Inventory.h"
#include "effects/ClickRingsWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/LaserWindow.h"
#include "effects/SettingsWindow.h"
#include "effects/SpotlightWindow.h"
#include "pen/PenWindow.h"

namespace {

// Every effect that has a window, in the order they are hidden.
constexpr PointerEffect kEffects[] = {PointerEffect::Halo, PointerEffect::Picture, PointerEffect::Spotlight,
                                      PointerEffect::Laser};

// What comes on screen when the pen closes.
constexpr PointerEffect kEffectAfterPen = PointerEffect::Picture;

}  // namespace

ui::Form* WindowRules::EffectWindow(PointerEffect effect) const {
    switch (effect) {
        case PointerEffect::Picture:
            return &windows_.follower();
        case PointerEffect::Halo:
            return &windows_.halo();
        case PointerEffect::Spotlight:
            return &windows_.spotlight();
        case PointerEffect::Laser:
            return &windows_.laser();
        case PointerEffect::None:
            break;
    }
    return nullptr;
}

PointerEffect WindowRules::ShownEffect() const {
    for (PointerEffect effect : kEffects)
        if (EffectWindow(effect)->Visible()) return effect;
    return PointerEffect::None;
}

void WindowRules::HideAllBut(PointerEffect kept) {
    for (PointerEffect effect : kEffects)
        if (effect != kept) HideEffect(effect);
}

void WindowRules::HideEffect(PointerEffect effect) {
    ui::Form* window = EffectWindow(effect);
    if (window && window->Visible()) window->Hide();
}

void WindowRules::ShowEffect(PointerEffect effect, const std::function<void()>& prepare) {
    HideAllBut(effect);
    if (prepare) prepare();
    if (ui::Form* window = EffectWindow(effect)) window->Show();
}

void WindowRules::ToggleEffect(PointerEffect effect) {
    HideAllBut(effect);
    ui::Form* window = EffectWindow(effect);
    if (!window) return;
    if (window->Visible())
        window->Hide();
    else
        window->Show();
}

void WindowRules::OpenPen() {
    PenWindow& pen = windows_.penWindow();
    pen.Show();
    pen.CaptureScreen();
}

void WindowRules::ClosePen() {
    // Every window repaints what the pen covered.
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    windows_.penWindow().Close();
    ShowEffect(kEffectAfterPen, {});
}

void WindowRules::TogglePen() {
    HideAllBut(PointerEffect::None);
    if (windows_.penWindow().Visible()) {
        ClosePen();
    } else {
        OpenPen();
        HideEffect(PointerEffect::Picture);
    }
}

void WindowRules::PictureShown() {
    windows_.controlBar().Show();
    windows_.settingsWindow().Close();
}

void WindowRules::ControlBarShown() { windows_.follower().Show(); }

void WindowRules::PopupCommandMenu(HWND owner, POINT at) {
    windows_.controlBar().commandMenu.Popup(owner, at.x, at.y);
}

void WindowRules::ShowSettings() { windows_.settingsWindow().Show(); }

void WindowRules::ShowHelp() { windows_.helpWindow().Show(); }

void WindowRules::ToggleClickRings() { windows_.clickRings().Toggle(); }

bool WindowRules::PenOpen() const { return windows_.penWindow().Visible(); }

void WindowRules::ApplyEffectSettings(const EffectValues& values) {
    windows_.spotlight().ApplySettings(values);
    windows_.laser().ApplySettings(values);
    windows_.clickRings().ApplySettings(values);
}
