// The two start buttons: their caption is their state, and a start applies what is
// stored, not what stands unsaved in the boxes.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include <algorithm>

#include "app/ControlBar.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"

using SettingsStartTest = AppTest;

TEST_F(SettingsStartTest, HaloStartAppliesTheStoredValuesAndStopHidesIt) {
    WriteSettings({L"pic\\arrow.png", L"65"}, {L"255", L"150", L"100"});
    Shell& w = CreateWindows();
    SettingsWindow& s = w.settingsWindow();
    s.Show();

    s.haloDiameterBox.SetText(L"222");  // typed, not saved
    LeftClick(s.haloStartButton);
    EXPECT_EQ(s.haloStartButton.Caption(), L"停止");
    EXPECT_TRUE(w.halo().Visible());
    EXPECT_FALSE(w.follower().Visible());
    EXPECT_EQ(w.halo().HaloDiameter(), 100) << "the stored diameter";
    EXPECT_EQ(w.halo().Width(), 100);

    LeftClick(s.haloStartButton);
    EXPECT_EQ(s.haloStartButton.Caption(), L"开启");
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_FALSE(w.follower().Visible()) << "stopping does not bring the follower back";

    s.haloAlphaBox.SetText(L"77");
    LeftClick(s.haloSaveButton);  // save 222 / 77
    LeftClick(s.haloStartButton);
    EXPECT_EQ(w.halo().HaloDiameter(), 222);
    EXPECT_EQ(w.halo().Width(), 222);
    EXPECT_EQ(w.halo().Alpha(), 77);
    EXPECT_EQ(w.halo().GetColor(), 255);
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_TRUE(recorder_.messages.empty());
}

TEST_F(SettingsStartTest, PictureStartAppliesTheStoredPictureAndKeepsThisWindowShown) {
    WriteSettings({L"pic\\arrow.png", L"65"}, {L"255", L"150", L"100"});
    Shell& w = CreateWindows();
    SettingsWindow& s = w.settingsWindow();
    FollowerWindow& follower = w.follower();
    const HBITMAP arrow = follower.picture.GetPicture().Bitmap();
    w.controlBar().haloButton.Click();  // halo on, follower off
    s.Show();

    s.pictureOffsetBox.SetText(L"30");
    recorder_.fileAnswers.push_back((Folder() / "pic" / "star.png").wstring());
    LeftClick(s.browseButton);
    std::filesystem::current_path(Folder());
    LeftClick(s.pictureStartButton);  // nothing saved yet
    EXPECT_EQ(s.pictureStartButton.Caption(), L"停止");
    EXPECT_TRUE(follower.Visible());
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_TRUE(s.Visible()) << "shown again after the follower's show steps hid it";
    EXPECT_EQ(follower.PictureOffset(), 65);
    EXPECT_NE(follower.picture.GetPicture().Bitmap(), arrow) << "the picture is loaded afresh";

    LeftClick(s.pictureStartButton);
    EXPECT_EQ(s.pictureStartButton.Caption(), L"开启");
    EXPECT_FALSE(follower.Visible());

    LeftClick(s.pictureSaveButton);  // save star / 30
    LeftClick(s.pictureStartButton);
    EXPECT_EQ(follower.PictureOffset(), 30);
    EXPECT_TRUE(follower.Visible());
    // The star and the arrow differ in the picture's middle.
    const ui::Picture& shown = follower.picture.GetPicture();
    const ui::Picture star = ui::Picture::LoadPng(L"pic\\star.png");
    ASSERT_EQ(shown.Width(), star.Width());
    EXPECT_TRUE(std::equal(shown.Pixels(), shown.Pixels() + shown.Width() * shown.Height(), star.Pixels()));
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(SettingsStartTest, CaptionsTellTheScreenAfterEachClickAndWhenTheWindowIsShown) {
    Shell& w = CreateWindows();
    SettingsWindow& s = w.settingsWindow();
    LeftClick(s.haloStartButton);  // halo on
    ASSERT_TRUE(w.halo().Visible());
    w.controlBar().pictureButton.Click();  // the bar switches to the follower
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_EQ(s.haloStartButton.Caption(), L"停止") << "stale while the window stays hidden";

    LeftClick(s.haloStartButton);  // only resets the caption and hides the hidden halo
    EXPECT_EQ(s.haloStartButton.Caption(), L"开启");
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_TRUE(w.follower().Visible()) << "the follower is left alone";

    w.controlBar().haloButton.Click();  // halo on from the bar, caption still reads start
    LeftClick(s.haloStartButton);
    EXPECT_EQ(s.haloStartButton.Caption(), L"停止");
    EXPECT_TRUE(w.halo().Visible()) << "a start while it is on keeps it on";

    w.controlBar().pictureButton.Click();
    s.Show();
    EXPECT_EQ(s.haloStartButton.Caption(), L"开启");
    EXPECT_EQ(s.pictureStartButton.Caption(), L"停止");
}

TEST_F(SettingsStartTest, AStoredValueItWouldRefuseIsToldAndTheDefaultShown) {
    Shell& w = CreateWindows();
    SettingsWindow& s = w.settingsWindow();
    WriteSettings({L"pic\\arrow.png", L"65"}, {L"255", L"150", L"big"});
    LeftClick(s.haloStartButton);
    EXPECT_TRUE(recorder_.errors.empty());
    ASSERT_EQ(recorder_.messages.size(), 1u) << "told at once after start-up";
    EXPECT_NE(recorder_.messages[0].find(L"光环大小“big”"), std::wstring::npos);
    EXPECT_EQ(s.haloStartButton.Caption(), L"停止");
    EXPECT_TRUE(w.halo().Visible());
    EXPECT_EQ(w.halo().HaloDiameter(), 100);
}
