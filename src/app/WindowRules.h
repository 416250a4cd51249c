// The one owner of the rules between the windows: the pointer effects exclude each other,
// the pen opens and closes with them, and the start-up show chain. The windows call it by
// role through Presenter; the control bar, beside it in the shell, calls it directly.
#pragma once
#include "app/Presenter.h"

class Inventory;

namespace ui {
class Form;
}

class WindowRules final : public Presenter {
public:
    explicit WindowRules(Inventory& windows) : windows_(windows) {}

    PointerEffect ShownEffect() const override;
    void ShowEffect(PointerEffect effect, const std::function<void()>& prepare) override;
    void HideEffect(PointerEffect effect) override;
    void ToggleEffect(PointerEffect effect) override;
    void TogglePen() override;
    void PictureShown() override;
    void PopupCommandMenu(HWND owner, POINT at) override;
    void ShowHelp() override;
    void ToggleClickRings() override;
    bool PenOpen() const override;
    void ApplyEffectSettings(const EffectValues& values) override;

    void ShowSettings();
    // The pen opens on a copy of the screen; the pointer effects stay as they are.
    void OpenPen();
    // The start-up show chain: the control bar brings the picture along.
    void ControlBarShown();

private:
    // The window of an effect; none for PointerEffect::None.
    ui::Form* EffectWindow(PointerEffect effect) const;
    // The one place the pointer effects exclude each other.
    void HideAllBut(PointerEffect kept);
    void ClosePen();

    Inventory& windows_;
};
