#include "ui/Picture.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "base/QuotedValue.h"
#include "base/Utf8.h"
#include "ui/Dib.h"
#include "ui/ImageError.h"

namespace ui {
namespace {

class FileSource : public ByteSource {
public:
    explicit FileSource(FILE* file) : file_(file) {}
    std::size_t Read(std::uint8_t* into, std::size_t count) override { return fread(into, 1, count, file_); }

private:
    FILE* file_;
};

}  // namespace

Picture::Picture(const DecodedPicture& decoded) : width_(decoded.width), height_(decoded.height) {
    bitmap_ = CreateTopDownDib(width_, height_, pixels_);
    std::copy(decoded.pixels.begin(), decoded.pixels.end(), pixels_);
    GdiFlush();
}

Picture Picture::LoadPng(const std::wstring& path) {
    // Messages quote the path shortened: a box as wide as a long path would not fit the screen.
    const std::string name = ToUtf8(ShortenedPathForQuote(path));
    std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), fclose);
    if (!file) throw EImageError("Cannot open file \"" + name + "\"");
    try {
        FileSource source(file.get());
        return Picture(DecodePng(source, name));
    } catch (const std::bad_alloc&) {
        throw EImageError("Not enough memory to load the picture \"" + name + "\"");
    }
}

Picture Picture::FromJpegResource(int resourceId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw EImageError("Resource not found");
    return Picture(DecodeJpeg(static_cast<const std::uint8_t*>(data), SizeofResource(module, info),
                              "resource " + std::to_string(resourceId)));
}

Picture Picture::Copy() const {
    Picture copy;
    if (!bitmap_) return copy;
    copy.width_ = width_;
    copy.height_ = height_;
    copy.bitmap_ = CreateTopDownDib(width_, height_, copy.pixels_);
    std::copy(pixels_, pixels_ + static_cast<std::size_t>(width_) * height_, copy.pixels_);
    GdiFlush();
    return copy;
}

void Picture::Draw(HDC dc, int x, int y) const { DrawStretched(dc, RECT{x, y, x + width_, y + height_}); }

void Picture::DrawStretched(HDC dc, const RECT& target) const {
    if (!bitmap_) return;
    MemoryDC source(CreateCompatibleDC(dc));
    SelectScope selected(source.get(), bitmap_.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.get(), 0,
                  0, width_, height_, blend);
}

}  // namespace ui
