// Long values quoted in messages are shortened; every ordinary value is quoted whole.
#include <gtest/gtest.h>

#include <string>

#include "base/Exception.h"
#include "base/IntegerConversion.h"
#include "base/QuotedValue.h"

TEST(QuotedValue, OnlyValuesLongerThanTheLimitAreCut) {
    const std::wstring sixty(60, L'7');
    struct Row {
        std::wstring value;
        std::wstring quoted;
    };
    const Row rows[] = {
        {L"", L""},
        {L"6 5", L"6 5"},
        {sixty, sixty},
        {sixty + L"8", sixty + L"\u2026"},
        {std::wstring(100000, L'9'), std::wstring(60, L'9') + L"\u2026"},
        {std::wstring(59, L'1') + L"\u5149\u5149", std::wstring(59, L'1') + L"\u5149\u2026"},
        // A pair of UTF-16 surrogates across the limit stays whole: it goes entirely.
        {std::wstring(59, L'1') + L"\xD83D\xDE00", std::wstring(59, L'1') + L"\u2026"},
    };
    for (const Row& row : rows) EXPECT_EQ(ShortenedForQuote(row.value), row.quoted) << row.value.size();
}

TEST(QuotedValue, ConversionErrorQuotesTheStartOfAHugeNumber) {
    try {
        StrToInt(std::wstring(100000, L'1'));
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + std::string(60, '1') + "\xE2\x80\xA6' is not a valid integer value");
    }
}
