// Live ink's pixels: the changed part goes into the layered window's form and back without
// touching the rest or losing ink of any colour, the eraser leaves nothing behind, and the
// ink laid on a picture covers it only where there is ink.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pen/Drawing.h"
#include "pen/InkPixels.h"

using pen::kNoInk;

namespace {

constexpr int kWidth = 64, kHeight = 40;
constexpr std::uint32_t kRed = 0x00FF0000, kBlack = 0x00000000;  // as GDI draws them, alpha 0
constexpr std::uint32_t kCatching = 0x01000000;

struct Ink {
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kWidth * kHeight, kNoInk);
    pen::PixelPlane Plane() { return {pixels.data(), kWidth, kHeight}; }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * kWidth + x]; }
    void Fill(pen::Rect r, std::uint32_t colour) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) At(x, y) = colour;
    }
};

}  // namespace

TEST(LiveInkPixels, OnlyTheChangedPartIsShownAndComesBackAsItWas) {
    Ink ink;
    ink.At(2, 2) = kRed;
    ink.At(3, 2) = kBlack;  // black ink is ink, though the empty pixels shown are black too
    ink.At(50, 30) = kRed;  // outside the part shown
    const std::vector<std::uint32_t> before = ink.pixels;
    const pen::Rect part{-4, -4, 10, 6};  // reaching past the edges

    pen::InkToShown(ink.Plane(), part, kCatching);
    EXPECT_EQ(ink.At(2, 2), 0xFFFF0000u);
    EXPECT_EQ(ink.At(3, 2), 0xFF000000u);
    EXPECT_EQ(ink.At(0, 0), kCatching) << "empty pixels show the backdrop";
    EXPECT_EQ(ink.At(10, 0), kNoInk) << "beyond the part nothing is touched";
    EXPECT_EQ(ink.At(50, 30), kRed);

    pen::ShownToInk(ink.Plane(), part);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(ink.pixels[i] & 0x00FFFFFF, before[i] & 0x00FFFFFF) << i;
    EXPECT_TRUE(pen::IsInk(ink.At(3, 2)));
    EXPECT_EQ(ink.At(0, 0), kNoInk);

    // With no backdrop at all the empty pixels are 0, which is no black ink either.
    pen::InkToShown(ink.Plane(), {0, 0, kWidth, kHeight}, 0);
    EXPECT_EQ(ink.At(0, 0), 0u);
    pen::ShownToInk(ink.Plane(), {0, 0, kWidth, kHeight});
    EXPECT_EQ(ink.At(0, 0), kNoInk);
    EXPECT_EQ(ink.At(3, 2) & 0x00FFFFFF, kBlack);
}

TEST(LiveInkPixels, TheEraserTakesInkAwayToNothingAndUndoBringsItBack) {
    Ink ink;
    pen::Drawing steps([&] { return ink.Plane(); });
    steps.StartAfresh();
    const pen::Rect stroke{10, 10, 30, 14};
    steps.BeforeFigure(stroke);
    ink.Fill(stroke, kRed);
    steps.FinishStep();

    steps.Erase({8, 8, 32, 16}, {10, 12}, {30, 12}, 4);
    steps.FinishStep();
    for (int x = stroke.left; x < stroke.right; ++x) EXPECT_EQ(ink.At(x, 12), kNoInk) << x;
    steps.Undo();
    EXPECT_EQ(ink.At(20, 12), kRed);
    EXPECT_TRUE(steps.WorthKeeping());
}

TEST(LiveInkPixels, InkLaidOnAPictureCoversItOnlyWhereThereIsInk) {
    Ink ink;
    ink.At(1, 1) = kRed;
    ink.At(kWidth - 1, 0) = kRed;  // beyond the smaller picture
    std::vector<std::uint32_t> picture(32 * 16, 0xFF336699);
    pen::LayInk({picture.data(), 32, 16}, ink.Plane());
    EXPECT_EQ(picture[1 * 32 + 1], 0xFFFF0000u);
    EXPECT_EQ(picture[0], 0xFF336699u);
    EXPECT_EQ(std::count(picture.begin(), picture.end(), 0xFF336699u), 32 * 16 - 1);
}

TEST(LiveInkPixels, AKeptDrawingOfAnotherSizeComesBackWithoutAnyInkAroundIt) {
    Ink ink;
    pen::Drawing steps([&] { return ink.Plane(); });
    std::vector<std::uint32_t> kept(16 * 20, kRed);  // narrower than the ink's shape
    steps.ShowKept({kept.data(), 16, 20}, kNoInk);
    EXPECT_EQ(ink.At(0, 0), kNoInk) << "the margin is empty, not black";
    EXPECT_EQ(ink.At(kWidth / 2, kHeight / 2) & 0x00FFFFFF, kRed);
}

TEST(LiveInkPixels, AHighlighterStrokeTakesItsColourFromWhatShowedOnlyWhereItMarked) {
    Ink ink;
    ink.At(2, 5) = kRed;  // ink beside the stroke, in the part that changed
    std::vector<std::uint32_t> showing(kWidth * kHeight, 0xFFFFFFFF);  // white, alpha as copied
    showing[5 * kWidth + 6] = 0xFF000000;                              // a black letter's pixel
    showing[5 * kWidth + 5] = 0xFFFF0000;                              // the red ink as shown
    for (int x = 4; x < 9; ++x) ink.At(x, 5) = pen::kHighlighting;
    ink.At(5, 5) = pen::kHighlighting;
    ink.At(20, 20) = pen::kHighlighting;  // marked, but outside the part that changed
    constexpr std::uint32_t kYellow = 0x00FFFF00;

    pen::Highlight(ink.Plane(), {showing.data(), kWidth, kHeight}, {-2, 0, 10, 10}, kYellow);
    EXPECT_EQ(ink.At(4, 5), kYellow) << "white turns yellow";
    EXPECT_EQ(ink.At(6, 5), kBlack) << "the letter stays black";
    EXPECT_EQ(ink.At(5, 5), kRed) << "red ink beneath stays red under yellow";
    EXPECT_EQ(ink.At(3, 5), kNoInk) << "unmarked pixels stay empty";
    EXPECT_EQ(ink.At(2, 5), kRed) << "and unmarked ink as it was";
    EXPECT_EQ(ink.At(20, 20), pen::kHighlighting);
    // Marked again (the stroke over itself): the same colour, no darker.
    ink.At(4, 5) = pen::kHighlighting;
    pen::Highlight(ink.Plane(), {showing.data(), kWidth, kHeight}, {0, 0, 10, 10}, kYellow);
    EXPECT_EQ(ink.At(4, 5), kYellow);

    // A colour that comes out as a reserved one is still ink.
    showing[5 * kWidth + 7] = 0xFF000000 | kNoInk;
    ink.At(7, 5) = pen::kHighlighting;
    pen::Highlight(ink.Plane(), {showing.data(), kWidth, kHeight}, {0, 0, 10, 10}, 0x00FFFFFF);
    EXPECT_TRUE(pen::IsInk(ink.At(7, 5)));
    EXPECT_NE(ink.At(7, 5) & 0x00FFFFFF, pen::kHighlighting);
}
