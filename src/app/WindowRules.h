// The one owner of the rules between the windows: the pointer effects exclude each other,
// the pen opens and closes with them, and the start-up show chain. The windows call it by
// role through Presenter; the control bar, beside it in the shell, calls it directly.
#pragma once
#include "app/Presenter.h"
#include "app/StoredProblemReport.h"
#include "pen/PenHost.h"

class Inventory;

namespace ui {
class Form;
}

class WindowRules final : public Presenter, public PenHost {
public:
    explicit WindowRules(Inventory& windows);

    PointerEffect ShownEffect() const override;
    void ShowEffect(PointerEffect effect, const std::function<void()>& prepare) override;
    void HideEffect(PointerEffect effect) override;
    void ToggleEffect(PointerEffect effect) override;
    void TogglePen() override;
    void PictureShown() override;
    void PopupCommandMenu(HWND owner, POINT at) override;
    void ShowHelp() override;
    void ReportStoredProblems(const std::vector<std::wstring>& problems) override;
    // Every window has run its creation handler: what they found stored is told now.
    void EndStartUp();
    void ToggleClickRings() override;
    bool PenOpen() const override;
    void ApplyEffectSettings(const EffectValues& values) override;

    // The start-up show chain, then the effect that was on when the program last ended.
    void Start();
    void ShowSettings();
    // The pen opens on a copy of the screen; the pointer effects stay as they are.
    void OpenPen();
    // The pen closes and the pointer effect the presenter had on comes back.
    void ClosePen() override;
    // Esc: cancels an open dialog or menu, or closes a dropped list of the pen's palette,
    // or opens or closes the pen.
    void PressEscape();
    // The start-up show chain: the control bar brings the picture along.
    void ControlBarShown();

private:
    // The window of an effect; none for PointerEffect::None.
    ui::Form* EffectWindow(PointerEffect effect) const;
    // The one place the pointer effects exclude each other. Hiding here is no choice of
    // the presenter's: the pen hides the effects for a while.
    void HideAllBut(PointerEffect kept);
    void HideWindowOf(PointerEffect effect);
    void ClosePenWindow();
    // The presenter's choice of effect, kept in the settings database as it is made, so a
    // shutdown or a killed process loses nothing.
    void Choose(PointerEffect effect);
    PointerEffect RememberedEffect() const;

    Inventory& windows_;
    StoredProblemReport storedProblems_;
    // What the presenter has on, also while the pen covers it: it comes back when the pen closes.
    PointerEffect chosen_ = PointerEffect::Picture;
    // A folder that cannot be written (a locked stick) is reported once, not at every key.
    bool rememberFailed_ = false;
};
