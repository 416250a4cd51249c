#include "ui/DibBytes.h"

#include <string>

#include "ui/ImageError.h"
#include "ui/PictureDecoder.h"

namespace ui {
namespace {

constexpr std::size_t kHeaderBytes = 40;  // sizeof(BITMAPINFOHEADER)

void Put16(std::uint8_t* at, unsigned value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value) {
    Put16(at, value & 0xFFFF);
    Put16(at + 2, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeDib(const std::uint32_t* pixels, int width, int height) {
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide)
        throw EImageError("A picture of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels cannot be copied");
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t imageBytes = rowBytes * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> dib(kHeaderBytes + imageBytes, 0);
    std::uint8_t* header = dib.data();
    Put32(header, kHeaderBytes);
    Put32(header + 4, static_cast<std::uint32_t>(width));
    Put32(header + 8, static_cast<std::uint32_t>(height));  // positive: bottom row first
    Put16(header + 12, 1);                                  // planes
    Put16(header + 14, 24);                                 // bits a pixel; BI_RGB is 0
    Put32(header + 20, static_cast<std::uint32_t>(imageBytes));
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* in = pixels + static_cast<std::size_t>(height - 1 - y) * width;
        std::uint8_t* out = dib.data() + kHeaderBytes + static_cast<std::size_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(in[x]);
            out[1] = static_cast<std::uint8_t>(in[x] >> 8);
            out[2] = static_cast<std::uint8_t>(in[x] >> 16);
        }
    }
    return dib;
}

}  // namespace ui
