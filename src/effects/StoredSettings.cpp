#include "effects/StoredSettings.h"

#include "base/QuotedValue.h"
#include "base/Text.h"

CheckedHalo CheckStoredHalo(const HaloSettings& stored) {
    CheckedHalo checked;
    // In the order the settings are read, so the message lists them as the window shows them.
    checked.values.color =
        CheckedSetting(IDS_STORED_HALO_COLOR, stored.colorText, kColorRange, kDefaultHalo.color, checked.problems);
    checked.values.alpha =
        CheckedSetting(IDS_STORED_HALO_ALPHA, stored.alphaText, kHaloAlphaRange, kDefaultHalo.alpha, checked.problems);
    checked.values.diameter = CheckedSetting(IDS_STORED_HALO_SIZE, stored.diameterText, kHaloDiameterRange,
                                             kDefaultHalo.diameter, checked.problems);
    return checked;
}

CheckedOffset CheckStoredOffset(const PictureSettings& stored) {
    CheckedOffset checked;
    checked.offset = CheckedSetting(IDS_STORED_PICTURE_OFFSET, stored.offsetText, kPictureOffsetRange,
                                    kDefaultPictureOffset, checked.problems);
    return checked;
}

CheckedEffects CheckStoredEffects(const EffectSettings& stored) {
    CheckedEffects checked;
    EffectValues& v = checked.values;
    const EffectValues defaults;
    auto& problems = checked.problems;
    v.spotlightDim = CheckedSetting(IDS_STORED_SPOTLIGHT_DIM, stored.spotlightDimText, kSpotlightDimRange,
                                    defaults.spotlightDim, problems);
    v.spotlightRadius = CheckedSetting(IDS_STORED_SPOTLIGHT_RADIUS, stored.spotlightRadiusText, kSpotlightRadiusRange,
                                       defaults.spotlightRadius, problems);
    v.laserColor =
        CheckedSetting(IDS_STORED_LASER_COLOR, stored.laserColorText, kColorRange, defaults.laserColor, problems);
    v.laserSize =
        CheckedSetting(IDS_STORED_LASER_SIZE, stored.laserSizeText, kLaserSizeRange, defaults.laserSize, problems);
    v.leftRingColor = CheckedSetting(IDS_STORED_LEFT_RING_COLOR, stored.leftRingColorText, kColorRange,
                                     defaults.leftRingColor, problems);
    v.rightRingColor = CheckedSetting(IDS_STORED_RIGHT_RING_COLOR, stored.rightRingColorText, kColorRange,
                                      defaults.rightRingColor, problems);
    return checked;
}

CheckedLanguage CheckStoredLanguage(const std::wstring& stored) {
    CheckedLanguage checked;
    if (stored.empty()) return checked;
    if (const std::optional<LanguageChoice> choice = LanguageChoiceNamed(stored))
        checked.choice = *choice;
    else
        checked.problems.push_back(Formatted(IDS_STORED_LANGUAGE, {ShortenedForQuote(stored)}));
    return checked;
}

std::wstring StoredSettingsMessage(const std::vector<std::wstring>& problems) {
    std::wstring message = Text(IDS_STORED_OPENING);
    for (const std::wstring& problem : problems) message += L"\r\n" + problem;
    return message;
}
