// Which monitor holds a point, over the layouts a presenter's laptop meets, and how
// sizes given for 96 DPI scale.
#include <gtest/gtest.h>

#include <vector>

#include "base/Monitors.h"

namespace {

// The laptop (primary, 1280 x 800 at 144 DPI) and a projector of 1024 x 768 at 96 DPI,
// placed beside, above, left of and below-right of it with a gap.
const std::vector<MonitorInfo> kSideBySide{{{0, 0, 1280, 800}, 144, true}, {{1280, 0, 2304, 768}, 96, false}};
const std::vector<MonitorInfo> kStacked{{{0, 0, 1280, 800}, 144, true}, {{0, -768, 1024, 0}, 96, false}};
const std::vector<MonitorInfo> kLeftOfPrimary{{{0, 0, 1280, 800}, 144, true}, {{-1024, 32, 0, 800}, 96, false}};

int IndexAt(const std::vector<MonitorInfo>& monitors, ScreenPoint p) {
    return static_cast<int>(MonitorAt(monitors, p) - monitors.data());
}

}  // namespace

TEST(Monitors, ThePointPicksItsMonitorOrTheNearest) {
    struct Case {
        const std::vector<MonitorInfo>* layout;
        ScreenPoint point;
        int expected;
    };
    for (const Case& c : {
             Case{&kSideBySide, {1279, 799}, 0},  // last pixel of the primary
             Case{&kSideBySide, {1280, 0}, 1},    // first pixel of the projector
             Case{&kSideBySide, {2303, 767}, 1},
             Case{&kSideBySide, {2000, 790}, 1},  // below the shorter projector: nearest is it
             Case{&kSideBySide, {1500, 790}, 1},
             Case{&kSideBySide, {1285, 799}, 0},  // 32 below the projector, 6 right of the primary
             Case{&kSideBySide, {1300, 770}, 1},  // 3 below the projector, 21 right of the primary
             Case{&kStacked, {500, -1}, 1},       // negative coordinates above the primary
             Case{&kStacked, {500, 0}, 0},
             Case{&kStacked, {1200, -10}, 0},      // right of the projector: the primary is nearer
             Case{&kLeftOfPrimary, {-1, 400}, 1},  // left of the primary
             Case{&kLeftOfPrimary, {-1024, 32}, 1},
             Case{&kLeftOfPrimary, {-500, 10}, 1},  // above the projector, nearest is it
             Case{&kLeftOfPrimary, {0, 0}, 0},
         }) {
        EXPECT_EQ(IndexAt(*c.layout, c.point), c.expected) << c.point.x << "," << c.point.y;
    }
    EXPECT_EQ(MonitorAt({}, {0, 0}), nullptr);

    // Nearest by straight-line distance: 30 right and 30 below the first (about 42 away)
    // beats 50 left of the second; a tie goes to the monitor listed first.
    const std::vector<MonitorInfo> diagonal{{{0, 0, 100, 100}}, {{179, 100, 279, 200}}};
    EXPECT_EQ(IndexAt(diagonal, {129, 129}), 0);
    const std::vector<MonitorInfo> gap{{{0, 0, 100, 100}}, {{199, 0, 299, 100}}};
    EXPECT_EQ(IndexAt(gap, {149, 50}), 0);
    EXPECT_EQ(IndexAt(gap, {150, 50}), 1);
}

TEST(Monitors, PrimaryIsTheOneMarkedOrTheFirst) {
    const std::vector<MonitorInfo> projectorFirst{kSideBySide[1], kSideBySide[0]};
    EXPECT_EQ(PrimaryMonitor(projectorFirst), &projectorFirst[1]);
    const std::vector<MonitorInfo> unmarked{{{0, 0, 10, 10}}, {{10, 0, 20, 10}}};
    EXPECT_EQ(PrimaryMonitor(unmarked), &unmarked[0]);
    EXPECT_EQ(PrimaryMonitor({}), nullptr);
}

TEST(Monitors, SizesScaleByDpiRoundingHalfAwayFromZero) {
    struct Case {
        int value, dpi, expected;
    };
    for (const Case& c : {Case{65, 96, 65}, Case{65, 144, 98}, Case{65, 120, 81}, Case{198, 144, 297}, Case{5, 144, 8},
                          Case{139, 192, 278}, Case{1, 120, 1}, Case{3, 112, 4}, Case{-3, 112, -4}, Case{0, 144, 0},
                          Case{1000000, 192, 2000000}}) {
        EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
    }
}
