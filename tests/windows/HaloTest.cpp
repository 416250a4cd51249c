// The halo overlay: its settings, its disc, its tick and F7.
#include "AppTest.h"

#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"

using HaloTest = AppTest;

TEST_F(HaloTest, SettingsGiveSizeColourAlphaAndACircularRegion) {
    WriteSettings({L"pic\\arrow.png", L"65"}, {L"16711680", L"200", L"101"});
    Shell& w = CreateWindows();
    HaloWindow& h = w.halo();
    EXPECT_TRUE(recorder_.errors.empty());
    EXPECT_EQ(h.Width(), 101);
    EXPECT_EQ(h.Height(), 101);
    EXPECT_EQ(h.GetColor(), 16711680) << "blue";
    COLORREF key;
    BYTE alpha = 99;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(h.Handle(), &key, &alpha, &flags));
    EXPECT_TRUE(flags & LWA_ALPHA);
    EXPECT_EQ(alpha, 200);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(h.Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 50, 50));
    EXPECT_TRUE(PtInRegion(region, 50, 2));
    EXPECT_FALSE(PtInRegion(region, 3, 3)) << "corners are cut away";
    EXPECT_FALSE(PtInRegion(region, 98, 98));
    DeleteObject(region);
}

TEST_F(HaloTest, DiscIsCentredOnThePointer) {
    WriteSettings({L"pic\\arrow.png", L"65"}, {L"255", L"150", L"101"});
    Shell& w = CreateWindows();
    SetCursorPos(400, 300);
    HaloWindow& h = w.halo();
    h.Show();
    EXPECT_EQ(h.Left(), 350) << "shown at the pointer at once";
    EXPECT_EQ(h.Top(), 250);
    SetCursorPos(420, 310);
    EXPECT_TRUE(PumpUntil([&] { return h.Left() == 370 && h.Top() == 260; })) << "at " << h.Left() << "," << h.Top();
    const LONG ex = GetWindowLongW(h.Handle(), GWL_EXSTYLE);
    EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST),
              WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST);
}

TEST_F(HaloTest, ApplyingAgainReplacesTheRegion) {
    Shell& w = CreateWindows();
    HaloWindow& h = w.halo();
    h.ApplySettings(255, 200, 40);
    h.ApplySettings(255, 200, 300);
    EXPECT_EQ(h.Width(), 300);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(h.Handle(), region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 150, 290));
    DeleteObject(region);
    EXPECT_EQ(h.HaloDiameter(), 300);
}

TEST_F(HaloTest, F7SwapsWithTheFollowerWhateverTheId) {
    Shell& w = CreateWindows();
    HaloWindow& h = w.halo();
    ASSERT_TRUE(w.follower().Visible());
    SendHotKey(VK_F7, 12);
    EXPECT_TRUE(h.Visible());
    EXPECT_FALSE(w.follower().Visible());
    SendHotKey(VK_F8);
    EXPECT_FALSE(h.Visible()) << "F8 swaps back";
    EXPECT_TRUE(w.follower().Visible());
    SendHotKey(VK_F7);
    SendHotKey(VK_F7);
    EXPECT_FALSE(h.Visible());
    EXPECT_FALSE(w.follower().Visible());
}
