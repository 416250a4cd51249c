// The classroom timer's length, sound and place, kept in the table TimerSettings of the
// settings file, made by the first change: a file without it starts as a new one does. Read
// as texts, as every stored setting is; what they may hold is CheckStoredTimer's to judge.
#pragma once
#include <optional>
#include <string>

#include "base/Monitors.h"
#include "store/Settings.h"

inline constexpr int kDefaultTimerSeconds = 300;

struct TimerSettings {
    std::wstring secondsText;
    std::wstring soundText;  // 1 for a sound at the end
    // The window's place in screen pixels; all empty while it has none of its own.
    std::wstring leftText;
    std::wstring topText;
    std::wstring widthText;
    std::wstring heightText;
};

// What the timer uses.
struct TimerValues {
    int seconds = kDefaultTimerSeconds;
    bool sound = false;
    std::optional<ScreenRect> place;  // none: the default place on the pointer's monitor
    friend bool operator==(const TimerValues&, const TimerValues&) = default;
};

// None when the table or its row is missing.
std::optional<TimerSettings> ReadTimerSettings(const std::string& dbFile = kSettingsFile);
// Stores the values, making the table when it is missing.
void WriteTimerSettings(const TimerValues& values, const std::string& dbFile = kSettingsFile);
