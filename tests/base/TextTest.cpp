// The program's text rules: UTF-8 both ways, the integer conversion, the error text's full stop.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "base/ErrorText.h"
#include "base/Exception.h"
#include "base/IntegerConversion.h"
#include "base/Utf8.h"

#include "TestSupport.h"

TEST(Utf8, ConvertsBothWaysWithoutLoss) {
    const std::string utf8 = "pic\\\xE7\xAE\xAD\xE5\xA4\xB4.png";  // pic\箭头.png
    EXPECT_EQ(FromUtf8(utf8), L"pic\\\u7BAD\u5934.png");
    EXPECT_EQ(ToUtf8(L"pic\\\u7BAD\u5934.png"), utf8);
    EXPECT_EQ(FromUtf8(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(Utf8, EdgesOfEachSequenceLengthBothWays) {
    const std::pair<char32_t, std::string> cases[] = {
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0xD7FF, "\xED\x9F\xBF"},
        {0xE000, "\xEE\x80\x80"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x1F600, "\xF0\x9F\x98\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& [code, utf8] : cases) {
        std::wstring wide;  // a surrogate pair where wchar_t is 16 bits
        if (sizeof(wchar_t) == 2 && code >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(code);
        }
        EXPECT_EQ(ToUtf8(wide), utf8) << std::hex << static_cast<unsigned>(code);
        EXPECT_EQ(FromUtf8(utf8), wide) << std::hex << static_cast<unsigned>(code);
    }
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    // Each bad sequence gives one U+FFFD for its longest valid prefix; the byte that broke
    // it starts the next sequence.
    const std::pair<std::string, std::wstring> cases[] = {
        {"a\xFF!", L"a\uFFFD!"},
        {"\xE7\xAEx", L"\uFFFDx"},        // truncated
        {"\xE7\xAE", L"\uFFFD"},          // truncated at the end
        {"\xE0\xA0\x7F", L"\uFFFD\x7F"},  // continuation byte missing
        {"\xC0\xAF", L"\uFFFD\uFFFD"},    // overlong two-byte forms
        {"\xC1\xBF", L"\uFFFD\uFFFD"},
        {"\xE0\x9F\xBF", L"\uFFFD\uFFFD\uFFFD"},            // overlong three-byte form
        {"\xF0\x8F\xBF\xBF", L"\uFFFD\uFFFD\uFFFD\uFFFD"},  // overlong four-byte form
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
        {"\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\xF5\x80\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},  // lead beyond U+10FFFF
    };
    for (const auto& [utf8, wide] : cases) EXPECT_EQ(FromUtf8(utf8), wide) << testing::PrintToString(utf8);
    for (const wchar_t lone : {static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0xDFFF)})
        EXPECT_EQ(ToUtf8(std::wstring(1, lone)), "\xEF\xBF\xBD") << "lone surrogate";
    if constexpr (sizeof(wchar_t) == 4) {
        EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xEF\xBF\xBD");
    }
}

TEST(StrToInt, AcceptsTheClassicForms) {
    EXPECT_EQ(StrToInt(L"065"), 65);
    EXPECT_EQ(StrToInt(L"0"), 0);
    EXPECT_EQ(StrToInt(L"-0"), 0);
    EXPECT_EQ(StrToInt(L"+7"), 7);
    EXPECT_EQ(StrToInt(L"  \t-12"), -12);
    EXPECT_EQ(StrToInt(L"16711680"), 16711680);
    EXPECT_EQ(StrToInt(L"2147483647"), 2147483647);
    EXPECT_EQ(StrToInt(L"-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(StrToInt(L"$FF"), 255);
    EXPECT_EQ(StrToInt(L"0x1a"), 26);
    EXPECT_EQ(StrToInt(L"0XFF"), 255);
    EXPECT_EQ(StrToInt(L" -$10"), -16);
    EXPECT_EQ(StrToInt(L"$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt(L"$80000000"), std::numeric_limits<std::int32_t>::min());
}

TEST(StrToInt, RejectsEverythingElseWithTheOriginalText) {
    for (const std::wstring text :
         {L"", L"  ", L"12 ", L"1 2", L"12a", L"+", L"-", L"- 5", L"$", L"0x", L"0x-1", L"1.5", L"2147483648",
          L"-2147483649", L"$100000000", L"99999999999999999999", L"\uFF11\uFF12", L"\u00A012"}) {
        const std::string original = ToUtf8(text);
        EXPECT_EQ(ErrorOf([&] { StrToInt(text); }), "'" + original + "' is not a valid integer value") << original;
    }
    EXPECT_THROW(StrToInt(L"abc"), EConvertError);
    EXPECT_EQ(ErrorOf([] { StrToInt(L"\u5341"); }), "'\xE5\x8D\x81' is not a valid integer value");
}

TEST(ErrorTextRules, FullStopUnlessTheTextEndsLowEnough) {
    EXPECT_EQ(WithFullStop(L"Bad value"), L"Bad value.");
    EXPECT_EQ(WithFullStop(L""), L"");
    EXPECT_EQ(WithFullStop(L"Done."), L"Done.");
    EXPECT_EQ(WithFullStop(L"ends with a comma,"), L"ends with a comma,");
    EXPECT_EQ(WithFullStop(L"path\\name"), L"path\\name.") << "'\\\\' sorts above '.'";
    EXPECT_EQ(WithFullStop(L"value is 7"), L"value is 7.");
    EXPECT_EQ(WithFullStop(L"中文"), L"中文.");
    EXPECT_EQ(WithFullStop(L"line\r"), L"line\r");
}
