#include "effects/EffectInput.h"

#include "base/IntegerConversion.h"
#include "effects/EffectsTexts.h"
#include "effects/SettingsValidation.h"
#include "effects/StoredSettings.h"

namespace {

std::optional<std::wstring> OutOfRange(const wchar_t* name, const std::wstring& text, SettingRange range) {
    const int value = StrToInt(text);
    if (value >= range.least && value <= range.most) return std::nullopt;
    return name + std::wstring(effects::kOutOfRangeBefore) + std::to_wstring(range.least) + L"-" +
           std::to_wstring(range.most) + effects::kOutOfRangeAfter;
}

}  // namespace

std::optional<std::wstring> EffectInputMessage(const EffectInput& input) {
    const std::wstring dim = TrimBlanks(input.spotlightDim);
    const std::wstring radius = TrimBlanks(input.spotlightRadius);
    const std::wstring size = TrimBlanks(input.laserSize);
    if (dim.empty() || radius.empty() || size.empty()) return effects::kEffectBoxesEmpty;
    if (auto message = OutOfRange(effects::kSpotlightDimName, dim, kSpotlightDimRange)) return message;
    if (auto message = OutOfRange(effects::kSpotlightRadiusName, radius, kSpotlightRadiusRange)) return message;
    return OutOfRange(effects::kLaserSizeName, size, kLaserSizeRange);
}
