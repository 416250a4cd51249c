// The pen's drawing as the clipboard's device-independent bitmap (CF_DIB), apart from any
// window so that it builds and is tested everywhere.
#pragma once
#include <cstdint>
#include <vector>

namespace ui {

// `pixels` as PngEncoder takes them (top row first, 0x??RRGGBB). The result is a
// BITMAPINFOHEADER followed by 24-bit rows, bottom row first, each padded to 4 bytes:
// what every program that pastes a picture reads, with no alpha byte to misread.
// Throws ui::EImageError when a side is not from 1 to kMaxPictureSide.
std::vector<std::uint8_t> EncodeDib(const std::uint32_t* pixels, int width, int height);

}  // namespace ui
