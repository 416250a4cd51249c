// The pen's pixel bookkeeping: the background copy kept in tiles, undo and redo of
// drawing and copy steps, and the bound on the history's memory.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "pen/EditKeys.h"
#include "pen/PixelTiles.h"
#include "pen/UndoHistory.h"

using pen::PixelPlane;
using pen::PixelTiles;
using pen::Rect;
using pen::UndoHistory;

namespace {

// 150 x 100: tiles at the right and bottom edges are cut short.
constexpr int kWidth = 150, kHeight = 100;

struct Bitmap {
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kWidth * kHeight);
    Bitmap() {
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint32_t>(i * 2654435761u);
    }
    PixelPlane Plane() { return {pixels.data(), kWidth, kHeight}; }
    void Fill(Rect r, std::uint32_t value) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels[y * kWidth + x] = value;
    }
};

// What the eraser would bring back at every pixel.
std::vector<std::uint32_t> BackgroundOf(const PixelTiles& background, Bitmap& surface) {
    std::vector<std::uint32_t> seen;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) seen.push_back(background.PixelOver(surface.Plane(), x, y));
    return seen;
}

// A drawing step as the pen makes one: keep the background, record, then draw.
void Draw(UndoHistory& history, PixelTiles& background, Bitmap& surface, Rect r, std::uint32_t value) {
    background.Keep(surface.Plane(), r);
    history.Touch(surface.Plane(), r);
    surface.Fill(r, value);
    history.Finish(surface.Plane());
}

// A refresh: a new picture over all of it, after which the background is that picture.
void Refresh(UndoHistory& history, PixelTiles& background, Bitmap& surface, std::uint32_t value) {
    history.BeginCopy(surface.Plane(), {0, 0, kWidth, kHeight}, background);
    surface.Fill({0, 0, kWidth, kHeight}, value);
    history.Finish(surface.Plane());
}

}  // namespace

TEST(PenEditKeys, ControlZUndoesControlYAndShiftZRedoTheOthersSaveCopyAndBringBack) {
    struct Row {
        int key;
        bool control, shift;
        pen::EditCommand want;
    } rows[] = {
        {'Z', true, false, pen::EditCommand::Undo},  {'Z', true, true, pen::EditCommand::Redo},
        {'Y', true, false, pen::EditCommand::Redo},  {'Y', true, true, pen::EditCommand::Redo},
        {'Z', false, false, pen::EditCommand::None}, {'Y', false, true, pen::EditCommand::None},
        {'X', true, false, pen::EditCommand::None},
        {'S', true, false, pen::EditCommand::Save},  {'S', true, true, pen::EditCommand::SaveAs},
        {'S', false, false, pen::EditCommand::None}, {'C', true, false, pen::EditCommand::Copy},
        {'C', true, true, pen::EditCommand::None},   {'B', true, false, pen::EditCommand::BringBack},
        {'B', false, false, pen::EditCommand::None},
    };
    for (const Row& r : rows)
        EXPECT_EQ(pen::EditCommandFor(r.key, r.control, r.shift), r.want) << char(r.key) << r.control << r.shift;
}

TEST(PenPixelTiles, KeepsEachTileOnceAndRestoresOnlyInsideTheArea) {
    Bitmap surface;
    const Bitmap original = surface;
    PixelTiles kept(kWidth, kHeight);
    kept.Keep(surface.Plane(), {140, 90, 141, 91});  // the cut-short corner tile
    EXPECT_EQ(kept.Bytes(), (150u - 128) * (100 - 64) * 4);
    surface.Fill({0, 0, kWidth, kHeight}, 7);
    kept.Keep(surface.Plane(), {130, 70, 150, 100});  // already kept: the first copy stays
    EXPECT_EQ(kept.Bytes(), (150u - 128) * (100 - 64) * 4);

    kept.Restore(surface.Plane(), {135, 80, 145, 100});
    for (int y = 60; y < kHeight; ++y)
        for (int x = 120; x < kWidth; ++x) {
            const bool inside = x >= 135 && x < 145 && y >= 80;
            const std::size_t i = y * kWidth + x;
            EXPECT_EQ(surface.pixels[i], inside ? original.pixels[i] : 7u) << x << "," << y;
        }
}

TEST(PenUndoHistory, DrawingStepsUndoAndRedoPixelForPixel) {
    Bitmap surface;
    PixelTiles background(kWidth, kHeight);
    UndoHistory history(kWidth, kHeight, 1 << 20);
    std::vector<Bitmap> states{surface};
    Draw(history, background, surface, {10, 10, 70, 40}, 1);
    states.push_back(surface);
    Draw(history, background, surface, {60, 30, 149, 99}, 2);  // overlaps the first
    states.push_back(surface);
    const auto eraserSees = BackgroundOf(background, surface);

    EXPECT_FALSE(history.Undo(surface.Plane(), background).Empty());
    EXPECT_EQ(surface.pixels, states[1].pixels);
    history.Undo(surface.Plane(), background);
    EXPECT_EQ(surface.pixels, states[0].pixels);
    EXPECT_TRUE(history.Undo(surface.Plane(), background).Empty()) << "nothing left to undo";
    EXPECT_EQ(surface.pixels, states[0].pixels);
    EXPECT_EQ(BackgroundOf(background, surface), eraserSees) << "undo leaves the background copy as it was";

    history.Redo(surface.Plane(), background);
    history.Redo(surface.Plane(), background);
    EXPECT_EQ(surface.pixels, states[2].pixels);
    EXPECT_TRUE(history.Redo(surface.Plane(), background).Empty());

    // Drawing after an undo forgets the step that could have been redone.
    history.Undo(surface.Plane(), background);
    Draw(history, background, surface, {0, 0, 5, 5}, 3);
    EXPECT_EQ(history.RedoCount(), 0u);
    EXPECT_EQ(history.UndoCount(), 2u);
}

TEST(PenUndoHistory, AStepKeepsOnlyTheTilesItChanged) {
    Bitmap surface;
    PixelTiles background(kWidth, kHeight);
    UndoHistory history(kWidth, kHeight, 1 << 20);
    // A rubber band sweeps over every tile and is taken away again; the figure lands in one.
    const Bitmap before = surface;
    history.Touch(surface.Plane(), {0, 0, kWidth, kHeight});
    surface.Fill({0, 0, kWidth, kHeight}, 9);
    surface = before;
    history.Touch(surface.Plane(), {5, 5, 20, 20});
    surface.Fill({5, 5, 20, 20}, 4);
    history.Finish(surface.Plane());
    EXPECT_EQ(history.Bytes(), 64u * 64 * 4);

    // A drag that ends where it began changed nothing and is no step.
    history.Touch(surface.Plane(), {30, 30, 40, 40});
    history.Finish(surface.Plane());
    EXPECT_EQ(history.UndoCount(), 1u);
}

TEST(PenUndoHistory, UndoingACopyBringsBackTheDrawingAndWhatTheEraserRestores) {
    Bitmap surface;
    PixelTiles background(kWidth, kHeight);
    UndoHistory history(kWidth, kHeight, 1 << 20);
    Draw(history, background, surface, {20, 20, 90, 60}, 5);
    const Bitmap drawn = surface;
    const auto eraserBefore = BackgroundOf(background, surface);

    Refresh(history, background, surface, 0xABCDEF);
    EXPECT_TRUE(background.Empty()) << "after a refresh the background is the new picture";
    history.Undo(surface.Plane(), background);
    EXPECT_EQ(surface.pixels, drawn.pixels);
    EXPECT_EQ(BackgroundOf(background, surface), eraserBefore);

    history.Redo(surface.Plane(), background);
    EXPECT_EQ(surface.pixels, std::vector<std::uint32_t>(kWidth * kHeight, 0xABCDEF));
    EXPECT_EQ(BackgroundOf(background, surface), surface.pixels);

    // Undo a line drawn on the new picture, then the refresh: both come back in order.
    Draw(history, background, surface, {0, 0, 30, 30}, 6);
    history.Undo(surface.Plane(), background);
    history.Undo(surface.Plane(), background);
    EXPECT_EQ(surface.pixels, drawn.pixels);
    EXPECT_EQ(BackgroundOf(background, surface), eraserBefore);
}

TEST(PenUndoHistory, ACopyThatShowsNoChangeGoesWithTheStepBefore) {
    Bitmap surface;
    PixelTiles background(kWidth, kHeight);
    UndoHistory history(kWidth, kHeight, 1 << 20);
    // A text press with nothing typed: the background becomes the surface, nothing shows.
    const auto emptyStamp = [&] {
        history.BeginCopy(surface.Plane(), {}, background);
        history.Finish(surface.Plane());
    };
    background.Keep(surface.Plane(), {0, 0, 10, 10});
    surface.Fill({0, 0, 10, 10}, 1);
    emptyStamp();
    EXPECT_EQ(history.UndoCount(), 0u) << "with nothing before it there is nothing to keep";

    const Bitmap start = surface;
    const auto eraserAtStart = BackgroundOf(background, surface);
    Draw(history, background, surface, {20, 20, 90, 60}, 5);
    const Bitmap drawn = surface;
    emptyStamp();
    EXPECT_TRUE(background.Empty());

    history.Undo(surface.Plane(), background);
    EXPECT_EQ(history.UndoCount(), 0u) << "one undo takes back both";
    EXPECT_EQ(surface.pixels, start.pixels);
    EXPECT_EQ(BackgroundOf(background, surface), eraserAtStart);
    history.Redo(surface.Plane(), background);
    EXPECT_EQ(history.RedoCount(), 0u) << "one redo brings back both";
    EXPECT_EQ(surface.pixels, drawn.pixels);
    EXPECT_TRUE(background.Empty());
}

TEST(PenUndoHistory, ALongHistoryDropsItsOldestStepsWithinTheBound) {
    Bitmap surface;
    PixelTiles background(kWidth, kHeight);
    const std::size_t screen = kWidth * kHeight * 4;
    UndoHistory history(kWidth, kHeight, 2 * screen);
    std::vector<Bitmap> states{surface};
    for (std::uint32_t i = 1; i <= 40; ++i) {
        // Alternately a stroke over the left half and a refresh (one whole screen).
        if (i % 5 == 0)
            Refresh(history, background, surface, i);
        else
            Draw(history, background, surface, {0, 0, 64, 64 + static_cast<int>(i % 2) * 30}, i);
        states.push_back(surface);
        EXPECT_LE(history.Bytes(), 2 * screen) << "after step " << i;
    }
    const std::size_t kept = history.UndoCount();
    ASSERT_GT(kept, 1u);
    ASSERT_LT(kept, 40u);
    while (!history.Undo(surface.Plane(), background).Empty()) {}
    EXPECT_EQ(surface.pixels, states[40 - kept].pixels) << "undo stops at the oldest step kept";
}

TEST(PenUndoHistory, DroppingTheOldestStepTakesWhatGoesWithItSoEveryUndoShows) {
    Bitmap surface;
    PixelTiles background(kWidth, kHeight);
    const std::size_t screen = kWidth * kHeight * 4;
    UndoHistory history(kWidth, kHeight, 2 * screen);
    for (std::uint32_t i = 1; i <= 30; ++i) {
        Draw(history, background, surface, {0, 0, 30, 30}, i);
        // A text press with nothing typed goes with the stroke before it.
        history.BeginCopy(surface.Plane(), {}, background);
        history.Finish(surface.Plane());
        EXPECT_LE(history.Bytes(), 2 * screen) << "after step " << i;
    }
    ASSERT_GT(history.UndoCount(), 2u);
    ASSERT_LT(history.UndoCount(), 60u) << "the oldest steps were dropped";
    while (history.UndoCount() > 0) {
        const std::size_t before = history.UndoCount();
        EXPECT_FALSE(history.Undo(surface.Plane(), background).Empty()) << "an undo with " << before << " steps left";
    }
}
