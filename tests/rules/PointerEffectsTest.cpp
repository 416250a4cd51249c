// The laser's trail and the click rings over time, driven tick by tick as the windows do.
#include <gtest/gtest.h>

#include "effects/ClickRing.h"
#include "effects/LaserTrail.h"
#include "effects/StoredSettings.h"

TEST(LaserTrail, KeepsHalfASecondWhileMovingThenHoldsWholeAndFadesAsOne) {
    LaserTrail trail;
    std::int64_t now = 0;
    for (int x = 0; x <= 100; x += 10, now += 100) EXPECT_TRUE(trail.Update({x, 50}, now));
    // 1 s of movement: only the last half second and the point leading into it are left.
    EXPECT_EQ(trail.Points().front().at.x, 40);
    EXPECT_EQ(trail.Points().back().at.x, 100);
    const ScreenRect moved = trail.Bounds(6);
    EXPECT_EQ(moved, (ScreenRect{34, 44, 107, 57}));

    const std::int64_t stop = now - 100;
    // Held whole: nothing to draw on a still tick, and the tail is not eaten.
    EXPECT_FALSE(trail.Update({100, 50}, stop + LaserTrail::kHoldMs - 10));
    EXPECT_EQ(trail.Points().size(), 7u);
    EXPECT_EQ(trail.Alpha(stop + LaserTrail::kHoldMs - 10), 255);
    // Fading: every tick redraws, with the opacity falling for the trail as a whole.
    EXPECT_TRUE(trail.Update({100, 50}, stop + LaserTrail::kHoldMs + 100));
    EXPECT_EQ(trail.Points().size(), 7u);
    EXPECT_EQ(trail.Alpha(stop + LaserTrail::kHoldMs + 100), 170);
    // Gone: one last redraw, then still ticks draw nothing.
    EXPECT_TRUE(trail.Update({100, 50}, stop + LaserTrail::kHoldMs + LaserTrail::kFadeMs));
    EXPECT_EQ(trail.Points().size(), 1u);
    EXPECT_EQ(trail.Alpha(stop + LaserTrail::kHoldMs + LaserTrail::kFadeMs), 0);
    EXPECT_FALSE(trail.Update({100, 50}, stop + 5000));
    // A new movement starts from where the pointer rested.
    EXPECT_TRUE(trail.Update({110, 50}, stop + 5010));
    EXPECT_EQ(trail.Points().front().at.x, 100);
    EXPECT_EQ(trail.Alpha(stop + 5010), 255);
}

TEST(LaserTrail, ATickRepaintsOnlyTheSegmentsThatWentAndCame) {
    LaserTrail trail;
    std::int64_t now = 0;
    for (int x = 0; x <= 100; x += 10, now += 100) trail.Update({x, 50}, now);
    std::deque<TrailPoint> before = trail.Points();
    // The tick eats the oldest segment and adds one at the pointer.
    trail.Update({110, 60}, now);
    EXPECT_EQ(TrailRepaint(before, trail.Points(), 6), (std::vector<ScreenRect>{{34, 44, 57, 57}, {94, 44, 117, 67}}));
    // A young trail loses nothing.
    LaserTrail young;
    young.Update({0, 0}, 0);
    young.Update({10, 0}, 10);
    before = young.Points();
    young.Update({20, 5}, 20);
    EXPECT_EQ(TrailRepaint(before, young.Points(), 6), (std::vector<ScreenRect>{{4, -6, 27, 12}}));
    // Nothing shared: every segment of both.
    EXPECT_EQ(TrailRepaint(young.Points(), trail.Points(), 0).size(), 2u + trail.Points().size() - 1);
}

TEST(ClickRing, GrowsAndFadesWithinItsLife) {
    EXPECT_EQ(RingAt(0, 6, 36).radius, 6);
    EXPECT_EQ(RingAt(0, 6, 36).alpha, 255);
    int lastRadius = 0;
    int lastAlpha = 256;
    for (int ms = 0; ms < kRingMs; ms += 10) {
        const RingFrame frame = RingAt(ms, 6, 36);
        EXPECT_FALSE(frame.done);
        EXPECT_GE(frame.radius, lastRadius);
        EXPECT_LT(frame.alpha, lastAlpha);
        EXPECT_LE(frame.radius, 36);
        lastRadius = frame.radius;
        lastAlpha = frame.alpha;
    }
    EXPECT_GT(RingAt(kRingMs / 2, 6, 36).radius, 21);  // a ripple spreads fast at first
    EXPECT_TRUE(RingAt(kRingMs, 6, 36).done);
}

TEST(LessMotion, RingsShowWholeForTheirTimeAndTheTrailGoesWithoutFading) {
    for (int ms : {0, 1, kRingMs / 2, kRingMs - 1}) {
        const RingFrame frame = RingAt(ms, 6, 36, false);
        EXPECT_EQ(frame.radius, 36) << ms;
        EXPECT_EQ(frame.alpha, 255) << ms;
        EXPECT_FALSE(frame.done) << ms;
    }
    EXPECT_TRUE(RingAt(kRingMs, 6, 36, false).done);

    LaserTrail trail(false);
    trail.Update({0, 0}, 0);
    trail.Update({10, 0}, 10);
    EXPECT_FALSE(trail.Update({10, 0}, 10 + LaserTrail::kHoldMs - 1));
    EXPECT_EQ(trail.Alpha(10 + LaserTrail::kHoldMs - 1), 255);
    EXPECT_EQ(trail.Alpha(10 + LaserTrail::kHoldMs + 1), 0) << "no step between whole and gone";
    EXPECT_TRUE(trail.Update({10, 0}, 10 + LaserTrail::kHoldMs)) << "gone when the hold ends";
    EXPECT_EQ(trail.Points().size(), 1u);
    EXPECT_FALSE(trail.Update({10, 0}, 10 + LaserTrail::kHoldMs + 100));
}

TEST(StoredSettings, BadEffectValuesFallBackEachAlone) {
    EffectSettings stored = DefaultEffectSettings();
    const CheckedEffects good = CheckStoredEffects(stored);
    EXPECT_TRUE(good.problems.empty());
    EXPECT_EQ(good.values.rightRingColor, 0xFF0000);
    EXPECT_EQ(good.values.spotlightRadius, 120);
    stored.spotlightDimText = L"100";
    stored.laserSizeText = L"x";
    stored.leftRingColorText = L"255";
    const CheckedEffects bad = CheckStoredEffects(stored);
    EXPECT_EQ(bad.problems.size(), 2u);
    EXPECT_EQ(bad.values.spotlightDim, 60);
    EXPECT_EQ(bad.values.laserSize, 12);
    EXPECT_EQ(bad.values.leftRingColor, 255);
}
