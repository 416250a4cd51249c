// The settings of the spotlight, the laser pointer and the click rings, kept in a table of
// their own in the settings database. The table is made with a new database's values by
// the first save, so a database laid out before it existed starts with those values and
// older copies of the program still read the file.
#pragma once
#include <string>

#include "store/Settings.h"

inline constexpr char kEffectSettingsTable[] = "EffectSettings";

struct EffectSettings {
    std::wstring spotlightDimText;     // SpotDim: percent of black over the rest of the screen
    std::wstring spotlightRadiusText;  // SpotRadius: pixels at 96 DPI
    std::wstring laserColorText;       // LaserColor: 0x00BBGGRR in decimal
    std::wstring laserSizeText;        // LaserSize: the dot's diameter in pixels at 96 DPI
    std::wstring leftRingColorText;    // LeftRing
    std::wstring rightRingColorText;   // RightRing
};

// What a new database holds: 60 % dimming, a 120-pixel circle, a red 12-pixel dot, yellow
// rings for the left button and blue ones for the right.
EffectSettings DefaultEffectSettings();

// The stored texts, or the defaults when the table or its row is missing.
EffectSettings ReadEffectSettings(const std::string& dbFile = kSettingsFile);
// Stores the texts, making the table when it is missing.
void WriteEffectSettings(const EffectSettings& settings, const std::string& dbFile = kSettingsFile);
