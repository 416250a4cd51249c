// The classroom timer in the running program, on a clock the test turns: its key opens it,
// the title is the time, a pause holds it, keys and the menu change it, the end turns it
// into overtime once, and it stays above the pen.
#include "AppTest.h"

#include "pen/PenWindow.h"
#include "store/TimerSettings.h"
#include "timer/TimerWindow.h"

namespace {

using TimerWindowTest = AppTest;

std::wstring Title(HWND window) {
    wchar_t text[64]{};
    GetWindowTextW(window, text, 64);
    return text;
}

// True when `upper` stands above `lower` among the top-level windows.
bool Above(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower) return true;
    return false;
}

}  // namespace

TEST_F(TimerWindowTest, CountsOnTheClockPausesTakesItsKeysAndEndsOnceInOvertime) {
    Shell& w = CreateWindows();
    TimerWindow& timer = w.timerWindow();
    std::int64_t now = 50'000;
    timer.clock = [&] { return now; };
    SendHotKey('4');  // the timer's key (only the virtual key tells the keys apart)
    ASSERT_TRUE(timer.Visible());
    EXPECT_EQ(Title(timer.Handle()), L"05:00");
    RECT place{};
    GetWindowRect(timer.Handle(), &place);
    EXPECT_GE(timer.DigitsHeight() * 7, GetSystemMetrics(SM_CYSCREEN)) << "digits of a tenth of the screen and more";

    now += 1'500;
    timer.tick.Tick();
    EXPECT_EQ(Title(timer.Handle()), L"04:59");
    timer.Key(VK_SPACE);
    now += 60'000;
    timer.tick.Tick();
    EXPECT_EQ(Title(timer.Handle()), L"04:59") << "held while paused";
    EXPECT_FALSE(timer.tick.Enabled()) << "no tick while paused";
    timer.Key(VK_SPACE);
    timer.Key(VK_UP);
    EXPECT_EQ(Title(timer.Handle()), L"05:59");
    for (WPARAM key : {WPARAM{'0'}, WPARAM{'2'}, WPARAM{VK_RETURN}}) timer.Key(key);
    EXPECT_EQ(Title(timer.Handle()), L"02:00") << "typed minutes and Enter";
    EXPECT_EQ(ReadTimerSettings().value().secondsText, L"120") << "the new length is kept";

    timer.SetSound(true);
    now += 120'000;
    timer.tick.Tick();
    EXPECT_EQ(Title(timer.Handle()), L"+00:00");
    EXPECT_TRUE(timer.Shown().overtime);
    EXPECT_TRUE(timer.TimeUpShown());
    EXPECT_TRUE(timer.Sounding());
    timer.TogglePause();
    EXPECT_FALSE(timer.Sounding()) << "a pause stops the sound";
    timer.TogglePause();
    now += 12'000;
    timer.tick.Tick();
    EXPECT_EQ(Title(timer.Handle()), L"+00:12");
    EXPECT_FALSE(timer.TimeUpShown()) << "the line shows a few seconds";
    EXPECT_FALSE(timer.Sounding()) << "played once";
    timer.Key('R');
    EXPECT_EQ(Title(timer.Handle()), L"02:00");

    w.OpenPen();
    Pump();
    EXPECT_TRUE(timer.Visible());
    EXPECT_TRUE(Above(timer.Handle(), w.penWindow().Handle()));
    SetForegroundWindow(w.penWindow().Handle());  // the presenter draws
    Pump();
    EXPECT_TRUE(Above(timer.Handle(), w.penWindow().Handle()));
    w.ClosePen();
    SendHotKey('4');
    EXPECT_FALSE(timer.Visible());
    EXPECT_FALSE(timer.tick.Enabled()) << "nothing while closed";
}
