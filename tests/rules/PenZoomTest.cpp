// The wheel's zoom: its levels, the part of the surface a step scales up, and zooming out
// through the undo history.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "pen/UndoHistory.h"
#include "pen/Zoom.h"
#include "pen/ZoomStep.h"

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

TEST(PenZoom, AStepZoomsTheDrawingAndWhatTheEraserRestoresAndUndoesExactly) {
    // A 256 x 192 picture of horizontal stripes, with a drawn square over part of it.
    constexpr int w = 256, h = 192;
    std::vector<std::uint32_t> bits(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bits[y * w + x] = static_cast<std::uint32_t>(y) << 8;
    const pen::PixelPlane plane{bits.data(), w, h};
    pen::PixelTiles background(w, h);
    pen::UndoHistory history(w, h, 1 << 24);
    const pen::Rect square{100, 80, 140, 120};
    history.Touch(plane, square);
    background.Keep(plane, square);
    for (int y = square.top; y < square.bottom; ++y)
        for (int x = square.left; x < square.right; ++x) bits[y * w + x] = 0x00FF0000;
    history.Finish(plane);
    const std::vector<std::uint32_t> drawn = bits;

    pen::ZoomScratch scratch;
    ASSERT_TRUE(pen::ZoomIn(plane, background, history, {120, 100}, scratch));
    EXPECT_EQ(history.ZoomLevel(), 1);
    // The square grew around the pointer; the stripes grew too, beneath it as beside it.
    EXPECT_EQ(bits[100 * w + 120], 0x00FF0000u);
    EXPECT_EQ(bits[100 * w + 142], 0x00FF0000u);  // 22 right of the pointer: 17.6 before
    EXPECT_NE(bits[100 * w + 150], 0x00FF0000u);  // 24 before, beyond the square
    const pen::Rect source = pen::ZoomSource({w, h}, {120, 100}, 0);
    for (int y : {10, 85, 100, 180}) {
        const double before = source.top + (y + 0.5) * (source.bottom - source.top) / h - 0.5;
        EXPECT_NEAR(background.PixelOver(plane, 120, y) >> 8, before, 1.0) << "row " << y;
    }
    EXPECT_EQ(background.PixelOver(plane, 5, 5), bits[5 * w + 5]) << "no drawing there: the surface itself";
    EXPECT_EQ(background.KeptArea(), (pen::Rect{64, 64, 192, 128})) << "kept only where the zoomed square covers";

    history.Undo(plane, background);
    EXPECT_EQ(bits, drawn);
    EXPECT_EQ(history.ZoomLevel(), 0);
    EXPECT_EQ(background.PixelOver(plane, 120, 100), 100u << 8);

    for (int level = 0; level < pen::kMostZoomLevel; ++level)
        ASSERT_TRUE(pen::ZoomIn(plane, background, history, {0, 0}, scratch));
    EXPECT_FALSE(pen::ZoomIn(plane, background, history, {0, 0}, scratch)) << "4 times is the most";
}
