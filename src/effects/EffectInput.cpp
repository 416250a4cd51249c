#include "effects/EffectInput.h"

#include "base/IntegerConversion.h"
#include "base/Text.h"
#include "effects/SettingsValidation.h"
#include "effects/StoredSettings.h"

namespace {

std::optional<std::wstring> OutOfRange(unsigned name, const std::wstring& text, SettingRange range) {
    const int value = StrToInt(text);
    if (value >= range.least && value <= range.most) return std::nullopt;
    return Formatted(IDS_OUT_OF_RANGE, {Text(name), std::to_wstring(range.least), std::to_wstring(range.most)});
}

}  // namespace

std::optional<std::wstring> EffectInputMessage(const EffectInput& input) {
    const std::wstring dim = TrimBlanks(input.spotlightDim);
    const std::wstring radius = TrimBlanks(input.spotlightRadius);
    const std::wstring size = TrimBlanks(input.laserSize);
    if (dim.empty() || radius.empty() || size.empty()) return Text(IDS_EFFECT_BOXES_EMPTY);
    if (auto message = OutOfRange(IDS_SPOTLIGHT_DIM, dim, kSpotlightDimRange)) return message;
    if (auto message = OutOfRange(IDS_SPOTLIGHT_RADIUS, radius, kSpotlightRadiusRange)) return message;
    return OutOfRange(IDS_LASER_SIZE, size, kLaserSizeRange);
}
