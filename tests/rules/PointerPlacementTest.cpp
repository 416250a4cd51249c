// Where the pointer effects stand and how the keyboard mouse steps.
#include <gtest/gtest.h>

#include "effects/PointerPlacement.h"

TEST(PlacementRules, FollowerAndHaloCorners) {
    EXPECT_EQ(FollowerOrigin({300, 200}, 0), (ScreenPoint{300, 200}));
    EXPECT_EQ(FollowerOrigin({300, 200}, 130), (ScreenPoint{170, 70}));
    EXPECT_EQ(FollowerOrigin({10, 5}, 65), (ScreenPoint{-55, -60}));
    EXPECT_EQ(HaloOrigin({400, 300}, 101), (ScreenPoint{350, 250}));
    EXPECT_EQ(HaloOrigin({400, 300}, 0), (ScreenPoint{400, 300}));
    EXPECT_EQ(HaloOrigin({400, 300}, -5), (ScreenPoint{402, 302})) << "halving rounds toward zero";
}

TEST(PlacementRules, ArrowSteps) {
    EXPECT_EQ(ArrowStep(HotKeyAction::Left), (ScreenPoint{-10, 0}));
    EXPECT_EQ(ArrowStep(HotKeyAction::Right), (ScreenPoint{10, 0}));
    EXPECT_EQ(ArrowStep(HotKeyAction::Up), (ScreenPoint{0, -10}));
    EXPECT_EQ(ArrowStep(HotKeyAction::Down), (ScreenPoint{0, 10}));
    EXPECT_EQ(ArrowStep(HotKeyAction::Click), (ScreenPoint{0, 0}));
}

TEST(PlacementRules, TheLaserDotStaysWholeOnItsMonitor) {
    const ScreenRect second{1920, 0, 3200, 1024};
    EXPECT_EQ(DotOrigin({2500, 500}, 12, second), (ScreenPoint{2494, 494})) << "centred away from the edges";
    EXPECT_EQ(DotOrigin({1920, 0}, 12, second), (ScreenPoint{1920, 0})) << "the top-left corner";
    EXPECT_EQ(DotOrigin({3199, 1023}, 12, second), (ScreenPoint{3188, 1012})) << "the bottom-right corner";
    EXPECT_EQ(DotOrigin({1925, 1020}, 12, second), (ScreenPoint{1920, 1012}));
    EXPECT_EQ(DotOrigin({10, 10}, 64, ScreenRect{0, 0, 40, 40}), (ScreenPoint{0, 0})) << "a dot wider than the monitor";
}
