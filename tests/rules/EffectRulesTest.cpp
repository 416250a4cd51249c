// The spotlight's geometry, which monitor the effects follow, and what the settings group
// of the spotlight, laser and click rings accepts.
#include <gtest/gtest.h>

#include "effects/EffectInput.h"
#include "effects/PointerMonitor.h"
#include "effects/Spotlight.h"

TEST(Spotlight, DimmingAndTheCirclesBox) {
    EXPECT_EQ(DimAlpha(60), 153);
    EXPECT_EQ(DimAlpha(95), 242);
    EXPECT_EQ(DimAlpha(10), 26);  // 25.5 rounds up
    EXPECT_EQ(CircleBox({100, 200}, 20), (ScreenRect{80, 180, 121, 221})) << "its right and bottom pixels inside";
}

TEST(PointerMonitor, LooksTheMonitorUpOnlyWhenThePointerLeavesIt) {
    // A laptop at 144 DPI and a smaller projector at 96 DPI to its right.
    const std::vector<MonitorInfo> monitors{{{0, 0, 1280, 800}, 144, true}, {{1280, 0, 2304, 768}, 96, false}};
    PointerMonitor monitor;
    monitor.SetMonitors(monitors);
    EXPECT_TRUE(monitor.Follow({640, 400}));
    EXPECT_EQ(monitor.Current().dpi, 144);
    EXPECT_FALSE(monitor.Follow({1279, 799}));
    EXPECT_TRUE(monitor.Follow({1280, 0}));
    EXPECT_EQ(monitor.Current().bounds, monitors[1].bounds);
    EXPECT_EQ(monitor.Current().dpi, 96);
    // Below the projector, on no monitor: the nearest is the one the pointer came from.
    EXPECT_FALSE(monitor.Follow({1500, 790}));
    EXPECT_EQ(monitor.Current().dpi, 96);
    EXPECT_TRUE(monitor.Follow({1279, 790}));
    // Listed again (a display change): the next tick places the effect afresh.
    monitor.SetMonitors(monitors);
    EXPECT_TRUE(monitor.Follow({1279, 790}));
    // Two monitors of one DPI are told apart by where they stand.
    monitor.SetMonitors({{{0, 0, 1280, 800}, 96, true}, {{1280, 0, 2304, 768}, 96, false}});
    EXPECT_TRUE(monitor.Follow({100, 100}));
    EXPECT_TRUE(monitor.Follow({1300, 100}));
}

TEST(EffectInput, EmptyBoxesThenEachRangeInTheOrderTheBoxesStand) {
    EXPECT_EQ(EffectInputMessage({L"60", L"", L"12"}), L"聚光灯暗度、聚光灯半径与激光笔大小框不能为空。");
    EXPECT_EQ(EffectInputMessage({L"60", L"120", L"  "}), L"聚光灯暗度、聚光灯半径与激光笔大小框不能为空。");
    EXPECT_EQ(EffectInputMessage({L"10", L"20", L"4"}), std::nullopt);
    EXPECT_EQ(EffectInputMessage({L" 95 ", L"600", L"64"}), std::nullopt) << "blanks around a pasted number";
    EXPECT_EQ(EffectInputMessage({L"9", L"601", L"3"}), L"聚光灯暗度值不在10-95里，请重新输入。");
    EXPECT_EQ(EffectInputMessage({L"96", L"120", L"12"}), L"聚光灯暗度值不在10-95里，请重新输入。");
    EXPECT_EQ(EffectInputMessage({L"60", L"19", L"3"}), L"聚光灯半径值不在20-600里，请重新输入。");
    EXPECT_EQ(EffectInputMessage({L"60", L"601", L"12"}), L"聚光灯半径值不在20-600里，请重新输入。");
    EXPECT_EQ(EffectInputMessage({L"60", L"120", L"65"}), L"激光笔大小值不在4-64里，请重新输入。");
    EXPECT_EQ(EffectInputMessage({L"60", L"120", L"-4"}), L"激光笔大小值不在4-64里，请重新输入。");
}
