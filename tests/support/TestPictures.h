// Picture files made by the tests themselves: well-formed PNG and JPEG data from the
// libraries' own encoders, and hand-built PNG chunk sequences for the malformed cases.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace testpictures {

// One PNG chunk: length, type, data and CRC.
std::string Chunk(const char (&type)[5], const std::string& data);
// The eight-byte signature followed by an IHDR chunk (8-bit RGBA, not interlaced).
std::string SignatureAndHeader(std::uint32_t width, std::uint32_t height);
// A PNG whose header declares the given size but whose pixel data is a few bytes.
std::string HeaderOnlyPng(std::uint32_t width, std::uint32_t height);
// A 1x1 PNG with a text chunk that claims a gigabyte and holds a few bytes.
std::string HugeTextChunkPng();

struct PngPicture {
    int width = 1;
    int height = 1;
    int colorType = 6;  // PNG_COLOR_TYPE_RGB_ALPHA
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::uint8_t> palette;  // RGB triples, for colour type 3
    std::vector<std::uint8_t> alphas;   // tRNS entries, for colour type 3
    // The bytes of row y as the file stores them before filtering.
    std::vector<std::uint8_t> (*row)(int width, int y) = nullptr;
};
std::string EncodePng(const PngPicture& picture);

// A baseline JPEG of flat colour, RGB input, quality 95.
std::string EncodeJpeg(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace testpictures
