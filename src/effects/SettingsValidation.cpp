#include "effects/SettingsValidation.h"

#include "base/IntegerConversion.h"
#include "base/Text.h"
#include "effects/StoredSettings.h"

namespace {

bool Outside(int value, SettingRange range) { return value < range.least || value > range.most; }

}  // namespace

std::wstring TrimBlanks(const std::wstring& text) {
    const auto blank = [](wchar_t c) { return c <= L' '; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool KeptByDigitBox(wchar_t key) {
    // Backspace, Tab, and Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X as the box receives them.
    constexpr wchar_t kEditing[] = {L'\b', L'\t', 1, 3, 22, 24};
    for (wchar_t kept : kEditing)
        if (key == kept) return true;
    return key >= L'0' && key <= L'9';
}

std::optional<std::wstring> HaloInputMessage(const std::wstring& sizeText, const std::wstring& alphaText) {
    const std::wstring size = TrimBlanks(sizeText);
    const std::wstring alpha = TrimBlanks(alphaText);
    if (size.empty() || alpha.empty()) return Text(IDS_HALO_BOXES_EMPTY);
    const int diameter = StrToInt(size);
    if (Outside(diameter, kHaloDiameterRange)) return Text(IDS_HALO_SIZE_OUT_OF_RANGE);
    // A minus sign cannot be typed, but it can be pasted.
    const int opacity = StrToInt(alpha);
    if (Outside(opacity, kHaloAlphaRange)) return Text(IDS_HALO_ALPHA_OUT_OF_RANGE);
    return std::nullopt;
}

std::optional<std::wstring> PictureInputMessage(const std::wstring& offsetText) {
    const std::wstring offset = TrimBlanks(offsetText);
    if (offset.empty()) return Text(IDS_OFFSET_EMPTY);
    const int pixels = StrToInt(offset);
    if (Outside(pixels, kPictureOffsetRange)) return Text(IDS_OFFSET_OUT_OF_RANGE);
    return std::nullopt;
}
