// The wheel's zoom: its levels, the part of the surface a step scales up, and zooming out
// through the undo history.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "pen/UndoHistory.h"
#include "pen/Zoom.h"

using pen::Point;
using pen::Rect;
using pen::Size;

TEST(PenZoom, LevelsStepByAQuarterUpToFourTimes) {
    EXPECT_EQ(pen::ZoomFactor(0), 1.0);
    EXPECT_EQ(pen::ZoomFactor(1), 1.25);
    EXPECT_EQ(pen::ZoomFactor(2), 1.5625);
    EXPECT_EQ(pen::ZoomFactor(6), 3.814697265625);
    EXPECT_EQ(pen::ZoomFactor(pen::kMostZoomLevel), 4.0);
    EXPECT_EQ(pen::kMostZoomLevel, 7);
}

TEST(PenZoom, ThePixelUnderThePointerStaysUnderItAndThePartStaysInside) {
    const Size size{1366, 768};
    for (int level = 0; level < pen::kMostZoomLevel; ++level) {
        const double factor = pen::ZoomFactor(level + 1) / pen::ZoomFactor(level);
        for (const Point p : {Point{683, 384}, Point{100, 700}, Point{1300, 20}, Point{0, 0}, Point{1365, 767}}) {
            const Rect r = pen::ZoomSource(size, p, level);
            const auto where = [&] { return testing::Message() << "level " << level << " at " << p.x << "," << p.y; };
            ASSERT_GE(r.left, 0) << where();
            ASSERT_GE(r.top, 0) << where();
            ASSERT_LE(r.right, size.width) << where();
            ASSERT_LE(r.bottom, size.height) << where();
            EXPECT_EQ(r.right - r.left, std::lround(size.width / factor)) << where();
            EXPECT_EQ(r.bottom - r.top, std::lround(size.height / factor)) << where();
            // Where the pointer's pixel centre lands once the part fills the surface.
            const double x = (p.x + 0.5 - r.left) * size.width / (r.right - r.left);
            const double y = (p.y + 0.5 - r.top) * size.height / (r.bottom - r.top);
            EXPECT_NEAR(x, p.x + 0.5, 1.0) << where();
            EXPECT_NEAR(y, p.y + 0.5, 1.0) << where();
        }
    }
    // A pointer beyond the surface (on another monitor) zooms at the nearest edge.
    EXPECT_EQ(pen::ZoomSource(size, {-40, 900}, 3), pen::ZoomSource(size, {0, 767}, 3));
    EXPECT_EQ(pen::ZoomSource(size, {2000, -5}, 3), pen::ZoomSource(size, {1365, 0}, 3));
}

namespace {

constexpr int kWidth = 64, kHeight = 32;

struct Pen {
    std::vector<std::uint32_t> surface = std::vector<std::uint32_t>(kWidth * kHeight, 1);
    pen::PixelTiles background{kWidth, kHeight};
    pen::UndoHistory history{kWidth, kHeight, 1 << 20};
    pen::PixelPlane Plane() { return {surface.data(), kWidth, kHeight}; }
    // A copy step that leaves the whole surface `value` at zoom `level`.
    void Copy(std::uint32_t value, int level) {
        history.BeginCopy(Plane(), {0, 0, kWidth, kHeight}, background);
        std::fill(surface.begin(), surface.end(), value);
        history.SetZoomLevel(level);
        history.Finish(Plane());
    }
    void Draw(std::uint32_t value) {
        history.Touch(Plane(), {0, 0, 8, 8});
        surface[0] = value;
        history.Finish(Plane());
    }
};

}  // namespace

TEST(PenZoom, ZoomingOutUndoesTheLastZoomWithTheDrawingSinceAndRedoBringsThemBack) {
    Pen pen;
    pen.Copy(2, 1);
    pen.Copy(3, 2);
    pen.Draw(4);
    pen.Draw(5);
    EXPECT_EQ(pen.history.ZoomLevel(), 2);
    EXPECT_FALSE(pen.history.UndoZoom(pen.Plane(), pen.background).Empty());
    EXPECT_EQ(pen.history.ZoomLevel(), 1);
    EXPECT_EQ(pen.surface, std::vector<std::uint32_t>(kWidth * kHeight, 2));
    EXPECT_EQ(pen.history.RedoCount(), 3u);
    pen.history.Redo(pen.Plane(), pen.background);
    EXPECT_EQ(pen.history.ZoomLevel(), 2);
    pen.history.UndoZoom(pen.Plane(), pen.background);
    pen.history.UndoZoom(pen.Plane(), pen.background);
    EXPECT_EQ(pen.history.ZoomLevel(), 0);
    EXPECT_EQ(pen.surface, std::vector<std::uint32_t>(kWidth * kHeight, 1));
    EXPECT_TRUE(pen.history.UndoZoom(pen.Plane(), pen.background).Empty()) << "nothing to zoom out of";

    // A zoom that shows nothing new (a flat board) is no step and leaves the level.
    pen.history.Redo(pen.Plane(), pen.background);
    pen.Copy(2, 2);
    EXPECT_EQ(pen.history.ZoomLevel(), 1);
    // A new picture puts the level back to 0, and undoing it brings the zoom back.
    pen.Copy(7, 0);
    EXPECT_TRUE(pen.history.UndoZoom(pen.Plane(), pen.background).Empty());
    pen.history.Undo(pen.Plane(), pen.background);
    EXPECT_EQ(pen.history.ZoomLevel(), 1);
    pen.history.Clear();
    EXPECT_EQ(pen.history.ZoomLevel(), 0);
}
