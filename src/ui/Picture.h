// A decoded picture held as a premultiplied 32-bit DIB, drawn with its transparency. Only
// its top-left corner is held (see ui/PictureDecoder.h): Width and Height are of that part.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/Handles.h"
#include "ui/PictureDecoder.h"

namespace ui {

class Picture {
public:
    Picture() = default;

    // Decodes a PNG file; relative paths are taken from the working directory.
    // Throws ui::EImageError, naming the file, when it cannot be read, is not a PNG, is
    // too large or there is no memory for it.
    static Picture LoadPng(const std::wstring& path);
    // Decodes the JPEG stored as an RCDATA resource of the executable.
    static Picture FromJpegResource(int resourceId);
    // A picture of its own with the same pixels (an empty one for an empty one).
    Picture Copy() const;

    bool Empty() const { return !bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    // Pixels as premultiplied BGRA, top row first.
    const std::uint32_t* Pixels() const { return pixels_; }

    // Draws at natural size with the picture's alpha over what `dc` already holds.
    void Draw(HDC dc, int x, int y) const;
    void DrawStretched(HDC dc, const RECT& target) const;

private:
    explicit Picture(const DecodedPicture& decoded);

    UniqueBitmap bitmap_;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace ui
