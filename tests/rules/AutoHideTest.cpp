// The control bar's auto-hide decision on a 1920 x 1080 primary screen: the bar's top is
// at 540, its band runs to 738, and it extends right of the column 1855.
#include <gtest/gtest.h>

#include "app/AutoHide.h"

namespace {

constexpr ScreenSize kScreen{1920, 1080};
constexpr int kOut = 1855;  // 1920 - 65
constexpr int kIn = 1915;   // 1920 - 5

int LeftAfterTick(int x, int y, int current, ScreenSize screen = kScreen) {
    return ControlBarLeft(screen, {x, y}, current);
}

}  // namespace

TEST(AutoHide, TopIsHalfTheScreenHeightTruncated) {
    EXPECT_EQ(ControlBarTop(1080), 540);
    EXPECT_EQ(ControlBarTop(1081), 540);
    EXPECT_EQ(ControlBarTop(767), 383);
}

TEST(AutoHide, PointerInsideTheBandExtendsFromEitherPosition) {
    for (int current : {kOut, kIn}) {
        EXPECT_EQ(LeftAfterTick(1919, 640, current), kOut) << "from " << current;
        EXPECT_EQ(LeftAfterTick(1856, 541, current), kOut) << "innermost corner of the band";
        EXPECT_EQ(LeftAfterTick(1856, 737, current), kOut) << "lowest row inside the band";
    }
}

TEST(AutoHide, PointerOutsideTheBandRetractsFromEitherPosition) {
    for (int current : {kOut, kIn}) {
        EXPECT_EQ(LeftAfterTick(1919, 0, current), kIn) << "top-right corner";
        EXPECT_EQ(LeftAfterTick(1919, 539, current), kIn) << "one row above the bar";
        EXPECT_EQ(LeftAfterTick(1919, 739, current), kIn) << "one row below the bar";
        EXPECT_EQ(LeftAfterTick(1854, 640, current), kIn) << "one column left of the bar";
        EXPECT_EQ(LeftAfterTick(0, 640, current), kIn);
    }
}

TEST(AutoHide, TheBandsEdgesKeepWhateverPositionTheBarHad) {
    for (int current : {kOut, kIn}) {
        EXPECT_EQ(LeftAfterTick(1900, 540, current), current) << "row of the bar's top";
        EXPECT_EQ(LeftAfterTick(1900, 738, current), current) << "row of the bar's bottom";
        EXPECT_EQ(LeftAfterTick(1855, 640, current), current) << "column of the bar's left edge";
        EXPECT_EQ(LeftAfterTick(1855, 540, current), current) << "corner of both";
    }
}

TEST(AutoHide, EdgeRowsStillRetractWhenThePointerIsLeftOfTheBar) {
    EXPECT_EQ(LeftAfterTick(1854, 540, kOut), kIn);
    EXPECT_EQ(LeftAfterTick(1854, 738, kOut), kIn);
}

TEST(AutoHide, SecondMonitorToTheRightCountsAsTheEdge) {
    // The primary screen's width bounds the band, so any x beyond it at the bar's height extends.
    EXPECT_EQ(LeftAfterTick(2500, 640, kIn), kOut);
    EXPECT_EQ(LeftAfterTick(2500, 500, kOut), kIn) << "above the band on the second monitor";
}

TEST(AutoHide, ANewResolutionMovesTheBandAndTheEdge) {
    constexpr ScreenSize smaller{1024, 768};  // top 384, band to 582, column 959
    EXPECT_EQ(LeftAfterTick(1023, 400, 1855, smaller), 959);
    EXPECT_EQ(LeftAfterTick(1023, 600, 959, smaller), 1019) << "below the new band, though inside the old one";
    EXPECT_EQ(LeftAfterTick(1023, 384, 1855, smaller), 1855) << "the new top row keeps the old place";
}

TEST(AutoHide, AtAnotherDpiTheBarAndItsBandScale) {
    const BarSize bar = ControlBarSize(144);
    EXPECT_EQ(bar.width, 98);
    EXPECT_EQ(bar.height, 297);
    EXPECT_EQ(bar.strip, 8);
    // 1280 x 800 at 144 DPI: the bar's top is 400, its band runs to 697, left of it is 1182.
    constexpr ScreenSize laptop{1280, 800};
    EXPECT_EQ(ControlBarLeft(laptop, {1183, 696}, 1272, bar), 1182) << "inside the scaled band";
    EXPECT_EQ(ControlBarLeft(laptop, {1183, 697}, 1272, bar), 1272) << "on its bottom row: stays";
    EXPECT_EQ(ControlBarLeft(laptop, {1183, 698}, 1182, bar), 1272) << "below it: pulls back to the scaled strip";
    EXPECT_EQ(ControlBarLeft(laptop, {1181, 500}, 1182, bar), 1272);
}
