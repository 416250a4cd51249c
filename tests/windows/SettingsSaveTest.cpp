// The two save buttons: what they accept, the exact messages, what reaches the database,
// and bad input that only pasting can bring.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "base/Text.h"
#include "effects/SettingsWindow.h"
#include "store/SQLiteDatabase.h"
#include "store/Settings.h"
#include "base/Utf8.h"

namespace {

class SettingsSaveTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        WriteSettings({L"pic\\arrow.png", L"65"}, {L"65535", L"150", L"100"});
        s_ = &CreateWindows().settingsWindow();
    }

    // Fills the halo boxes, clicks save; the message shown, if any.
    std::wstring SaveHalo(const std::wstring& size, const std::wstring& alpha) {
        s_->haloDiameterBox.SetText(size);
        s_->haloAlphaBox.SetText(alpha);
        return ClickAndTakeMessage(s_->haloSaveButton);
    }
    std::wstring SavePicture(const std::wstring& offset) {
        s_->pictureOffsetBox.SetText(offset);
        return ClickAndTakeMessage(s_->pictureSaveButton);
    }
    std::wstring ClickAndTakeMessage(const ui::Panel& button) {
        recorder_.messages.clear();
        LeftClick(button);
        EXPECT_LE(recorder_.messages.size(), 1u);
        return recorder_.messages.empty() ? L"" : recorder_.messages.front();
    }

    SettingsWindow* s_ = nullptr;
};

std::string Stored(const HaloSettings& h) { return ToUtf8(h.colorText + L"/" + h.diameterText + L"/" + h.alphaText); }

}  // namespace

TEST_F(SettingsSaveTest, HaloSizeAndTransparencyBoundaries) {
    struct Case {
        const wchar_t* size;
        const wchar_t* alpha;
        std::wstring message;
    };
    const Case cases[] = {
        {L"0", L"150", Text(IDS_HALO_SIZE_OUT_OF_RANGE)},
        {L"1", L"150", L""},
        {L"600", L"150", L""},
        {L"601", L"150", Text(IDS_HALO_SIZE_OUT_OF_RANGE)},
        {L"100", L"0", L""},
        {L"100", L"255", L""},
        {L"100", L"256", Text(IDS_HALO_ALPHA_OUT_OF_RANGE)},
        {L"", L"150", Text(IDS_HALO_BOXES_EMPTY)},
        {L"100", L"", Text(IDS_HALO_BOXES_EMPTY)},
    };
    for (const Case& c : cases) {
        WriteHaloSettings({L"1", L"3", L"2"});
        EXPECT_EQ(SaveHalo(c.size, c.alpha), c.message) << ToUtf8(c.size) << " / " << ToUtf8(c.alpha);
        const std::string expected = c.message.empty() ? "65535/" + ToUtf8(c.size) + "/" + ToUtf8(c.alpha) : "1/2/3";
        EXPECT_EQ(Stored(ReadHaloSettings()), expected) << "saved only when valid";
    }
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(SettingsSaveTest, AValidHaloSaveWritesTheColourNumberIntoTheColourBox) {
    ASSERT_EQ(SaveHalo(L"250", L"90"), L"");
    EXPECT_EQ(s_->haloColorBox.Text(), L"65535");
    recorder_.colorAnswers.push_back(RGB(255, 0, 0));
    DoubleClick(s_->haloColorBox);
    EXPECT_EQ(s_->haloColorBox.Text(), L"65535") << "picking alone changes only the colour";
    ASSERT_EQ(SaveHalo(L"250", L"90"), L"");
    EXPECT_EQ(s_->haloColorBox.Text(), L"255");
    EXPECT_EQ(Stored(ReadHaloSettings()), "255/250/90");
}

TEST_F(SettingsSaveTest, PictureOffsetBoundaries) {
    struct Case {
        const wchar_t* offset;
        std::wstring message;
    };
    const Case cases[] = {{L"0", L""},
                          {L"130", L""},
                          {L"131", Text(IDS_OFFSET_OUT_OF_RANGE)},
                          {L"", Text(IDS_OFFSET_EMPTY)},
                          {L"  ", Text(IDS_OFFSET_EMPTY)}};
    for (const Case& c : cases) {
        WritePictureSettings({L"pic\\old.png", L"7"});
        EXPECT_EQ(SavePicture(c.offset), c.message) << ToUtf8(c.offset);
        const PictureSettings stored = ReadPictureSettings();
        EXPECT_EQ(stored.offsetText, c.message.empty() ? c.offset : L"7");
        EXPECT_EQ(stored.fileName, c.message.empty() ? L"pic\\arrow.png" : L"pic\\old.png") << "the hidden path box";
    }
}

TEST_F(SettingsSaveTest, PastedTextThatIsNoNumberIsAConversionErrorAndSavesNothing) {
    const HaloSettings before = ReadHaloSettings();
    for (const wchar_t* size : {L"abc", L"12a", L"2147483648", L"99999999999"}) {
        recorder_.errors.clear();
        EXPECT_EQ(SaveHalo(size, L"100"), L"") << "no validation message";
        ASSERT_EQ(recorder_.errors.size(), 1u);
        EXPECT_EQ(recorder_.errors[0], L"'" + std::wstring(size) + L"' is not a valid integer value.");
    }
    recorder_.errors.clear();
    EXPECT_EQ(SaveHalo(L"100", L"1 0"), L"");
    ASSERT_EQ(recorder_.errors.size(), 1u);
    EXPECT_EQ(recorder_.errors[0], L"'1 0' is not a valid integer value.");
    EXPECT_EQ(Stored(ReadHaloSettings()), Stored(before));
    EXPECT_EQ(s_->haloColorBox.Text(), L"当前颜色") << "the click ended before the colour box changed";

    recorder_.errors.clear();
    EXPECT_EQ(SavePicture(L"x65"), L"");
    ASSERT_EQ(recorder_.errors.size(), 1u);
    EXPECT_EQ(recorder_.errors[0], L"'x65' is not a valid integer value.");
    EXPECT_EQ(ReadPictureSettings().offsetText, L"65");
}

TEST_F(SettingsSaveTest, PastedBlanksAroundANumberAreStoredTrimmed) {
    EXPECT_EQ(SaveHalo(L" 250 ", L"\t90 "), L"");
    EXPECT_EQ(Stored(ReadHaloSettings()), "65535/250/90");
    EXPECT_EQ(SavePicture(L" 12 "), L"");
    EXPECT_EQ(ReadPictureSettings().offsetText, L"12");
}

TEST_F(SettingsSaveTest, PastedNegativeValuesGetTheRangeMessages) {
    EXPECT_EQ(SaveHalo(L"100", L"-1"), Text(IDS_HALO_ALPHA_OUT_OF_RANGE));
    EXPECT_EQ(SavePicture(L"-1"), Text(IDS_OFFSET_OUT_OF_RANGE));
    EXPECT_EQ(SaveHalo(L"100", L"0"), L"") << "the lowest alpha is still saved";
}

TEST_F(SettingsSaveTest, ALockedDatabaseReportsTheStoresErrorAndLosesNothing) {
    {
        TSQLiteDatabase other("GBTest.db");
        other.RunSQL("BEGIN EXCLUSIVE");
        EXPECT_EQ(SaveHalo(L"321", L"123"), L"");
        EXPECT_EQ(SavePicture(L"33"), L"");
        other.RunSQL("COMMIT");
    }
    ASSERT_EQ(recorder_.errors.size(), 2u);
    EXPECT_NE(recorder_.errors[0].find(L"database is locked"), std::wstring::npos) << ToUtf8(recorder_.errors[0]);
    EXPECT_NE(recorder_.errors[0].find(L"Update GBtx"), std::wstring::npos);
    EXPECT_NE(recorder_.errors[1].find(L"Update GBgs"), std::wstring::npos);
    EXPECT_EQ(Stored(ReadHaloSettings()), "65535/100/150") << "nothing written";

    // The boxes still hold what was typed; saving again once the lock is gone stores it.
    EXPECT_EQ(s_->haloDiameterBox.Text(), L"321");
    EXPECT_EQ(ClickAndTakeMessage(s_->haloSaveButton), L"");
    EXPECT_EQ(ClickAndTakeMessage(s_->pictureSaveButton), L"");
    EXPECT_EQ(Stored(ReadHaloSettings()), "65535/321/123");
    EXPECT_EQ(ReadPictureSettings().offsetText, L"33");
    EXPECT_EQ(recorder_.errors.size(), 2u);
}
