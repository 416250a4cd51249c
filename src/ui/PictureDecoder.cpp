#include "ui/PictureDecoder.h"

#include <algorithm>

#include "ui/ImageError.h"

namespace ui {

DecodedPicture KeptPart(std::uint32_t width, std::uint32_t height, const std::string& name, int keptSide) {
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        throw EImageError("The picture \"" + name + "\" is " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels; pictures of at most " + std::to_string(kMaxPictureSide) +
                          " pixels a side are accepted");
    DecodedPicture kept;
    kept.width = std::min(static_cast<int>(width), keptSide);
    kept.height = std::min(static_cast<int>(height), keptSide);
    kept.pixels.assign(static_cast<std::size_t>(kept.width) * kept.height, 0u);
    return kept;
}

std::uint32_t PremultipliedPixel(const std::uint8_t* bgra) {
    const unsigned a = bgra[3];
    const unsigned b = (bgra[0] * a + 127) / 255, g = (bgra[1] * a + 127) / 255, r = (bgra[2] * a + 127) / 255;
    return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace ui
