// Plain text rules of the store: error texts and float formatting.
#include "store/FloatText.h"
#include "store/SQLiteErrorText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <set>

TEST(SQLiteErrorText, EveryKnownCodeHasItsOwnTextAndTheRestAreQuoted) {
    std::set<std::string> texts;
    for (int code = -1; code <= 102; ++code) {
        const std::string text = SQLiteErrorText(code);
        if ((code >= 0 && code <= 26) || code == 100 || code == 101) {
            EXPECT_EQ(text.find("Unknown"), std::string::npos) << code;
            EXPECT_TRUE(texts.insert(text).second) << code << " repeats " << text;
        } else {
            EXPECT_EQ(text, "Unknown SQLite Error Code \"" + std::to_string(code) + "\"");
        }
    }
    EXPECT_EQ(SQLiteErrorText(0), "Successful result");
    EXPECT_EQ(SQLiteErrorText(19), "Abort due to contraint violation");
    EXPECT_EQ(SQLiteErrorText(26), "File opened that is not a database file");
    EXPECT_EQ(SQLiteErrorText(101), "sqlite3_step() has finished executing");
}

TEST(SQLiteErrorText, AStatementQuotesLongLiteralsLikePaths) {
    const std::string folder = "C:\\" + std::string(300, 'd') + "\\";
    const std::string ellipsisAndName = "\xE2\x80\xA6\\star.png";
    const std::string shortened = "C:\\" + std::string(48, 'd') + ellipsisAndName;
    struct Row {
        std::string sql, quoted;
    };
    const Row rows[] = {
        {"Update GBtx Set ColoeN='255',Ghdx='100',TouM='150' where GBtxID=1",
         "Update GBtx Set ColoeN='255',Ghdx='100',TouM='150' where GBtxID=1"},
        {"Update GBgs Set FileN='" + folder + "star.png',SHu='65' where GBgsID=1",
         "Update GBgs Set FileN='" + shortened + "',SHu='65' where GBgsID=1"},
        // A doubled quote belongs to the literal; an unclosed literal runs to the end.
        {"x='it''s " + folder + "star.png' y", "x='it''s C:\\" + std::string(42, 'd') + ellipsisAndName + "' y"},
        {"x='" + folder + "star.png", "x='" + shortened},
    };
    for (const Row& row : rows) EXPECT_EQ(QuotedStatement(row.sql), row.quoted) << row.sql.substr(0, 40);
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
    EXPECT_EQ(FormatFloat(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(FormatFloat, RoundingCarriesIntoTheNextDigit) {
    EXPECT_EQ(FormatFloat(0.999999999999999999), "1");
    EXPECT_EQ(FormatFloat(0.9999999999999996), "1");
    EXPECT_EQ(FormatFloat(99.99999999999999), "100");
    // Rounding decides the notation: these cross a threshold only once rounded.
    EXPECT_EQ(FormatFloat(999999999999999.9), "1E15");
    EXPECT_EQ(FormatFloat(9.999999999999999e-5), "0.0001");
}
