// Arbitrary bytes for both picture decoders. A refused picture is the expected outcome; a
// crash, leak, undefined behaviour or an allocation over the fuzzer's limit is a finding.
#include <cstddef>
#include <cstdint>

#include "ui/ImageError.h"
#include "ui/PictureDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        ui::DecodePng(data, size, "input");
    } catch (const ui::EImageError&) {}
    try {
        ui::DecodeJpeg(data, size, "input");
    } catch (const ui::EImageError&) {}
    return 0;
}
