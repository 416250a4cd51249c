// JPEG decoding through libjpeg, kept apart so its setjmp error handling never spans
// C++ objects with destructors.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct DecodedJpeg {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, top row first
    std::string error;              // empty on success
};

DecodedJpeg DecodeJpeg(const std::uint8_t* data, std::size_t size);

}  // namespace ui
