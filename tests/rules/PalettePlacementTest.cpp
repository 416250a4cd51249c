// Where the pen's palette stands on the monitor the pen covers.
#include <gtest/gtest.h>

#include "pen/PalettePlacement.h"

TEST(PalettePlacement, NearTheTopRightOfTheMonitorScaledWithItsDpi) {
    EXPECT_EQ(pen::PaletteOrigin({1920, 1080}, 96), (ScreenPoint{1781, 5}));
    EXPECT_EQ(pen::PaletteOrigin({1024, 768}, 96), (ScreenPoint{885, 5}));
    EXPECT_EQ(pen::PaletteOrigin({1280, 800}, 144), (ScreenPoint{1071, 8}));
    EXPECT_EQ(pen::PaletteOrigin({2560, 1600}, 192), (ScreenPoint{2282, 10}));
}

TEST(PalettePlacement, KeptWholeOnAMonitorThatShrankAndLeftWhereItWasOtherwise) {
    const ScreenSize palette{129, 289};
    EXPECT_EQ(pen::KeptOnMonitor({1781, 5}, palette, {1280, 720}), (ScreenPoint{1151, 5}));
    EXPECT_EQ(pen::KeptOnMonitor({400, 900}, palette, {1280, 720}), (ScreenPoint{400, 431}));
    EXPECT_EQ(pen::KeptOnMonitor({1151, 431}, palette, {1280, 720}), (ScreenPoint{1151, 431})) << "just fits";
    EXPECT_EQ(pen::KeptOnMonitor({-30, -4}, palette, {1280, 720}), (ScreenPoint{0, 0}));
    EXPECT_EQ(pen::KeptOnMonitor({50, 50}, palette, {100, 200}), (ScreenPoint{0, 0})) << "too big: its top-left shows";
}
