// The smooth scaling of the zoom and of a brought-back drawing, and the writer that must
// not lose a save at exit.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include "pen/DrawingWriter.h"
#include "pen/Stretch.h"

using pen::PixelPlane;
using pen::Rect;

namespace {

struct Plane {
    int width, height;
    std::vector<std::uint32_t> bits;
    Plane(int w, int h, std::uint32_t fill = 0) : width(w), height(h), bits(static_cast<std::size_t>(w) * h, fill) {}
    PixelPlane View() { return {bits.data(), width, height}; }
    std::uint32_t& At(int x, int y) { return bits[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace

TEST(PenStretch, ScalesUpSmoothlyKeepingEdgesAndWritesOnlyWhereAsked) {
    // A black pixel left of a white one, doubled: the ends keep their colours, the middle
    // pixels blend, every channel alike.
    Plane from(2, 1);
    from.At(1, 0) = 0x00FFFFFF;
    Plane to(4, 2, 0x12345678);
    pen::Stretch(from.View(), {0, 0, 2, 1}, to.View(), {0, 0, 4, 2});
    EXPECT_EQ(to.At(0, 0), 0x00000000u);
    EXPECT_EQ(to.At(3, 1), 0x00FFFFFFu);
    EXPECT_EQ(to.At(1, 0), 0x003F3F3Fu);
    EXPECT_EQ(to.At(2, 1), 0x00BFBFBFu);

    // Only a part of a source, and only a part of the target written.
    Plane wide(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) wide.At(x, y) = static_cast<std::uint32_t>(y * 25 + x);
    Plane out(4, 4, 7);
    pen::Stretch(wide.View(), {2, 3, 4, 5}, out.View(), {0, 0, 4, 4}, {0, 0, 4, 2});
    EXPECT_EQ(out.At(0, 0), wide.At(2, 3));
    EXPECT_EQ(out.At(3, 1), 84u);  // a quarter of the way from (3, 3), 78, to (3, 4), 103
    EXPECT_EQ(out.At(3, 3), 7u);

    // A same-size copy is exact.
    Plane same(10, 10);
    pen::Stretch(wide.View(), {0, 0, 10, 10}, same.View(), {0, 0, 10, 10});
    EXPECT_EQ(same.bits, wide.bits);
}

TEST(PenStretch, FitsAPictureOfAnotherSizeWholeAndCentred) {
    EXPECT_EQ(pen::FitCentred({1920, 1080}, {1920, 1080}), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(pen::FitCentred({1280, 1024}, {1920, 1080}), (Rect{285, 0, 1635, 1080}));
    EXPECT_EQ(pen::FitCentred({3840, 1080}, {1920, 1080}), (Rect{0, 270, 1920, 810}));
}

TEST(PenDrawingWriter, RunsJobsInOrderAndFinishesThemAllBeforeItIsGone) {
    std::atomic<int> told{0};
    std::vector<int> order;
    {
        // Slow to tell, so that a Wait returning before the window is told shows.
        pen::DrawingWriter writer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ++told;
        });
        for (int i = 0; i < 3; ++i)
            writer.Hand([&order, i] {
                order.push_back(i);
                return pen::WriteOutcome{i != 1, std::to_wstring(i)};
            });
        writer.Wait();
        EXPECT_EQ(told.load(), 3);
        const std::vector<pen::WriteOutcome> outcomes = writer.TakeOutcomes();
        ASSERT_EQ(outcomes.size(), 3u);
        EXPECT_FALSE(outcomes[1].written);
        EXPECT_EQ(outcomes[2].text, L"2");
        EXPECT_TRUE(writer.TakeOutcomes().empty());
        // Handed right before the writer goes: still done.
        writer.Hand([&order] {
            order.push_back(3);
            return pen::WriteOutcome{true, L""};
        });
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(told.load(), 4);
}
