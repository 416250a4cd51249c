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
    EXPECT_EQ(ArrowStep(0x25), (ScreenPoint{-10, 0}));
    EXPECT_EQ(ArrowStep(0x27), (ScreenPoint{10, 0}));
    EXPECT_EQ(ArrowStep(0x26), (ScreenPoint{0, -10}));
    EXPECT_EQ(ArrowStep(0x28), (ScreenPoint{0, 10}));
    EXPECT_EQ(ArrowStep(0x74), (ScreenPoint{0, 0}));
}
