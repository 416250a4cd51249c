#include "base/CheckedSetting.h"

#include "base/Exception.h"
#include "base/IntegerConversion.h"
#include "base/QuotedValue.h"
#include "base/Text.h"

int CheckedSetting(unsigned setting, const std::wstring& text, SettingRange range, int fallback,
                   std::vector<std::wstring>& problems) {
    try {
        const int value = StrToInt(text);
        if (value >= range.least && value <= range.most) return value;
    } catch (const EConvertError&) {
        // Reported below like a value out of range: the user can mend both the same way.
    }
    problems.push_back(Formatted(IDS_STORED_LINE, {Text(setting), ShortenedForQuote(text), std::to_wstring(range.least),
                                                   std::to_wstring(range.most), std::to_wstring(fallback)}));
    return fallback;
}
