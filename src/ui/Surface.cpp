#include "ui/Surface.h"

#include "ui/Dib.h"

namespace ui {

Surface::Surface(int width, int height)
    : width_(width),
      height_(height),
      bitmap_(CreateTopDownDib(width, height, bits_)),
      dc_(CreateCompatibleDC(nullptr)),
      selected_(dc_.get(), bitmap_.get()),
      canvas_(dc_.get()) {}

COLORREF Surface::Pixel(int x, int y) const {
    const std::uint32_t bgra = Bits()[static_cast<std::size_t>(y) * width_ + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

void Surface::CopyFrom(HDC source, int x, int y) { BitBlt(dc_.get(), 0, 0, width_, height_, source, x, y, SRCCOPY); }

void Surface::Resize(int width, int height) {
    if (width == width_ && height == height_) return;
    UniqueBitmap fresh(CreateTopDownDib(width, height, bits_));
    // The DC still holds the old bitmap; the new one takes its place before it goes.
    SelectObject(dc_.get(), fresh.get());
    bitmap_ = std::move(fresh);
    width_ = width;
    height_ = height;
}

std::uint32_t* Surface::Bits() const {
    GdiFlush();
    return bits_;
}

void Surface::CopyFrom(HDC source, const RECT& block) {
    BitBlt(dc_.get(), block.left, block.top, block.right - block.left, block.bottom - block.top, source, block.left,
           block.top, SRCCOPY);
}

}  // namespace ui
