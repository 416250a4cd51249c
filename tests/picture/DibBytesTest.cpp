// The clipboard's bitmap of the pen's picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ui/DibBytes.h"

TEST(ClipboardDib, RowsGoBottomUpInThreeBytesPaddedToFour) {
    const std::uint32_t pixels[] = {0xFF112233, 0x00445566, 0x00778899, 0xFFAABBCC, 0x00DDEEFF, 0x00010203};
    const std::vector<std::uint8_t> dib = ui::EncodeDib(pixels, 3, 2);
    ASSERT_EQ(dib.size(), 40u + 2 * 12);
    EXPECT_EQ(dib[0], 40);
    EXPECT_EQ(dib[4], 3);   // width
    EXPECT_EQ(dib[8], 2);   // height, positive: bottom-up
    EXPECT_EQ(dib[14], 24);
    // The first row stored is the picture's bottom row, blue first; 9 bytes and 3 of padding.
    const std::vector<std::uint8_t> bottom(dib.begin() + 40, dib.begin() + 52);
    EXPECT_EQ(bottom, (std::vector<std::uint8_t>{0xCC, 0xBB, 0xAA, 0xFF, 0xEE, 0xDD, 0x03, 0x02, 0x01, 0, 0, 0}));
    EXPECT_EQ(dib[52], 0x33);
    EXPECT_THROW(ui::EncodeDib(pixels, 0, 2), std::exception);
}
