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
    WriteSettings(L"pic\\arrow.png", L"65", L"255", L"150", L"100");
    Inventory& w = CreateWindows();
    TForm4& s = w.settingsWindow();
    s.Show();

    s.Edit2.SetText(L"222");  // typed, not saved
    LeftClick(s.Ppa2);
    EXPECT_EQ(s.Ppa2.Caption(), L"停止");
    EXPECT_TRUE(w.halo().Visible());
    EXPECT_FALSE(w.follower().Visible());
    EXPECT_EQ(w.halo().HaloDiameter(), 100) << "the stored diameter";
    EXPECT_EQ(w.halo().Width(), 100);

    LeftClick(s.Ppa2);
    EXPECT_EQ(s.Ppa2.Caption(), L"开启");
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_FALSE(w.follower().Visible()) << "stopping does not bring the follower back";

    s.Edit3.SetText(L"77");
    LeftClick(s.Ppa1);  // save 222 / 77
    LeftClick(s.Ppa2);
    EXPECT_EQ(w.halo().HaloDiameter(), 222);
    EXPECT_EQ(w.halo().Width(), 222);
    EXPECT_EQ(w.halo().Alpha(), 77);
    EXPECT_EQ(w.halo().GetColor(), 255);
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_TRUE(recorder_.messages.empty());
}

TEST_F(SettingsStartTest, PictureStartAppliesTheStoredPictureAndKeepsThisWindowShown) {
    WriteSettings(L"pic\\arrow.png", L"65", L"255", L"150", L"100");
    Inventory& w = CreateWindows();
    TForm4& s = w.settingsWindow();
    TForm2& follower = w.follower();
    const HBITMAP arrow = follower.Image1.GetPicture().Bitmap();
    w.controlBar().Pa4Click();  // halo on, follower off
    s.Show();

    s.Edit4.SetText(L"30");
    s.Edit5.SetText(L"pic\\star.png");
    LeftClick(s.Papic2);  // nothing saved yet
    EXPECT_EQ(s.Papic2.Caption(), L"停止");
    EXPECT_TRUE(follower.Visible());
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_TRUE(s.Visible()) << "shown again after the follower's show steps hid it";
    EXPECT_EQ(follower.PictureOffset(), 65);
    EXPECT_NE(follower.Image1.GetPicture().Bitmap(), arrow) << "the picture is loaded afresh";

    LeftClick(s.Papic2);
    EXPECT_EQ(s.Papic2.Caption(), L"开启");
    EXPECT_FALSE(follower.Visible());

    LeftClick(s.Papic1);  // save star / 30
    LeftClick(s.Papic2);
    EXPECT_EQ(follower.PictureOffset(), 30);
    EXPECT_TRUE(follower.Visible());
    // The star and the arrow differ in the picture's middle.
    const ui::Picture& shown = follower.Image1.GetPicture();
    const ui::Picture star = ui::Picture::LoadPng(L"pic\\star.png");
    ASSERT_EQ(shown.Width(), star.Width());
    EXPECT_TRUE(std::equal(shown.Pixels(), shown.Pixels() + shown.Width() * shown.Height(), star.Pixels()));
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(SettingsStartTest, CaptionsFollowOnlyThisWindowsClicks) {
    Inventory& w = CreateWindows();
    TForm4& s = w.settingsWindow();
    LeftClick(s.Ppa2);  // halo on
    ASSERT_TRUE(w.halo().Visible());
    w.controlBar().Pa3Click();  // the bar switches to the follower
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_EQ(s.Ppa2.Caption(), L"停止") << "stale, as designed";

    LeftClick(s.Ppa2);  // only resets the caption and hides the hidden halo
    EXPECT_EQ(s.Ppa2.Caption(), L"开启");
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_TRUE(w.follower().Visible()) << "the follower is left alone";

    w.controlBar().Pa4Click();  // halo on from the bar, caption still reads start
    LeftClick(s.Ppa2);
    EXPECT_EQ(s.Ppa2.Caption(), L"停止");
    EXPECT_TRUE(w.halo().Visible()) << "a start while it is on keeps it on";
}

TEST_F(SettingsStartTest, AFailedReadAtStartLeavesWhatTheClickDidBefore) {
    Inventory& w = CreateWindows();
    TForm4& s = w.settingsWindow();
    ASSERT_TRUE(w.follower().Visible());
    WriteSettings(L"pic\\arrow.png", L"65", L"255", L"150", L"big");
    LeftClick(s.Ppa2);
    ASSERT_EQ(recorder_.errors.size(), 1u);
    EXPECT_EQ(recorder_.errors[0], L"'big' is not a valid integer value.");
    EXPECT_EQ(s.Ppa2.Caption(), L"停止");
    EXPECT_FALSE(w.follower().Visible()) << "hidden before the read failed";
    EXPECT_FALSE(w.halo().Visible()) << "never shown";
}
