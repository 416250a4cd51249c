#include "ui/Picture.h"

#include <png.h>

#include <cstdio>
#include <memory>

#include "base/Utf8.h"
#include "ui/Dib.h"
#include "ui/ImageError.h"
#include "ui/JpegDecoder.h"

namespace ui {
namespace {

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), fclose);
    if (!file) throw EImageError("Cannot open file \"" + ToUtf8(path) + "\"");
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    if (ferror(file.get())) throw EImageError("Cannot read file \"" + ToUtf8(path) + "\"");
    return bytes;
}

}  // namespace

Picture::Picture(int width, int height) : width_(width), height_(height) {
    bitmap_ = CreateTopDownDib(width, height, pixels_);
    std::fill_n(pixels_, static_cast<size_t>(width) * height, 0u);
}

Picture Picture::FromStraightBgra(int width, int height, const std::vector<std::uint8_t>& bgra) {
    Picture picture(width, height);
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = &bgra[i * 4];
        const unsigned a = p[3];
        const unsigned b = (p[0] * a + 127) / 255, g = (p[1] * a + 127) / 255, r = (p[2] * a + 127) / 255;
        picture.pixels_[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
    GdiFlush();
    return picture;
}

Picture Picture::LoadPng(const std::wstring& path) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw EImageError("Invalid PNG file \"" + ToUtf8(path) + "\": " + image.message);
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint8_t> bgra(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bgra.data(), 0, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        throw EImageError("Invalid PNG file \"" + ToUtf8(path) + "\": " + message);
    }
    return FromStraightBgra(static_cast<int>(image.width), static_cast<int>(image.height), bgra);
}

Picture Picture::FromJpeg(const std::uint8_t* data, std::size_t size) {
    const DecodedJpeg decoded = DecodeJpeg(data, size);
    if (!decoded.error.empty()) throw EImageError("JPEG error: " + decoded.error);
    std::vector<std::uint8_t> bgra(static_cast<size_t>(decoded.width) * decoded.height * 4);
    for (size_t i = 0, n = static_cast<size_t>(decoded.width) * decoded.height; i < n; ++i) {
        bgra[i * 4 + 0] = decoded.rgb[i * 3 + 2];
        bgra[i * 4 + 1] = decoded.rgb[i * 3 + 1];
        bgra[i * 4 + 2] = decoded.rgb[i * 3 + 0];
        bgra[i * 4 + 3] = 255;
    }
    return FromStraightBgra(decoded.width, decoded.height, bgra);
}

Picture Picture::FromJpegResource(int resourceId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw EImageError("Resource not found");
    return FromJpeg(static_cast<const std::uint8_t*>(data), SizeofResource(module, info));
}

void Picture::Draw(HDC dc, int x, int y) const { DrawStretched(dc, RECT{x, y, x + width_, y + height_}); }

void Picture::DrawStretched(HDC dc, const RECT& target) const {
    if (!bitmap_) return;
    MemoryDC source(CreateCompatibleDC(dc));
    SelectScope selected(source.get(), bitmap_.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.get(), 0, 0,
               width_, height_, blend);
}

}  // namespace ui
