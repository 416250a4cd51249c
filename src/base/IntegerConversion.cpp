#include "base/IntegerConversion.h"

#include "base/Exception.h"
#include "base/QuotedValue.h"
#include "base/Utf8.h"

#include <optional>

namespace {

int DigitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9')
        value = c - L'0';
    else if (c >= L'a' && c <= L'f')
        value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
        value = c - L'A' + 10;
    return value < base ? value : -1;
}

// Reads the digits from pos to the end; nullopt when there are none, a character is not a
// digit, or the magnitude exceeds limit.
std::optional<std::uint64_t> ParseDigits(const std::wstring& text, std::size_t pos, int base, std::uint64_t limit) {
    if (pos >= text.size()) return std::nullopt;
    std::uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) return std::nullopt;
    }
    return magnitude;
}

std::optional<std::int32_t> Parse(const std::wstring& text) {
    std::size_t pos = text.find_first_not_of(L" \t");
    if (pos == std::wstring::npos) return std::nullopt;

    bool negative = false;
    if (text[pos] == L'+' || text[pos] == L'-') {
        negative = text[pos] == L'-';
        ++pos;
    }

    if (pos < text.size() && text[pos] == L'$') {
        ++pos;
    } else if (text.compare(pos, 2, L"0x") == 0 || text.compare(pos, 2, L"0X") == 0) {
        pos += 2;
    } else {
        const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
        const auto magnitude = ParseDigits(text, pos, 10, limit);
        if (!magnitude) return std::nullopt;
        return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(*magnitude)
                                                  : static_cast<std::int64_t>(*magnitude));
    }

    // Hexadecimal is a 32-bit pattern: "$FFFFFFFF" is -1 and "$80000000" the smallest
    // integer; a sign then negates the pattern with wrap-around. This keeps colour values
    // written in hex readable whatever their top bit.
    const auto pattern = ParseDigits(text, pos, 16, 0xFFFFFFFFULL);
    if (!pattern) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(negative ? 0U - *pattern : *pattern);
    return static_cast<std::int32_t>(bits);
}

}  // namespace

std::int32_t StrToInt(const std::wstring& text) {
    const auto value = Parse(text);
    if (!value) throw EConvertError("'" + ToUtf8(ShortenedForQuote(text)) + "' is not a valid integer value");
    return *value;
}
