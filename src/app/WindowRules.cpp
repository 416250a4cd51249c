#include "app/WindowRules.h"

#include <exception>
#include <utility>

#include "app/ControlBar.h"
#include "app/HelpWindow.h"
#include "app/Inventory.h"
#include "effects/ClickRingsWindow.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/LaserWindow.h"
#include "effects/SettingsFile.h"
#include "effects/SettingsWindow.h"
#include "effects/SpotlightWindow.h"
#include "pen/PenWindow.h"
#include "store/LastEffect.h"
#include "ui/Application.h"

namespace {

// Every effect that has a window, in the order they are hidden.
constexpr PointerEffect kEffects[] = {PointerEffect::Halo, PointerEffect::Picture, PointerEffect::Spotlight,
                                      PointerEffect::Laser};

}  // namespace

WindowRules::WindowRules(Inventory& windows)
    : windows_(windows),
      storedProblems_([](const std::wstring& message) { ui::Application::Current().ShowMessageBox(message); }) {}

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
        if (effect != kept) HideWindowOf(effect);
}

void WindowRules::HideWindowOf(PointerEffect effect) {
    ui::Form* window = EffectWindow(effect);
    if (window && window->Visible()) window->Hide();
}

void WindowRules::HideEffect(PointerEffect effect) {
    HideWindowOf(effect);
    // The pen's own hiding (its text tool hides the picture) is no choice.
    if (!windows_.penWindow().Visible() && chosen_ == effect) Choose(PointerEffect::None);
}

void WindowRules::ShowEffect(PointerEffect effect, const std::function<void()>& prepare) {
    HideAllBut(effect);
    if (prepare) prepare();
    if (ui::Form* window = EffectWindow(effect)) window->Show();
    Choose(effect);
}

void WindowRules::ToggleEffect(PointerEffect effect) {
    HideAllBut(effect);
    ui::Form* window = EffectWindow(effect);
    if (!window) return;
    if (window->Visible())
        window->Hide();
    else
        window->Show();
    Choose(window->Visible() ? effect : PointerEffect::None);
}

void WindowRules::Choose(PointerEffect effect) {
    if (effect == chosen_) return;
    chosen_ = effect;
    try {
        WriteLastEffect(StoredEffectName(effect), SettingsFile());
    } catch (...) {
        if (std::exchange(rememberFailed_, true)) return;
        ui::Application::Current().HandleException(std::current_exception());
    }
}

PointerEffect WindowRules::RememberedEffect() const {
    try {
        return EffectFromStoredName(ReadLastEffect(SettingsFile()));
    } catch (const std::exception&) {
        // A database that cannot be read is reported by the windows that read their
        // settings from it; the picture comes on as on a first start.
        return PointerEffect::Picture;
    }
}

void WindowRules::Start() {
    chosen_ = RememberedEffect();
    // The start-up show chain: the picture brings the control bar along and sends the
    // settings window away; then the remembered effect takes the picture's place.
    windows_.follower().Show();
    if (chosen_ != PointerEffect::Picture) ShowEffect(chosen_, {});
}

void WindowRules::OpenPen() {
    PenWindow& pen = windows_.penWindow();
    pen.Show();
    pen.CaptureScreen();
}

void WindowRules::ClosePen() {
    HideAllBut(PointerEffect::None);
    ClosePenWindow();
}

void WindowRules::ClosePenWindow() {
    // Every window repaints what the pen covered.
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    windows_.penWindow().Close();
    ShowEffect(chosen_, {});
}

void WindowRules::TogglePen() {
    if (windows_.penWindow().Visible()) {
        ClosePen();
    } else {
        // What is on screen now comes back when the pen closes.
        Choose(ShownEffect());
        HideAllBut(PointerEffect::None);
        OpenPen();
        HideWindowOf(PointerEffect::Picture);
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

void WindowRules::ShowHelp() {
    if (PenOpen()) ClosePen();
    windows_.helpWindow().Show();
}

void WindowRules::PressEscape() {
    // While one of the program's dialogs or message boxes is open, Esc is its cancel key;
    // while one of the palette's lists is dropped down, it closes the list.
    if (ui::Application::Current().CancelOpenDialog()) return;
    if (windows_.penWindow().CloseDroppedList()) return;
    TogglePen();
}

void WindowRules::ReportStoredProblems(const std::vector<std::wstring>& problems) { storedProblems_.Add(problems); }

void WindowRules::EndStartUp() { storedProblems_.EndStartUp(); }

void WindowRules::ToggleClickRings() { windows_.clickRings().Toggle(); }

bool WindowRules::PenOpen() const { return windows_.penWindow().Visible(); }

void WindowRules::ApplyEffectSettings(const EffectValues& values) {
    windows_.spotlight().ApplySettings(values);
    windows_.laser().ApplySettings(values);
    windows_.clickRings().ApplySettings(values);
}
