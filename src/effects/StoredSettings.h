// The stored settings as the effects use them at start: every value is checked against
// the ranges the settings window admits, and one that does not convert or lies outside
// falls back to what a new settings database holds. The database itself is left alone;
// the user's next save in the settings window writes good values.
#pragma once
#include <string>
#include <vector>

#include "base/CheckedSetting.h"
#include "base/Text.h"
#include "store/EffectSettings.h"
#include "store/Settings.h"

// The ranges the settings window admits.
inline constexpr SettingRange kHaloAlphaRange{0, 255};
inline constexpr SettingRange kHaloDiameterRange{1, 600};
inline constexpr SettingRange kPictureOffsetRange{0, 130};
inline constexpr SettingRange kColorRange{0, 0xFFFFFF};
inline constexpr SettingRange kSpotlightDimRange{10, 95};
inline constexpr SettingRange kSpotlightRadiusRange{20, 600};
inline constexpr SettingRange kLaserSizeRange{4, 64};

// What a new settings database holds.
inline constexpr HaloValues kDefaultHalo{65535, 150, 100};
inline constexpr int kDefaultPictureOffset = 65;

// The values to use, with one line for each value that fell back (naming the setting,
// the stored text shortened, the range and the value used instead).
struct CheckedHalo {
    HaloValues values;
    std::vector<std::wstring> problems;
};
CheckedHalo CheckStoredHalo(const HaloSettings& stored);

struct CheckedOffset {
    int offset = kDefaultPictureOffset;
    std::vector<std::wstring> problems;
};
CheckedOffset CheckStoredOffset(const PictureSettings& stored);

// The spotlight, laser and click rings as numbers (sizes at 96 DPI).
struct EffectValues {
    int spotlightDim = 60;
    int spotlightRadius = 120;
    int laserColor = 255;
    int laserSize = 12;
    int leftRingColor = 65535;
    int rightRingColor = 16711680;
};
struct CheckedEffects {
    EffectValues values;
    std::vector<std::wstring> problems;
};
CheckedEffects CheckStoredEffects(const EffectSettings& stored);

// The language chosen in the settings window: nothing stored is the automatic choice, and
// so is a stored text that is none of the three, with its line.
struct CheckedLanguage {
    LanguageChoice choice = LanguageChoice::Automatic;
    std::vector<std::wstring> problems;
};
CheckedLanguage CheckStoredLanguage(const std::wstring& stored);

// The one message that tells of every value that fell back.
std::wstring StoredSettingsMessage(const std::vector<std::wstring>& problems);
