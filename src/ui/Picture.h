// A decoded picture held as a premultiplied 32-bit DIB, drawn with its transparency.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Handles.h"

namespace ui {

class Picture {
public:
    Picture() = default;
    // A blank picture of the given size, every pixel fully transparent.
    Picture(int width, int height);

    // Decodes a PNG file; relative paths are taken from the working directory.
    // Throws ui::EImageError when the file cannot be read or is not a PNG.
    static Picture LoadPng(const std::wstring& path);
    // Decodes a JPEG held in memory (a resource of the program).
    static Picture FromJpeg(const std::uint8_t* data, std::size_t size);
    // Decodes the JPEG stored as an RCDATA resource of the executable.
    static Picture FromJpegResource(int resourceId);

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
    // Takes straight (not premultiplied) BGRA rows, top row first.
    static Picture FromStraightBgra(int width, int height, const std::vector<std::uint8_t>& bgra);

    UniqueBitmap bitmap_;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace ui
