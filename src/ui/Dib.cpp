#include "ui/Dib.h"

#include "ui/ImageError.h"

namespace ui {

UniqueBitmap CreateTopDownDib(int width, int height, std::uint32_t*& bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top row first
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &memory, nullptr, 0));
    if (!bitmap) throw EImageError("Out of system resources");
    bits = static_cast<std::uint32_t*>(memory);
    return bitmap;
}

}  // namespace ui
