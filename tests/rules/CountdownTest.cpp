// What the classroom timer shows at a moment of the clock: counting down, paused, in
// overtime, in the hour form, and when it next needs drawing.
#include <gtest/gtest.h>

#include "timer/Countdown.h"

TEST(Countdown, ShowsTheTimeLeftUntilTheEndAndThenTheOvertime) {
    const std::int64_t t0 = 1'000'000;
    Countdown c(300, t0);
    EXPECT_EQ(c.Shown(t0), (ShownTime{L"05:00", false, false}));
    EXPECT_EQ(c.Shown(t0 + 999).digits, L"05:00") << "a second begun still counts";
    EXPECT_EQ(c.Shown(t0 + 1000).digits, L"04:59");
    EXPECT_EQ(c.Shown(t0 + 299'001).digits, L"00:01");
    EXPECT_EQ(c.Shown(t0 + 300'000), (ShownTime{L"+00:00", true, false}));
    EXPECT_EQ(c.Shown(t0 + 312'500).digits, L"+00:12");
    EXPECT_EQ(c.Shown(t0 + 300'000 + 3'600'000).digits, L"+1:00:00");

    EXPECT_EQ(ClockDigits(3599), L"59:59");
    EXPECT_EQ(ClockDigits(3600), L"1:00:00");
    EXPECT_EQ(ClockDigits(35'999), L"9:59:59");
    EXPECT_EQ(Countdown(0, t0).Length(), 1);
    EXPECT_EQ(Countdown(100'000, t0).Length(), 35'999);
}

TEST(Countdown, APauseHoldsTheTimeAndAMinuteMoreOrLessMovesOnlyThisRun) {
    const std::int64_t t0 = 5'000;
    Countdown c(120, t0);
    c.TogglePause(t0 + 10'400);  // 109.6 s left
    EXPECT_EQ(c.Shown(t0 + 500'000), (ShownTime{L"01:50", false, true})) << "held while paused, however long";
    EXPECT_FALSE(c.UntilNextChange(t0 + 500'000)) << "nothing to draw while paused";
    c.TogglePause(t0 + 500'000);
    EXPECT_EQ(c.Shown(t0 + 500'600).digits, L"01:49");

    c.AddMinute(+1, t0 + 500'600);
    EXPECT_EQ(c.Shown(t0 + 500'600).digits, L"02:49");
    c.AddMinute(-1, t0 + 500'600);
    c.AddMinute(-1, t0 + 500'600);
    EXPECT_EQ(c.Shown(t0 + 500'600).digits, L"00:49");
    c.AddMinute(-1, t0 + 500'600);
    EXPECT_EQ(c.Shown(t0 + 500'600), (ShownTime{L"+00:00", true, false})) << "less never goes past the end";
    c.AddMinute(+1, t0 + 530'600);  // 30 s into overtime
    EXPECT_EQ(c.Shown(t0 + 530'600).digits, L"01:00") << "a minute from now";
    EXPECT_EQ(c.Length(), 120) << "the length stays for the next run";
    c.Restart(t0 + 600'000);
    EXPECT_EQ(c.Shown(t0 + 600'000).digits, L"02:00");
}

TEST(Countdown, TheNextDrawingIsDueWhenTheDigitsChangeAndNoSooner) {
    const std::int64_t t0 = 0;
    Countdown c(3, t0);
    EXPECT_EQ(c.UntilNextChange(t0), 1000);
    EXPECT_EQ(c.UntilNextChange(t0 + 250), 750);
    // Walking from change to change shows each second once, through the end.
    std::int64_t now = t0 + 250;
    std::vector<std::wstring> seen{c.Shown(now).digits};
    for (int i = 0; i < 5; ++i) {
        now += *c.UntilNextChange(now);
        seen.push_back(c.Shown(now).digits);
    }
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"00:03", L"00:02", L"00:01", L"+00:00", L"+00:01", L"+00:02"}));
    c.SetLength(60, now);
    EXPECT_EQ(c.Shown(now).digits, L"01:00");
}
