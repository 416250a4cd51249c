// What the classroom timer starts with from its stored texts, and where it stands: on the
// pointer's monitor, within it, and after the monitors change.
#include <gtest/gtest.h>

#include "base/Text.h"
#include "timer/TimerPlace.h"

namespace {

const MonitorInfo kMonitors[] = {{{0, 0, 1920, 1080}, 96, true}, {{1920, 0, 3200, 1024}, 144, false}};

TimerSettings Stored(std::wstring seconds, std::wstring place = {}) {
    TimerSettings s{std::move(seconds), L"1", {}, {}, {}, {}};
    if (!place.empty()) s = {s.secondsText, s.soundText, place, L"100", L"600", L"200"};
    return s;
}

}  // namespace

TEST(TimerPlace, StoredValuesOutsideTheirRangeOrOffEveryMonitorFallBackWithALineEach) {
    UseLanguage(Language::Chinese);
    EXPECT_EQ(CheckStoredTimer(std::nullopt, kMonitors).values, TimerValues{}) << "a new file: 300 s, no sound";

    const CheckedTimer good = CheckStoredTimer(Stored(L"35999", L"2000"), kMonitors);
    EXPECT_TRUE(good.problems.empty());
    EXPECT_EQ(good.values, (TimerValues{35'999, true, ScreenRect{2000, 100, 2600, 300}})) << "on the second monitor";

    for (const wchar_t* bad : {L"0", L"36000", L"4.5", L""}) {
        const CheckedTimer checked = CheckStoredTimer(Stored(bad), kMonitors);
        EXPECT_EQ(checked.values.seconds, 300) << bad;
        ASSERT_EQ(checked.problems.size(), 1u) << bad;
        EXPECT_EQ(checked.problems[0], Formatted(IDS_STORED_LINE, {L"计时器时长（秒）", bad, L"1", L"35999", L"300"}));
    }
    // Its centre beyond the right edge of the second monitor, and one that is no number.
    for (const wchar_t* left : {L"2900", L"x"}) {
        const CheckedTimer off = CheckStoredTimer(Stored(L"60", left), kMonitors);
        EXPECT_FALSE(off.values.place) << left;
        EXPECT_EQ(off.problems, std::vector<std::wstring>{Formatted(IDS_STORED_TIMER_PLACE, {left, L"100"})});
    }
}

TEST(TimerPlace, OpensOnThePointersMonitorWithinItAndScalesWithinItsBounds) {
    const ScreenRect first = DefaultTimerPlace(kMonitors[0]);
    EXPECT_EQ(first.Height(), 216) << "a fifth of the monitor";
    EXPECT_EQ(first.left, 27);
    EXPECT_EQ(first.top, 27);
    const ScreenRect onSecond{2000, 100, 2600, 300};
    EXPECT_EQ(TimerPlaceOn(kMonitors[1], onSecond), onSecond);
    EXPECT_EQ(TimerPlaceOn(kMonitors[0], onSecond), (ScreenRect{27, 27, 627, 227}))
        << "stored for another monitor: its size at this one's corner";
    EXPECT_EQ(TimerPlaceOn(kMonitors[1], ScreenRect{1900, 900, 5000, 1200}).right, 3200) << "never beyond the monitor";

    // The second monitor unplugged: to the corner of the one that is left.
    EXPECT_EQ(TimerPlaceAfterDisplayChange(onSecond, std::span(kMonitors, 1)), (ScreenRect{27, 27, 627, 227}));
    const ScreenRect larger = ScaledTimerPlace(onSecond, 1, kMonitors[1]);
    EXPECT_EQ(larger.Width(), 660);
    EXPECT_EQ(larger.Height(), 220);
    const ScreenRect smallest = ScaledTimerPlace(onSecond, -40, kMonitors[1]);
    EXPECT_EQ(smallest.Height(), 72) << "48 pixels at 96 DPI, at 144";
    EXPECT_EQ(smallest.Width(), 216) << "the shape kept";
    const ScreenRect largest = ScaledTimerPlace(onSecond, 40, kMonitors[1]);
    EXPECT_EQ(largest.Width(), 1280);
    EXPECT_EQ(largest.left, 1920);
}
