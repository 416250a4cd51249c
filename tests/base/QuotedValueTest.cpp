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

TEST(QuotedValue, LongPathsKeepTheirStartAndFileName) {
    const std::wstring folder = L"C:\\" + std::wstring(300, L'd');
    struct Row {
        std::wstring path;
        std::wstring quoted;
    };
    const Row rows[] = {
        {L"pic\\arrow.png", L"pic\\arrow.png"},
        {folder.substr(0, 54) + L"\\a.png", folder.substr(0, 54) + L"\\a.png"},
        {folder + L"\\star.png", folder.substr(0, 51) + L"\u2026\\star.png"},
        // A name longer than the end kept keeps its last characters, the extension among them.
        {folder + L"\\" + std::wstring(100, L'n') + L".png", folder.substr(0, 20) + L"\u2026" + std::wstring(36, L'n') + L".png"},
        // No separator: the end is kept all the same.
        {std::wstring(100, L'x') + L".png", std::wstring(20, L'x') + L"\u2026" + std::wstring(36, L'x') + L".png"},
        // Pairs at either cut stay whole.
        {std::wstring(19, L'a') + L"\xD83D\xDE00" + std::wstring(100, L'b') + L"\\" + L"\xDE00" + std::wstring(39, L'c'),
         std::wstring(19, L'a') + L"\u2026" + std::wstring(39, L'c')},
    };
    for (const Row& row : rows) EXPECT_EQ(ShortenedPathForQuote(row.path), row.quoted) << row.path.size();
}
