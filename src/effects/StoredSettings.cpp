#include "effects/StoredSettings.h"

#include "base/Exception.h"
#include "base/IntegerConversion.h"
#include "base/QuotedValue.h"

namespace {

// The stored number when it converts and lies in the range; otherwise the fallback, and
// a line for the message.
int Checked(const wchar_t* setting, const std::wstring& text, SettingRange range, int fallback,
            std::vector<std::wstring>& problems) {
    try {
        const int value = StrToInt(text);
        if (value >= range.least && value <= range.most) return value;
    } catch (const EConvertError&) {
        // Reported below like a value out of range: the user can mend both the same way.
    }
    problems.push_back(std::wstring(setting) + L"“" + ShortenedForQuote(text) + L"”不在" +
                       std::to_wstring(range.least) + L"-" + std::to_wstring(range.most) + L"里，已改用默认值" +
                       std::to_wstring(fallback) + L"。");
    return fallback;
}

}  // namespace

CheckedHalo CheckStoredHalo(const HaloSettings& stored) {
    CheckedHalo checked;
    // In the order the settings are read, so the message lists them as the window shows them.
    checked.values.color = Checked(L"光环颜色", stored.colorText, kColorRange, kDefaultHalo.color, checked.problems);
    checked.values.alpha = Checked(L"光环透明度", stored.alphaText, kHaloAlphaRange, kDefaultHalo.alpha, checked.problems);
    checked.values.diameter =
        Checked(L"光环大小", stored.diameterText, kHaloDiameterRange, kDefaultHalo.diameter, checked.problems);
    return checked;
}

CheckedOffset CheckStoredOffset(const PictureSettings& stored) {
    CheckedOffset checked;
    checked.offset =
        Checked(L"光标显示位置", stored.offsetText, kPictureOffsetRange, kDefaultPictureOffset, checked.problems);
    return checked;
}

CheckedEffects CheckStoredEffects(const EffectSettings& stored) {
    CheckedEffects checked;
    EffectValues& v = checked.values;
    const EffectValues defaults;
    auto& problems = checked.problems;
    v.spotlightDim = Checked(L"聚光灯暗度", stored.spotlightDimText, kSpotlightDimRange, defaults.spotlightDim, problems);
    v.spotlightRadius =
        Checked(L"聚光灯半径", stored.spotlightRadiusText, kSpotlightRadiusRange, defaults.spotlightRadius, problems);
    v.laserColor = Checked(L"激光笔颜色", stored.laserColorText, kColorRange, defaults.laserColor, problems);
    v.laserSize = Checked(L"激光笔大小", stored.laserSizeText, kLaserSizeRange, defaults.laserSize, problems);
    v.leftRingColor = Checked(L"左键圆环颜色", stored.leftRingColorText, kColorRange, defaults.leftRingColor, problems);
    v.rightRingColor =
        Checked(L"右键圆环颜色", stored.rightRingColorText, kColorRange, defaults.rightRingColor, problems);
    return checked;
}

std::wstring StoredSettingsMessage(const std::vector<std::wstring>& problems) {
    std::wstring message = L"设置数据库中有无效的值：";
    for (const std::wstring& problem : problems) message += L"\r\n" + problem;
    return message;
}
