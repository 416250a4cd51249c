// The undo history with its tiles deflated on the packer's thread: full screens of desktop
// pictures fit the bound of two screen bitmaps twenty times and come back exactly, and
// tiles that deflate cannot shrink come back exactly too; closing the pen gives the tiles'
// memory back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ScreenPictures.h"
#include "pen/TilePool.h"
#include "pen/UndoHistory.h"

using pen::PixelPlane;
using pen::PixelTiles;
using pen::Rect;
using pen::UndoHistory;

namespace {

using Picture = std::vector<std::uint32_t>;

// A refresh or a board: a new picture over the whole surface.
void CopyStep(UndoHistory& history, PixelTiles& background, Picture& surface, const Picture& next, int width,
              int height) {
    history.BeginCopy({surface.data(), width, height}, {0, 0, width, height}, background);
    surface = next;
    history.Finish({surface.data(), width, height});
}

}  // namespace

TEST(PenHistoryPacking, TwentyFullScreenDesktopsFitTwoScreenBitmapsAndUndoPixelForPixel) {
    // A classroom projector's screen.
    constexpr int kWidth = 1280, kHeight = 720;
    constexpr std::size_t kScreen = std::size_t{4} * kWidth * kHeight;
    std::vector<Picture> desktops;
    for (unsigned variant = 0; variant <= 20; ++variant) desktops.push_back(testpictures::Desktop(kWidth, kHeight, variant));
    Picture surface = desktops[0];
    PixelTiles background(kWidth, kHeight);
    UndoHistory history(kWidth, kHeight, 2 * kScreen);
    for (std::size_t i = 1; i < desktops.size(); ++i) {
        CopyStep(history, background, surface, desktops[i], kWidth, kHeight);
        EXPECT_LE(history.Bytes(), 2 * kScreen) << "after step " << i;
    }
    ASSERT_EQ(history.UndoCount(), 20u) << "no step dropped";

    // Undone straight away, while the last steps may still be packing.
    const PixelPlane plane{surface.data(), kWidth, kHeight};
    for (std::size_t i = desktops.size() - 1; i-- > 0;) {
        EXPECT_FALSE(history.Undo(plane, background).Empty());
        EXPECT_TRUE(surface == desktops[i]) << "undone to step " << i;
    }
    history.WaitForPacking();
    for (std::size_t i = 1; i < desktops.size(); ++i) history.Redo(plane, background);
    EXPECT_TRUE(surface == desktops.back());
    history.WaitForPacking();
    EXPECT_LT(history.Bytes(), kScreen) << "packed, the twenty steps take less than one screen bitmap";
}

TEST(PenHistoryPacking, TilesThatDoNotShrinkStayWholeAndEveryTileComesBackExactly) {
    // A tile of noise beside a tile of flat grey, cut short at the right and bottom.
    constexpr int kWidth = 100, kHeight = 50;
    constexpr std::size_t kNoiseTile = 64 * kHeight * 4, kGreyTile = (kWidth - 64) * kHeight * 4;
    Picture surface = testpictures::Noise(kWidth, kHeight, 3);
    for (int y = 0; y < kHeight; ++y) std::fill_n(surface.begin() + y * kWidth + 64, kWidth - 64, 0x808080);
    const PixelPlane plane{surface.data(), kWidth, kHeight};
    PixelTiles background(kWidth, kHeight);
    UndoHistory history(kWidth, kHeight, 1 << 20);
    // A stroke as the pen draws one: the background keeps what it covers.
    const auto stroke = [&](Rect r) {
        background.Keep(plane, r);
        history.Touch(plane, r);
        for (int y = r.top; y < r.bottom; ++y)
            std::fill_n(surface.begin() + y * kWidth + r.left, r.right - r.left, 0xFF);
        history.Finish(plane);
    };
    std::vector<Picture> states{surface};
    stroke({70, 10, 90, 20});
    states.push_back(surface);
    CopyStep(history, background, surface, Picture(surface.size(), 0xFFFFFF), kWidth, kHeight);
    states.push_back(surface);
    history.WaitForPacking();
    EXPECT_GE(history.Bytes(), kNoiseTile) << "the noise is kept whole";
    EXPECT_LT(history.Bytes(), kNoiseTile + kGreyTile / 4) << "the grey tiles of the surface and background are packed";

    stroke({10, 10, 30, 20});  // over white, where the noise was
    states.push_back(surface);
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        history.Undo(plane, background);
        EXPECT_TRUE(surface == states[i]) << "undone to state " << i;
    }
    history.WaitForPacking();
    EXPECT_LT(history.Bytes(), kGreyTile) << "all traded tiles are packed, the background's white too";
    for (std::size_t i = 1; i < states.size(); ++i) {
        history.Redo(plane, background);
        EXPECT_TRUE(surface == states[i]) << "redone to state " << i;
    }
}

TEST(PenHistoryPacking, ClosingGivesTheTilesHeapBackOnceNoTileIsKept) {
    pen::TilePool& pool = pen::TilePool::Shared();
    constexpr int kSide = 640;  // a hundred tiles
    Picture surface = testpictures::Noise(kSide, kSide, 1);
    const PixelPlane plane{surface.data(), kSide, kSide};
    // Two tiles outlive the closing: one as its block of pixels, one as its packed bytes
    // alone. Either holds the heap.
    Picture flat(surface.size(), 0xFF336699);
    PixelTiles raw(kSide, kSide), packed(kSide, kSide);
    {
        PixelTiles many(kSide, kSide);
        many.Keep(plane, {0, 0, kSide, kSide});
        raw.Keep(plane, {0, 0, 1, 1});
        packed.Keep({flat.data(), kSide, kSide}, {0, 0, 1, 1});
        pen::TilePacker packer;
        packed.PackWith(packer);
        packer.Wait();
        ASSERT_LT(packed.Bytes(), 1000u) << "packed";
    }
    pool.Release();
    Picture other(surface.size(), 0);
    const PixelPlane otherPlane{other.data(), kSide, kSide};
    EXPECT_EQ(raw.PixelOver(otherPlane, 63, 63), surface[63 * kSide + 63]) << "tiles still kept keep their heap";
    raw.Clear();
    EXPECT_EQ(packed.PixelOver(otherPlane, 63, 63), 0xFF336699) << "packed bytes keep it too";
    EXPECT_GT(pool.HeldBlocks(), 0u);
    packed.Clear();
    EXPECT_EQ(pool.HeldBlocks(), 0u) << "the last tile to go takes the heap with it";

    PixelTiles again(kSide, kSide);
    again.Keep(plane, {0, 0, kSide, kSide});
    EXPECT_EQ(again.PixelOver(otherPlane, 639, 639), surface[639 * kSide + 639])
        << "tiles made after the heap went lie in a new one";
    pool.Release();
    EXPECT_GT(pool.HeldBlocks(), 0u);
    again.Clear();
    EXPECT_EQ(pool.HeldBlocks(), 0u);
}
