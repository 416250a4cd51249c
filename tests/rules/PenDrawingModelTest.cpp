// The pen's drawing model as the presenter drives it: strokes drawn while zoomed in come
// down with the picture when zooming out, and a kept drawing brought back is worth keeping
// again only once it was changed.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ScreenPictures.h"
#include "pen/Drawing.h"
#include "pen/NumberMarks.h"
#include "pen/Zoom.h"

using pen::Point;
using pen::Rect;

namespace {

constexpr int kWidth = 320, kHeight = 200;
constexpr std::uint32_t kInk = 0xFFFF0000;

class PenDrawingModel : public testing::Test {
protected:
    std::vector<std::uint32_t> ground = testpictures::Desktop(kWidth, kHeight, 3);
    std::vector<std::uint32_t> pixels = ground;
    pen::Drawing drawing{[this] { return pen::PixelPlane{pixels.data(), kWidth, kHeight}; }};

    // A filled block of ink, drawn as a figure is: one step.
    void Stroke(Rect r) {
        drawing.BeforeFigure(r);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels[static_cast<std::size_t>(y) * kWidth + x] = kInk;
        drawing.FinishStep();
    }
    std::uint32_t At(Point p) const { return pixels[static_cast<std::size_t>(p.y) * kWidth + p.x]; }
    int InkIn(Rect r) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += At({x, y}) == kInk;
        return n;
    }
    // Where a point of the surface zoomed in from `source` lies on the picture before.
    static Point Back(Point p, Rect source) {
        return {source.left + p.x * (source.right - source.left) / kWidth,
                source.top + p.y * (source.bottom - source.top) / kHeight};
    }
    // The pixels that differ from the ground outside `r`.
    int ChangedOutside(Rect r) const {
        int n = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                n += !inside && At({x, y}) != ground[static_cast<std::size_t>(y) * kWidth + x];
            }
        return n;
    }
};

}  // namespace

TEST_F(PenDrawingModel, ZoomingOutKeepsWhatWasDrawnWhileZoomedScaledWithThePicture) {
    const Point pointer{100, 60};
    const Rect source = pen::ZoomSource({kWidth, kHeight}, pointer, 0);
    ASSERT_TRUE(drawing.ZoomIn(pointer));
    const Rect zoomedStroke{150, 100, 200, 110};
    Stroke(zoomedStroke);
    const Rect thin{40, 30, 41, 90};  // one pixel wide: shrunk, it must not fall between pixels
    Stroke(thin);
    const std::vector<std::uint32_t> zoomedDrawing = pixels;

    EXPECT_FALSE(drawing.ZoomOut().Empty());
    EXPECT_EQ(drawing.History().ZoomLevel(), 0);
    const Point from = Back({zoomedStroke.left, zoomedStroke.top}, source);
    const Point to = Back({zoomedStroke.right, zoomedStroke.bottom}, source);
    const Rect shrunk{from.x, from.y, to.x, to.y};
    EXPECT_EQ(InkIn(shrunk), (shrunk.right - shrunk.left) * (shrunk.bottom - shrunk.top)) << "every pixel of it inked";
    const Point thinFrom = Back({thin.left, thin.top}, source), thinTo = Back({thin.right, thin.bottom}, source);
    EXPECT_EQ(InkIn({thinFrom.x, thinFrom.y, thinFrom.x + 1, thinTo.y}), thinTo.y - thinFrom.y);
    EXPECT_EQ(ChangedOutside(shrunk) - InkIn({thinFrom.x, thinFrom.y, thinFrom.x + 1, thinTo.y}), 0)
        << "the picture beyond the strokes is as it was, not scaled twice";

    // The eraser brings back the picture beneath the strokes as it was before the zoom.
    const Point middle{(shrunk.left + shrunk.right) / 2, (shrunk.top + shrunk.bottom) / 2};
    drawing.Erase({middle.x - 3, middle.y - 3, middle.x + 4, middle.y + 4}, middle, middle, 3);
    drawing.FinishStep();
    EXPECT_EQ(At(middle), ground[static_cast<std::size_t>(middle.y) * kWidth + middle.x]);

    // Taken back one step at a time: the eraser, the zooming out, each stroke, the zoom.
    drawing.Undo();
    EXPECT_EQ(At(middle), kInk);
    drawing.Undo();
    EXPECT_EQ(pixels, zoomedDrawing) << "zoomed in again, with what was drawn there";
    EXPECT_EQ(drawing.History().ZoomLevel(), 1);
    drawing.Undo();
    drawing.Undo();
    EXPECT_EQ(InkIn({0, 0, kWidth, kHeight}), 0);
    drawing.Undo();
    EXPECT_EQ(pixels, ground);
    EXPECT_EQ(drawing.History().ZoomLevel(), 0);
}

TEST_F(PenDrawingModel, StrokesOfEveryLevelComeDownTogether) {
    const Point pointer{160, 100};
    Stroke({10, 10, 30, 20});  // before any zoom: it stays where it is
    ASSERT_TRUE(drawing.ZoomIn(pointer));
    const Rect first = pen::ZoomSource({kWidth, kHeight}, pointer, 0);
    Stroke({150, 90, 170, 110});
    ASSERT_TRUE(drawing.ZoomIn(pointer));
    const Rect second = pen::ZoomSource({kWidth, kHeight}, pointer, 1);
    Stroke({20, 20, 40, 30});
    drawing.ZoomOut();
    EXPECT_EQ(drawing.History().ZoomLevel(), 1);
    drawing.ZoomOut();
    EXPECT_EQ(drawing.History().ZoomLevel(), 0);
    EXPECT_EQ(InkIn({10, 10, 30, 20}), 200);
    EXPECT_EQ(At(Back({160, 100}, first)), kInk) << "drawn at the first level";
    EXPECT_EQ(At(Back(Back({30, 25}, second), first)), kInk) << "drawn at the second level";
    EXPECT_EQ(drawing.ZoomOut(), Rect{}) << "nothing further out";
}

TEST_F(PenDrawingModel, ZoomingOutWithNothingDrawnGoesBackAndCanBeRedone) {
    ASSERT_TRUE(drawing.ZoomIn({50, 50}));
    drawing.ZoomOut();
    EXPECT_EQ(pixels, ground);
    EXPECT_EQ(drawing.History().RedoCount(), 1u);
    drawing.Redo();
    EXPECT_EQ(drawing.History().ZoomLevel(), 1);
}

TEST_F(PenDrawingModel, AKeptDrawingBroughtBackIsKeptAgainOnlyOnceChanged) {
    EXPECT_FALSE(drawing.WorthKeeping()) << "nothing done since the pen opened";
    std::vector<std::uint32_t> kept = testpictures::Desktop(kWidth, kHeight, 5);
    for (int round = 0; round < 3; ++round) drawing.ShowKept({kept.data(), kWidth, kHeight});
    EXPECT_EQ(pixels, kept);
    EXPECT_FALSE(drawing.WorthKeeping()) << "browsing the kept drawings keeps none again";
    Stroke({5, 5, 15, 15});
    EXPECT_TRUE(drawing.WorthKeeping());
    drawing.Undo();
    EXPECT_FALSE(drawing.WorthKeeping());
    drawing.Undo();
    drawing.Undo();
    drawing.Undo();
    EXPECT_FALSE(drawing.WorthKeeping()) << "back to the screen as it opened";
    drawing.Redo();
    drawing.ZoomIn({10, 10});
    EXPECT_TRUE(drawing.WorthKeeping()) << "a zoomed copy shows something else";

    // A smaller kept drawing stands centred on black, scaled to fit.
    std::vector<std::uint32_t> small(160 * 50, kInk);
    drawing.ShowKept({small.data(), 160, 50});
    EXPECT_EQ(At({0, 0}), 0u);
    EXPECT_EQ(At({160, 100}), kInk);
    EXPECT_FALSE(drawing.WorthKeeping());
}

TEST_F(PenDrawingModel, EraseAllBringsThePictureBackAsOneStepThatUndoTakesBack) {
    Stroke({10, 10, 60, 30});
    Stroke({100, 50, 200, 90});
    const std::vector<std::uint32_t> drawn = pixels;
    drawing.EraseAll();
    EXPECT_EQ(pixels, ground);
    drawing.Undo();
    EXPECT_EQ(pixels, drawn);
}

TEST_F(PenDrawingModel, NumberedMarksCountOnGoBackWithUndoAndStartAgainOnANewPicture) {
    auto mark = [&](int x) {
        EXPECT_EQ(drawing.NextMark(), (x - 10) / 40 + 1);
        drawing.BeforeFigure({x, 10, x + 20, 30});
        std::fill_n(pixels.begin() + 20 * kWidth + x, 10, kInk);
        drawing.MarkDrawn();
        drawing.FinishStep();
    };
    mark(10);
    mark(50);
    mark(90);
    EXPECT_EQ(drawing.NextMark(), 4);
    drawing.Undo();
    EXPECT_EQ(drawing.NextMark(), 3) << "the 3 went with its step";
    drawing.Redo();
    EXPECT_EQ(drawing.NextMark(), 4);
    Stroke({200, 100, 220, 120});
    EXPECT_EQ(drawing.NextMark(), 4) << "other steps leave the count";
    drawing.EraseAll();
    EXPECT_EQ(drawing.NextMark(), 1) << "a cleared drawing starts again";
    drawing.Undo();
    EXPECT_EQ(drawing.NextMark(), 4);
    drawing.CopyStep([] {});
    EXPECT_EQ(drawing.NextMark(), 1) << "and so does a new picture";
}

TEST(PenNumberMarks, DigitsStandOutFromTheirCircle) {
    EXPECT_TRUE(pen::DarkDigitsOn(0xFFFF00)) << "yellow";
    EXPECT_TRUE(pen::DarkDigitsOn(0xFFFFFF));
    EXPECT_TRUE(pen::DarkDigitsOn(0x00FF00)) << "bright green";
    EXPECT_FALSE(pen::DarkDigitsOn(0xFF0000)) << "red";
    EXPECT_FALSE(pen::DarkDigitsOn(0x0000FF)) << "blue";
    EXPECT_FALSE(pen::DarkDigitsOn(0x00A000)) << "the green key's green";
    EXPECT_EQ(pen::MarkBounds({100, 100}, 5), (Rect{78, 78, 123, 123}));
}
