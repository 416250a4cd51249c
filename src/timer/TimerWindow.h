// The classroom timer: big digits on the projector, above the pen, counting down from the
// length last used and on into the overtime. Space or a click pauses it, Up and Down give
// a minute more or less, typed digits and Enter set the minutes, R starts again; the
// context menu has the usual lengths, the sound and close. It is dragged anywhere and
// resized by its edges or Ctrl and the wheel. Its title is the time it shows, for the
// screen readers.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "store/TimerSettings.h"
#include "timer/Countdown.h"
#include "timer/TimerFace.h"
#include "timer/WindowGrip.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"

inline constexpr wchar_t kTimerClass[] = L"VelloraTimer";

class TimerWindow : public ui::Form {
public:
    // It always stands above `above` (the pen), as an owned window does.
    explicit TimerWindow(HWND above);

    // What the start read from the settings file.
    void TakeStart(const TimerValues& values) { values_ = values; }

    // Opens on the monitor that holds the pointer, counting the length last used; or closes.
    void Toggle();
    // Out of sight for a moment while the pen copies the screen, and back above it after;
    // the count goes on meanwhile. True when it was shown.
    bool StepAside();
    void ComeBack();
    // Stands above `above` from now on (live ink while it is open, else the pen).
    void StandAbove(HWND above) { SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(above)); }

    // What the keys and the menu do.
    void TogglePause();
    void AddMinute(int sign);
    void Restart();
    void SetMinutes(int minutes);
    void SetSound(bool on);
    // A key pressed while the timer has the keyboard; true when it meant something.
    bool Key(WPARAM key);

    // What it shows now, and whether the end's sound is playing (played, and not stopped).
    const ShownTime& Shown() const { return shown_; }
    bool TimeUpShown() const { return timeUpUntil_.has_value(); }
    bool Sounding() const { return sounding_; }
    // The digits' font height in pixels, as last laid out.
    int DigitsHeight() const { return face_.DigitsHeight(); }

    // The monotonic clock in milliseconds (GetTickCount64); tests set another.
    std::function<std::int64_t()> clock;

    ui::PopupMenu menu;
    ui::Timer tick;

protected:
    void OnHide() override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PaintContent(HDC dc, const RECT& clip) override;

private:
    void BuildMenu();
    // After every change of the presenter's: the sound stops, and what shows is new.
    void Changed();
    // Draws what changed since the last tick, and asks for the next one.
    void OnTick();
    void StopSound();
    void Store();
    void PlaceAt(const ScreenRect& place);
    ScreenRect Place() const;
    // The presenter moved or sized it: the place is kept.
    void Moved();
    void ScaleBy(int notches);

    TimerValues values_;
    std::optional<Countdown> countdown_;
    ShownTime shown_;
    std::wstring typed_;                       // minutes typed, waiting for Enter
    std::optional<std::int64_t> timeUpUntil_;  // the end's line shows until then
    bool ended_ = false;                       // this run reached its end (the sound plays once)
    bool sounding_ = false;
    bool steppedAside_ = false;
    bool storeFailed_ = false;
    WindowGrip grip_;
    int wheelRest_ = 0;
    int dpi_ = kBaseDpi;

    TimerFace face_;
    std::size_t soundItem_ = 0;
};
