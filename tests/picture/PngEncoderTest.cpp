// The PNG encoder on pictures as the pen's surface holds them, read back by the decoder.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/ImageError.h"
#include "ui/PictureDecoder.h"
#include "ui/PngEncoder.h"

namespace {

ui::DecodedPicture RoundTrip(const std::vector<std::uint32_t>& pixels, int width, int height) {
    const std::vector<std::uint8_t> png = ui::EncodePng(pixels.data(), width, height);
    return ui::DecodePng(png.data(), png.size(), "drawing.png");
}

}  // namespace

TEST(PngEncoderTest, PixelsComeBackOpaqueWhateverTheUnusedByteHolds) {
    // Odd sizes, so no row is a multiple of a word of anything; each pixel tells where it is.
    for (const auto& [width, height] : {std::pair{1, 1}, {7, 3}, {33, 17}}) {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(static_cast<std::uint32_t>((x * 37 + y) << 24 | x << 16 | y << 8 | (x * y & 0xFF)));
        pixels[0] = 0x00808080;  // mid grey with the unused byte zero, as a screen copy has it
        const ui::DecodedPicture back = RoundTrip(pixels, width, height);
        ASSERT_EQ(back.width, width);
        ASSERT_EQ(back.height, height);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            ASSERT_EQ(back.pixels[i], pixels[i] | 0xFF000000u) << width << " x " << height << " at " << i;
    }
}

TEST(PngEncoderTest, RefusesSidesNoPictureHas) {
    const std::vector<std::uint32_t> pixels(4);
    for (const auto& [width, height] : {std::pair{0, 1}, {1, 0}, {-2, 2}, {ui::kMaxPictureSide + 1, 1}}) {
        try {
            ui::EncodePng(pixels.data(), width, height);
            ADD_FAILURE() << width << " x " << height << " was encoded";
        } catch (const ui::EImageError& e) {
            EXPECT_EQ(std::string(e.what()), "A picture of " + std::to_string(width) + " x " + std::to_string(height) +
                                                 " pixels cannot be saved as PNG");
        }
    }
}
