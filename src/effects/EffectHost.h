// What the pointer effects' windows and the settings window ask of the program around
// them: which effect is on, showing and hiding one (the effects exclude each other), the
// start-up show chain, the command menu and the report of stored settings that fell back.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "effects/PointerEffect.h"

struct EffectValues;

class EffectHost {
public:
    // The effect on screen.
    virtual PointerEffect ShownEffect() const = 0;
    // Hides every other effect, runs `prepare` (an error there ends the step, and `effect`
    // stays hidden), then shows `effect`.
    virtual void ShowEffect(PointerEffect effect, const std::function<void()>& prepare) = 0;
    virtual void HideEffect(PointerEffect effect) = 0;
    // The picture came on screen: the control bar comes with it and the settings window goes.
    virtual void PictureShown() = 0;
    // Opens the command menu at a screen point, owned by `owner`.
    virtual void PopupCommandMenu(HWND owner, POINT at) = 0;
    // Stored settings a start button read that fell back (lines of StoredSettingsMessage):
    // told at once, in one message.
    virtual void ReportStoredProblems(const std::vector<std::wstring>& problems) = 0;
    // The spotlight, laser and click rings take these values from now on.
    virtual void ApplyEffectSettings(const EffectValues& values) = 0;
    // The window where the presenter chooses the program's keys.
    virtual void ShowKeys() = 0;

protected:
    ~EffectHost() = default;
};
