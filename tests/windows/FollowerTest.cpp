// The follower: tracking, F8, and the keyboard mouse mode.
#include "AppTest.h"

#include "app/ControlBar.h"
#include "effects/FollowerWindow.h"
#include "effects/HaloWindow.h"
#include "effects/SettingsWindow.h"

using FollowerTest = AppTest;

TEST_F(FollowerTest, TracksThePointerMinusTheOffset) {
    for (const int offset : {0, 65, 130}) {
        WriteSettings({L"pic\\arrow.png", std::to_wstring(offset)}, {L"255", L"150", L"100"});
        Shell& w = CreateWindows();
        SetCursorPos(300, 260);
        FollowerWindow& f = w.follower();
        EXPECT_TRUE(PumpUntil([&] { return f.Left() == 300 - offset && f.Top() == 260 - offset; }))
            << "offset " << offset << ": at " << f.Left() << "," << f.Top();
        EXPECT_EQ(f.Width(), 128);
        EXPECT_EQ(f.Height(), 128);
        const LONG ex = GetWindowLongW(f.Handle(), GWL_EXSTYLE);
        EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST),
                  WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST);
        DestroyWindows();
    }
}

TEST_F(FollowerTest, ShowsUpAtThePointerAfterBeingHidden) {
    Shell& w = CreateWindows();
    FollowerWindow& f = w.follower();
    SendHotKey(VK_F8);
    ASSERT_FALSE(f.Visible());
    SetCursorPos(700, 650);
    PumpFor(50);
    SendHotKey(VK_F8);
    EXPECT_EQ(f.Left(), 700 - 65);
    EXPECT_EQ(f.Top(), 650 - 65);
}

TEST_F(FollowerTest, OnlyAShownEffectIsWokenByItsTimer) {
    Shell& w = CreateWindows();
    // A 10 ms timer is due after 30 ms without the loop running.
    const auto ticking = [this](HWND window) {
        Pump();
        Sleep(30);
        MSG msg;
        return PeekMessageW(&msg, window, WM_TIMER, WM_TIMER, PM_NOREMOVE) != FALSE;
    };
    ui::Form* effects[] = {&w.follower(), &w.halo()};
    for (ui::Form* effect : effects) {
        effect->Hide();
        EXPECT_FALSE(ticking(effect->Handle())) << "hidden";
        effect->Show();
        EXPECT_TRUE(ticking(effect->Handle())) << "shown";
        effect->Hide();
    }
}

TEST_F(FollowerTest, TickPutsBackAClickThroughStyleThatWasTakenAway) {
    Shell& w = CreateWindows();
    HWND h = w.follower().Handle();
    SetWindowLongW(h, GWL_EXSTYLE, GetWindowLongW(h, GWL_EXSTYLE) & ~WS_EX_TRANSPARENT);
    EXPECT_TRUE(PumpUntil([&] { return (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }));
}

TEST_F(FollowerTest, GreyIsTheSeeThroughKeyAndThePictureIsDrawn) {
    Shell& w = CreateWindows();
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w.follower().Handle(), &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(128, 128, 128));
    EXPECT_TRUE(flags & LWA_COLORKEY);
    const ui::Picture& picture = w.follower().picture.GetPicture();
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 128);
}

TEST_F(FollowerTest, F8TogglesWhateverTheIdAndHidesTheHalo) {
    Shell& w = CreateWindows();
    FollowerWindow& f = w.follower();
    ASSERT_TRUE(f.Visible());
    SendHotKey(VK_F8, 4711);  // the id is not looked at
    EXPECT_FALSE(f.Visible());

    w.halo().Show();
    SendHotKey(VK_F8);
    EXPECT_FALSE(w.halo().Visible());
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(w.settingsWindow().Visible());

    SendHotKey(VK_F9);  // a key the program does not hold
    EXPECT_TRUE(f.Visible());
}

TEST_F(FollowerTest, KeyboardMouseMovesThePointerAndClicksOnlyWhileOn) {
    Shell& w = CreateWindows();
    FollowerWindow& f = w.follower();
    SetCursorPos(500, 400);
    SendHotKey(VK_LEFT);
    EXPECT_EQ(CursorPos().x, 500) << "arrows do nothing while the mode is off";
    SendHotKey(VK_F5);
    EXPECT_TRUE(recorder_.mouseEvents.empty());

    SendHotKey(VK_F6);
    ASSERT_TRUE(w.keyboardMouse().On());
    for (unsigned vk : {0x25u, 0x26u, 0x27u, 0x28u}) EXPECT_TRUE(HotKeyHeld(vk));
    for (int i = 0; i < 3; ++i) SendHotKey(VK_LEFT);
    EXPECT_EQ(CursorPos().x, 470);
    EXPECT_EQ(CursorPos().y, 400);
    EXPECT_EQ(f.Left(), 470 - f.PictureOffset()) << "the picture moves with the pointer at once";
    SendHotKey(VK_DOWN);
    SendHotKey(VK_RIGHT);
    SendHotKey(VK_UP);
    SendHotKey(VK_UP);
    EXPECT_EQ(CursorPos().x, 480);
    EXPECT_EQ(CursorPos().y, 390);

    SendHotKey(VK_F5);
    ASSERT_EQ(recorder_.mouseEvents.size(), 2u);
    EXPECT_EQ(recorder_.mouseEvents[0].flags, static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN));
    EXPECT_EQ(recorder_.mouseEvents[1].flags, static_cast<DWORD>(MOUSEEVENTF_LEFTUP));

    SendHotKey(VK_F6);
    EXPECT_FALSE(w.keyboardMouse().On());
    for (unsigned vk : {0x25u, 0x26u, 0x27u, 0x28u}) EXPECT_FALSE(HotKeyHeld(vk)) << "arrow " << vk;
}

TEST_F(FollowerTest, KeyboardMouseWorksWithTheFollowerHidden) {
    Shell& w = CreateWindows();
    FollowerWindow& f = w.follower();
    SendHotKey(VK_F8);
    ASSERT_FALSE(f.Visible());
    SetCursorPos(200, 200);
    SendHotKey(VK_F6);
    SendHotKey(VK_DOWN);
    EXPECT_EQ(CursorPos().y, 210);
}
