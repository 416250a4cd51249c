// Decoding of the program's pictures into premultiplied BGRA pixels, apart from any
// window so that it builds and is tested everywhere. Only the top-left part a window can
// show is kept, so a picture costs the same small memory whatever size it declares.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// No side longer than this is accepted: twice the widest screen (8K, 7680 pixels) with
// room to spare, and far beyond any pointer picture. It also bounds the pixel count to
// 2^28, so byte counts of whole rows and pictures stay well inside 32 bits.
inline constexpr int kMaxPictureSide = 16384;
// The kept top-left corner: the picture windows show 128 x 128 pixels at natural size,
// at most 256 x 256 once scaled to 200 %; twice that leaves room and costs 1 MB.
inline constexpr int kKeptPictureSide = 512;

struct DecodedPicture {
    int width = 0;  // of the kept part
    int height = 0;
    std::vector<std::uint32_t> pixels;  // premultiplied 0xAARRGGBB, top row first
};

// Where the bytes of a picture file come from. Read fills `into` with up to `count` bytes
// and returns how many it gave, fewer only at the end of the data; it must not throw.
class ByteSource {
public:
    virtual std::size_t Read(std::uint8_t* into, std::size_t count) = 0;

protected:
    ~ByteSource() = default;
};

// Both throw ui::EImageError with a message naming `name` (the file, as the user knows it)
// when the data is empty, malformed, cut short or declares a side over kMaxPictureSide.
// `keptSide` bounds the part kept; the pen's kept drawings are read whole.
DecodedPicture DecodePng(ByteSource& source, const std::string& name, int keptSide = kKeptPictureSide);
DecodedPicture DecodePng(const std::uint8_t* data, std::size_t size, const std::string& name,
                         int keptSide = kKeptPictureSide);
DecodedPicture DecodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& name);

// Shared by the decoders: refuses a declared size over the limit, and sizes the kept part.
DecodedPicture KeptPart(std::uint32_t width, std::uint32_t height, const std::string& name,
                        int keptSide = kKeptPictureSide);
// Premultiplies straight-alpha B, G, R, A bytes.
std::uint32_t PremultipliedPixel(const std::uint8_t* bgra);

}  // namespace ui
