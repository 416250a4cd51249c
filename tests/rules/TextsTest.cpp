// The texts by number in each language, their placeholders, and the language a stored
// choice comes to. Natively the texts come from the table the build makes of the resource
// script, under Wine from the executable's string tables: the same tests read both.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "effects/StoredSettings.h"

namespace {

class TextsTest : public ::testing::Test {
protected:
    void TearDown() override { UseLanguage(Language::Chinese); }
};

}  // namespace

TEST_F(TextsTest, EachLanguageReadsItsOwnTableAndPlaceholdersTakeTheirValuesOnce) {
    UseLanguage(Language::Chinese);
    EXPECT_EQ(Text(IDS_SETTINGS_TITLE), L"Vellora设置");
    EXPECT_EQ(Text(IDS_BAR_CLOSE), L"关       闭") << "the spacing is the text's own";
    EXPECT_EQ(Formatted(IDS_OUT_OF_RANGE, {L"聚光灯半径", L"20", L"600"}), L"聚光灯半径值不在20-600里，请重新输入。");
    EXPECT_EQ(Formatted(IDS_PICTURE_REPLACE, {L"%2 100%.png", L"unused"}),
              L"图片文件夹中已有另一个同名文件“%2 100%.png”。要用所选的图片替换它吗？")
        << "a value is never read as a pattern";
    EXPECT_EQ(Formatted(IDS_OUT_OF_RANGE, {L"半径"}), L"半径值不在%2-%3里，请重新输入。")
        << "missing values leave their marks";

    UseLanguage(Language::English);
    EXPECT_EQ(CurrentLanguage(), Language::English);
    EXPECT_EQ(Text(IDS_SETTINGS_TITLE), L"Vellora Settings");
    EXPECT_EQ(Formatted(IDS_OUT_OF_RANGE, {L"Radius", L"20", L"600"}),
              L"Radius must be from 20 to 600. Enter another value.");
    EXPECT_EQ(Formatted(IDS_SAVE_FAILED, {L"D:\\课件\\a.png", L"Access is denied."}),
              L"The picture was not saved to “D:\\课件\\a.png”: Access is denied.")
        << "a path is quoted as in Chinese";
    EXPECT_EQ(Text(99), L"") << "a number without a text";
}

TEST_F(TextsTest, AStoredChoiceIsOneOfThreeAndAnythingElseIsAutomaticWithItsLine) {
    for (LanguageChoice choice : {LanguageChoice::Automatic, LanguageChoice::Chinese, LanguageChoice::English}) {
        EXPECT_EQ(LanguageChoiceNamed(StoredName(choice)), choice);
        EXPECT_TRUE(CheckStoredLanguage(StoredName(choice)).problems.empty());
    }
    EXPECT_EQ(CheckStoredLanguage(L"").choice, LanguageChoice::Automatic) << "no table yet: automatic, silently";
    EXPECT_TRUE(CheckStoredLanguage(L"").problems.empty());
    const CheckedLanguage bad = CheckStoredLanguage(L"EN");
    EXPECT_EQ(bad.choice, LanguageChoice::Automatic);
    EXPECT_EQ(bad.problems, std::vector<std::wstring>{L"语言“EN”不是自动、中文或 English，已改用自动。"});

    EXPECT_EQ(LanguageOf(LanguageChoice::Automatic, Language::English), Language::English);
    EXPECT_EQ(LanguageOf(LanguageChoice::Automatic, Language::Chinese), Language::Chinese);
    EXPECT_EQ(LanguageOf(LanguageChoice::Chinese, Language::English), Language::Chinese);
    EXPECT_EQ(LanguageOf(LanguageChoice::English, Language::Chinese), Language::English);
}
