// Stored values the settings window would refuse, through the real start: the program
// starts, says once what it did not use, and the effects take a new database's values.
// A picture browsed from elsewhere is copied beside the program when saved; a start
// button's caption tells what is on screen, also when the start failed.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include "base/Text.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"
#include "store/SQLiteDatabase.h"
#include "ui/ProgramFiles.h"

namespace fs = std::filesystem;

using StoredValuesTest = AppTest;

TEST_F(StoredValuesTest, HostileValuesFallBackWithOneMessageNamingThem) {
    struct Row {
        PictureSettings picture;
        HaloSettings halo;
        const wchar_t* named;
    };
    const Row rows[] = {
        {{L"pic\\arrow.png", L"65"}, {L"65535", L"150", L"32767"}, L"光环大小“32767”"},
        {{L"pic\\arrow.png", L"65"}, {L"65535", L"150", std::wstring(1000000, L'9')}, L"光环大小“999"},
        {{L"pic\\arrow.png", L"65"}, {L"65535", L"300", L"100"}, L"光环透明度“300”"},
        {{L"pic\\arrow.png", L"65"}, {L"-1", L"150", L"100"}, L"光环颜色“-1”"},
        {{L"pic\\arrow.png", L"100000"}, {L"65535", L"150", L"100"}, L"光标显示位置“100000”"},
        {{L"pic\\arrow.png", L"Edit4"}, {L"65535", L"150", L"100"}, L"光标显示位置“Edit4”"},
    };
    for (const Row& row : rows) {
        WriteSettings(row.picture, row.halo);
        recorder_.messages.clear();
        Shell& windows = CreateWindows();
        ASSERT_EQ(recorder_.messages.size(), 1u) << row.named;
        EXPECT_NE(recorder_.messages[0].find(row.named), std::wstring::npos) << recorder_.messages[0].substr(0, 80);
        EXPECT_LT(recorder_.messages[0].size(), 200u);
        EXPECT_TRUE(recorder_.errors.empty());
        EXPECT_EQ(windows.halo().HaloDiameter(), 100);
        EXPECT_EQ(windows.halo().Alpha(), 150);
        EXPECT_EQ(windows.halo().GetColor(), 65535);
        EXPECT_EQ(windows.follower().PictureOffset(), 65);
        EXPECT_EQ(windows.settingsWindow().haloDiameterBox.Text(), L"100") << "the boxes show what is used";
        EXPECT_EQ(ReadHaloSettings().diameterText, row.halo.diameterText) << "nothing stored until a save";
        DestroyWindows();
    }
}

TEST_F(StoredValuesTest, AFailedStartLeavesTheStartCaption) {
    SettingsWindow& settings = CreateWindows().settingsWindow();
    TSQLiteDatabase lock(kSettingsFile);
    lock.RunSQL("BEGIN EXCLUSIVE");
    for (ui::Panel* start : {&settings.haloStartButton, &settings.pictureStartButton}) {
        recorder_.errors.clear();
        LeftClick(*start);
        EXPECT_EQ(recorder_.errors.size(), 1u);
        EXPECT_EQ(Windows().ShownEffect(), PointerEffect::None);
        EXPECT_EQ(start->Caption(), Text(IDS_START));
    }
    lock.RunSQL("COMMIT");
    LeftClick(settings.haloStartButton);
    EXPECT_EQ(settings.haloStartButton.Caption(), Text(IDS_STOP));
    EXPECT_EQ(settings.pictureStartButton.Caption(), Text(IDS_START));
}

TEST_F(StoredValuesTest, APictureFromElsewhereIsCopiedBesideTheProgramWhenSaved) {
    const std::wstring name = L"copied-" + std::to_wstring(GetCurrentProcessId()) + L".png";
    const fs::path target = ui::BesideProgram(L"pic\\" + name);
    fs::create_directories(Folder() / "elsewhere");
    fs::copy_file(Folder() / "pic" / "star.png", Folder() / "elsewhere" / name);
    fs::copy_file(Folder() / "pic" / "arrow.png", target);  // a different file of that name
    SettingsWindow& settings = CreateWindows().settingsWindow();
    recorder_.fileAnswers.push_back((Folder() / "elsewhere" / name).wstring());
    LeftClick(settings.browseButton);
    fs::current_path(Folder());

    LeftClick(settings.pictureSaveButton);  // answered No
    EXPECT_EQ(recorder_.questions.size(), 1u);
    EXPECT_EQ(ReadPictureSettings().fileName, L"pic\\arrow.png") << "nothing stored";
    recorder_.yesNoAnswers.push_back(true);
    LeftClick(settings.pictureSaveButton);
    EXPECT_EQ(ReadPictureSettings().fileName, L"pic\\" + name);
    EXPECT_EQ(fs::file_size(target), fs::file_size(Folder() / "pic" / "star.png"));
    LeftClick(settings.pictureSaveButton);  // now the same bytes: no question
    EXPECT_EQ(recorder_.questions.size(), 2u);
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_EQ(ui::Picture::LoadPng(target.wstring()).Width(), 128);
    fs::remove(target);
}
