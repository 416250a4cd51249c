#include "base/QuotedValue.h"

#include <algorithm>

namespace {

bool HighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool LowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The first `count` characters, one fewer where the last would be half a pair.
std::wstring Head(const std::wstring& value, std::size_t count) {
    if (count > 0 && count < value.size() && HighSurrogate(value[count - 1])) --count;
    return value.substr(0, count);
}

// The last `count` characters, one fewer where the first would be half a pair.
std::wstring Tail(const std::wstring& value, std::size_t count) {
    std::size_t start = value.size() - count;
    if (count > 0 && start > 0 && LowSurrogate(value[start])) ++start;
    return value.substr(start);
}

}  // namespace

std::wstring ShortenedForQuote(const std::wstring& value) {
    if (value.size() <= kLongestQuotedValue) return value;
    return Head(value, kLongestQuotedValue) + L"\u2026";
}

std::wstring ShortenedPathForQuote(const std::wstring& path) {
    if (path.size() <= kLongestQuotedValue) return path;
    // At least this much of the start stays, so the drive or folder is still seen.
    constexpr std::size_t kLongestEnd = kLongestQuotedValue * 2 / 3;
    const std::size_t separator = path.find_last_of(L"\\/");
    const std::size_t nameLength = separator == std::wstring::npos ? 0 : path.size() - separator;
    const std::size_t endLength = nameLength == 0 ? kLongestEnd : std::min(nameLength, kLongestEnd);
    return Head(path, kLongestQuotedValue - endLength) + L"\u2026" + Tail(path, endLength);
}
