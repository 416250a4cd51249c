// Where the pen's palette stands on the monitor the pen covers.
#include <gtest/gtest.h>

#include "pen/PalettePlacement.h"

TEST(PalettePlacement, NearTheTopRightOfTheMonitorScaledWithItsDpi) {
    EXPECT_EQ(pen::PaletteOrigin({1920, 1080}, 96), (ScreenPoint{1781, 5}));
    EXPECT_EQ(pen::PaletteOrigin({1024, 768}, 96), (ScreenPoint{885, 5}));
    EXPECT_EQ(pen::PaletteOrigin({1280, 800}, 144), (ScreenPoint{1071, 8}));
    EXPECT_EQ(pen::PaletteOrigin({2560, 1600}, 192), (ScreenPoint{2282, 10}));
}
