#include "base/QuotedValue.h"

std::wstring ShortenedForQuote(const std::wstring& value) {
    if (value.size() <= kLongestQuotedValue) return value;
    std::size_t end = kLongestQuotedValue;
    const auto highSurrogate = [](wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    if (highSurrogate(value[end - 1])) --end;
    return value.substr(0, end) + L"\u2026";
}
