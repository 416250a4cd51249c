// Plain text rules of the store: error texts, float formatting, UTF-8 and integer conversion.
#include "store/Errors.h"
#include "store/FloatText.h"
#include "store/IntegerConversion.h"
#include "store/SQLiteErrorText.h"
#include "store/Utf8.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <limits>

TEST(SQLiteErrorText, KnownCodesKeepTheirWording) {
    EXPECT_EQ(SQLiteErrorText(0), "Successful result");
    EXPECT_EQ(SQLiteErrorText(1), "SQL error or missing database");
    EXPECT_EQ(SQLiteErrorText(19), "Abort due to contraint violation");
    EXPECT_EQ(SQLiteErrorText(26), "File opened that is not a database file");
    EXPECT_EQ(SQLiteErrorText(100), "sqlite3_step() has another row ready");
    EXPECT_EQ(SQLiteErrorText(101), "sqlite3_step() has finished executing");
}

TEST(SQLiteErrorText, CodesOutsideTheTableAreQuoted) {
    EXPECT_EQ(SQLiteErrorText(27), "Unknown SQLite Error Code \"27\"");
    EXPECT_EQ(SQLiteErrorText(-1), "Unknown SQLite Error Code \"-1\"");
    EXPECT_EQ(SQLiteErrorText(99), "Unknown SQLite Error Code \"99\"");
    EXPECT_EQ(SQLiteErrorText(102), "Unknown SQLite Error Code \"102\"");
}

TEST(FormatFloat, WholeAndFractionalValuesInFixedNotation) {
    EXPECT_EQ(FormatFloat(65.0), "65");
    EXPECT_EQ(FormatFloat(0.0), "0");
    EXPECT_EQ(FormatFloat(-0.0), "0");
    EXPECT_EQ(FormatFloat(100.0), "100");
    EXPECT_EQ(FormatFloat(0.1), "0.1");
    EXPECT_EQ(FormatFloat(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatFloat(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FormatFloat(-2.0 / 3), "-0.666666666666667");
    EXPECT_EQ(FormatFloat(-2.5), "-2.5");
    EXPECT_EQ(FormatFloat(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatFloat(1e14), "100000000000000");
    EXPECT_EQ(FormatFloat(0.00012345), "0.00012345");
}

TEST(FormatFloat, SwitchesToScientificAtTheLimits) {
    EXPECT_EQ(FormatFloat(1234567890123456.0), "1.23456789012346E15");
    EXPECT_EQ(FormatFloat(-1234567890123456.0), "-1.23456789012346E15");
    EXPECT_EQ(FormatFloat(1e15), "1E15");
    EXPECT_EQ(FormatFloat(1.5e20), "1.5E20");
    EXPECT_EQ(FormatFloat(1e-4), "0.0001");
    EXPECT_EQ(FormatFloat(-1e-4), "-0.0001");
    EXPECT_EQ(FormatFloat(9.99999e-5), "9.99999E-5");
    EXPECT_EQ(FormatFloat(1e-5), "1E-5");
    EXPECT_EQ(FormatFloat(-2.5e-7), "-2.5E-7");
    EXPECT_EQ(FormatFloat(1.25e-300), "1.25E-300");
    EXPECT_EQ(FormatFloat(std::numeric_limits<double>::infinity()), "INF");
}

TEST(FormatFloat, RoundingCarriesIntoTheNextDigit) {
    EXPECT_EQ(FormatFloat(0.999999999999999999), "1");
    EXPECT_EQ(FormatFloat(0.9999999999999996), "1");
    EXPECT_EQ(FormatFloat(99.99999999999999), "100");
    // Rounding decides the notation: these cross a threshold only once rounded.
    EXPECT_EQ(FormatFloat(999999999999999.9), "1E15");
    EXPECT_EQ(FormatFloat(9.999999999999999e-5), "0.0001");
}

TEST(Utf8, ConvertsBothWaysWithoutLoss) {
    const std::string utf8 = "pic\\\xE7\xAE\xAD\xE5\xA4\xB4.png";  // pic\箭头.png
    EXPECT_EQ(FromUtf8(utf8), L"pic\\\u7BAD\u5934.png");
    EXPECT_EQ(ToUtf8(L"pic\\\u7BAD\u5934.png"), utf8);
    // Outside the basic plane: a surrogate pair where wchar_t is 16 bits.
    EXPECT_EQ(FromUtf8("\xF0\x9F\x98\x80"), std::wstring(L"\U0001F600"));
    EXPECT_EQ(ToUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              L"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xE7\xAE"
                       "x"),
              L"\uFFFDx");                                                 // truncated: one replacement
    EXPECT_EQ(FromUtf8("\xE7\xAE"), L"\uFFFD");                            // truncated at the end
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");                      // overlong
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");            // encoded surrogate
    EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), L"\uFFFD\uFFFD\uFFFD\uFFFD");  // above U+10FFFF
    EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
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
