// PNG encoding of the pen's drawing, apart from any window so that it builds and is
// tested everywhere. The bytes come back in memory: writing them to a file (by a wide
// path) or putting them elsewhere is the caller's part.
#pragma once
#include <cstdint>
#include <vector>

namespace ui {

// `pixels` as the pen's surface holds them: top row first, `width` by `height`, each a
// 32-bit value 0x??RRGGBB (bytes B, G, R and one the picture does not use). The result is
// an opaque 8-bit RGB PNG. Throws ui::EImageError when a side is not from 1 to
// kMaxPictureSide or libpng fails.
std::vector<std::uint8_t> EncodePng(const std::uint32_t* pixels, int width, int height);

}  // namespace ui
