#include "TestPictures.h"

#include <png.h>
#include <zlib.h>

#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace testpictures {
namespace {

std::string BigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

void Append(png_structp png, png_bytep data, size_t size) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
}

void NoFlush(png_structp) {}

}  // namespace

std::string Chunk(const char (&type)[5], const std::string& data) {
    const std::string typed = std::string(type, 4) + data;
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()));
    return BigEndian(static_cast<std::uint32_t>(data.size())) + typed + BigEndian(static_cast<std::uint32_t>(crc));
}

std::string SignatureAndHeader(std::uint32_t width, std::uint32_t height) {
    // 8-bit RGBA, deflate, adaptive filtering, no interlace.
    return std::string("\x89PNG\r\n\x1a\n", 8) +
           Chunk("IHDR", BigEndian(width) + BigEndian(height) + std::string("\x08\x06\0\0\0", 5));
}

std::string HeaderOnlyPng(std::uint32_t width, std::uint32_t height) {
    // The first row only: its filter byte and one transparent pixel.
    const Bytef row[5] = {};
    Bytef data[64];
    uLongf size = sizeof data;
    compress(data, &size, row, sizeof row);
    return SignatureAndHeader(width, height) + Chunk("IDAT", std::string(reinterpret_cast<char*>(data), size)) +
           Chunk("IEND", "");
}

std::string HugeTextChunkPng() { return SignatureAndHeader(1, 1) + BigEndian(1u << 30) + "tEXtTitle"; }

std::string EncodePng(const PngPicture& picture) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("test picture could not be encoded");
    }
    png_set_write_fn(png, &out, Append, NoFlush);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!picture.palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(picture.palette.data()),
                     static_cast<int>(picture.palette.size() / 3));
    if (!picture.alphas.empty())
        png_set_tRNS(png, info, picture.alphas.data(), static_cast<int>(picture.alphas.size()), nullptr);
    png_write_info(png, info);
    const int passes = picture.interlaced ? png_set_interlace_handling(png) : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < picture.height; ++y) {
            const std::vector<std::uint8_t> row = picture.row(picture.width, y);
            png_write_row(png, row.data());
        }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string EncodeJpeg(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);  // test data only: the library's exit on error is fine
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[x * 3] = r;
        row[x * 3 + 1] = g;
        row[x * 3 + 2] = b;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

}  // namespace testpictures
