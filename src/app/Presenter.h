// The rules between the windows, as the windows ask for them: which pointer effect is on,
// opening and closing the pen, what showing a window brings along. The one header of the
// shell that the windows below it include; the shell's inventory answers it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/PointerEffect.h"

struct EffectValues;

class Presenter {
public:
    // The effect on screen.
    virtual PointerEffect ShownEffect() const = 0;
    // Hides every other effect, runs `prepare` (an error there ends the step, and `effect`
    // stays hidden), then shows `effect`.
    virtual void ShowEffect(PointerEffect effect, const std::function<void()>& prepare) = 0;
    virtual void HideEffect(PointerEffect effect) = 0;
    // An effect's hot key: every other effect goes; this one comes or goes.
    virtual void ToggleEffect(PointerEffect effect) = 0;

    // The pen's hot key: the pointer effects go; the pen opens on a copy of the screen, or
    // closes and the effect the presenter had on comes back.
    virtual void TogglePen() = 0;

    // The picture came on screen: the control bar comes with it and the settings window goes.
    virtual void PictureShown() = 0;
    // Opens the control bar's menu at a screen point, owned by `owner`.
    virtual void PopupCommandMenu(HWND owner, POINT at) = 0;
    virtual void ShowHelp() = 0;

    // Stored settings that fell back (lines of StoredSettingsMessage): told once, after
    // start-up or at once later.
    virtual void ReportStoredProblems(const std::vector<std::wstring>& problems) = 0;
    // The click rings come or go; they go along with any pointer effect.
    virtual void ToggleClickRings() = 0;
    // While the pen is open the click rings stay away from the drawing.
    virtual bool PenOpen() const = 0;
    // The spotlight, laser and click rings take these values from now on.
    virtual void ApplyEffectSettings(const EffectValues& values) = 0;

protected:
    ~Presenter() = default;
};
