// The picture decoders on files the tests make: what is refused and how it is said, the
// premultiplied pixels, and the top-left corner that is kept of a large picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "TestPictures.h"
#include "ui/ImageError.h"
#include "ui/PictureDecoder.h"

// Under AddressSanitizer any single allocation over 64 MB ends the run with a report: no
// file, however it lies about its size, may make a decoder ask for that much.
extern "C" const char* __asan_default_options() { return "max_allocation_size_mb=64"; }

namespace {

using ui::DecodedPicture;

DecodedPicture Png(const std::string& bytes) {
    return ui::DecodePng(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), "pic\\a.png");
}

DecodedPicture Jpeg(const std::string& bytes) {
    return ui::DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), "glyph");
}

std::string ErrorOf(const std::function<void()>& decode) {
    try {
        decode();
    } catch (const ui::EImageError& e) {
        return e.what();
    }
    return "no error";
}

// Every pixel tells where it is: red and green the low bytes of x and y, blue their high bits.
std::uint32_t PlacePixel(int x, int y) {
    return 0xFF000000u | ((x & 0xFF) << 16) | ((y & 0xFF) << 8) | ((x >> 8) | ((y >> 8) << 4));
}

std::vector<std::uint8_t> PlaceRow(int width, int y) {
    std::vector<std::uint8_t> row;
    for (int x = 0; x < width; ++x) {
        const std::uint32_t p = PlacePixel(x, y);
        row.insert(row.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p), 255});
    }
    return row;
}

std::string PlacePicture(int width, int height, bool interlaced) {
    testpictures::PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.interlaced = interlaced;
    picture.row = PlaceRow;
    return testpictures::EncodePng(picture);
}

}  // namespace

TEST(PictureDecoderTest, RefusesWhatCannotBeShownWithAMessageNamingTheFile) {
    const std::string valid = PlacePicture(8, 8, false);
    const struct {
        std::string bytes;
        std::string message;
    } rows[] = {
        {testpictures::HeaderOnlyPng(30000, 30000),
         "The picture \"pic\\a.png\" is 30000 x 30000 pixels; pictures of at most 16384 pixels a side are accepted"},
        {testpictures::HeaderOnlyPng(16385, 1), "is 16385 x 1 pixels"},
        {testpictures::HeaderOnlyPng(1, 40000), "is 1 x 40000 pixels"},
        {testpictures::HeaderOnlyPng(16384, 16384), "Invalid PNG file \"pic\\a.png\": "},  // allowed, but no data
        {testpictures::HugeTextChunkPng(), "Invalid PNG file \"pic\\a.png\": the file ends before the picture does"},
        {"", "The file \"pic\\a.png\" is empty"},
        {valid.substr(0, valid.size() / 2), "Invalid PNG file \"pic\\a.png\": "},
        {"GIF89a", "Invalid PNG file \"pic\\a.png\": "},
    };
    for (const auto& row : rows) {
        const std::string error = ErrorOf([&] { Png(row.bytes); });
        EXPECT_NE(error.find(row.message), std::string::npos) << error;
    }
}

TEST(PictureDecoderTest, KeepsTheTopLeftCornerOfEveryRowAndPass) {
    const struct {
        int width, height;
        bool interlaced;
        bool cutBelowCorner;  // the file's last tenth is missing: rows that are never shown
    } rows[] = {{600, 520, false, false},
                {600, 520, true, false},
                {5, 3, true, false},
                {1, 700, true, false},
                {600, 700, false, true}};
    for (const auto& row : rows) {
        std::string file = PlacePicture(row.width, row.height, row.interlaced);
        if (row.cutBelowCorner) file.resize(file.size() * 9 / 10);
        const DecodedPicture decoded = Png(file);
        ASSERT_EQ(decoded.width, std::min(row.width, ui::kKeptPictureSide));
        ASSERT_EQ(decoded.height, std::min(row.height, ui::kKeptPictureSide));
        int wrong = 0;
        for (int y = 0; y < decoded.height; ++y)
            for (int x = 0; x < decoded.width; ++x) wrong += decoded.pixels[y * decoded.width + x] != PlacePixel(x, y);
        EXPECT_EQ(wrong, 0) << row.width << "x" << row.height << (row.interlaced ? " interlaced" : "");
    }
}

TEST(PictureDecoderTest, PaletteTransparencyIsPremultiplied) {
    testpictures::PngPicture picture;
    picture.width = 2;
    picture.colorType = 3;  // palette
    picture.palette = {200, 100, 50, 10, 20, 30};
    picture.alphas = {128};  // the second entry has none: opaque
    picture.row = [](int, int) { return std::vector<std::uint8_t>{0, 1}; };
    const DecodedPicture decoded = Png(testpictures::EncodePng(picture));
    ASSERT_EQ(decoded.pixels.size(), 2u);
    EXPECT_EQ(decoded.pixels[0], 0x80643219u);
    EXPECT_EQ(decoded.pixels[1], 0xFF0A141Eu);
}

TEST(PictureDecoderTest, JpegIsOpaqueKeptToTheCornerAndRefusedWhenTooWide) {
    const DecodedPicture decoded = Jpeg(testpictures::EncodeJpeg(600, 9, 255, 0, 0));
    ASSERT_EQ(decoded.width, ui::kKeptPictureSide);
    ASSERT_EQ(decoded.height, 9);
    const std::uint32_t corner = decoded.pixels.back();
    EXPECT_EQ(corner >> 24, 0xFFu);
    EXPECT_GE((corner >> 16) & 0xFF, 250u);
    EXPECT_LE(corner & 0xFFFF, 0x0505u);

    const std::string wide = testpictures::EncodeJpeg(16385, 1, 0, 0, 0);
    EXPECT_NE(ErrorOf([&] { Jpeg(wide); }).find("\"glyph\" is 16385 x 1 pixels"), std::string::npos);
    EXPECT_NE(ErrorOf([&] { Jpeg(wide.substr(0, 100)); }).find("Invalid JPEG picture \"glyph\": "), std::string::npos);
    EXPECT_NE(ErrorOf([&] { Jpeg(""); }).find("is empty"), std::string::npos);
}
