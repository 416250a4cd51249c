// Encoding through libpng's row interface. As in the decoder, libpng reports errors by
// longjmp, so the functions that call into it hold only plain locals and the C++ objects
// live in their caller.
#include "ui/PngEncoder.h"

#include <png.h>

#include <cstdio>
#include <new>
#include <string>

#include "ui/ImageError.h"
#include "ui/PictureDecoder.h"

namespace ui {
namespace {

// A screen's worth of drawing is saved while the presenter waits. Screens are mostly flat
// colour and text, where the row filters cost time and gain little: without them zlib's
// level 3 packs a 1920 x 1080 desktop several times faster than libpng's defaults, into
// a file about an eighth bigger.
constexpr int kCompressionLevel = 3;

struct WriteState {
    std::vector<std::uint8_t>* out;
    char message[200];
};

void OnError(png_structp png, png_const_charp message) {
    auto* state = static_cast<WriteState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}  // nothing the user could act on

void WriteBytes(png_structp png, png_bytep data, std::size_t size) {
    auto* out = static_cast<WriteState*>(png_get_io_ptr(png))->out;
    bool full = false;
    try {
        out->insert(out->end(), data, data + size);
    } catch (const std::bad_alloc&) {
        full = true;  // reported once the exception is over: png_error does not return
    }
    if (full) png_error(png, "out of memory");
}

void NoFlush(png_structp) {}

class PngWriter {
public:
    explicit PngWriter(WriteState& state) {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
        if (png) info = png_create_info_struct(png);
        if (!info) {
            png_destroy_write_struct(&png, nullptr);
            throw std::bad_alloc();
        }
    }
    ~PngWriter() { png_destroy_write_struct(&png, &info); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    png_structp png = nullptr;
    png_infop info = nullptr;
};

bool WritePicture(png_structp png, png_infop info, WriteState& state, const std::uint32_t* pixels, int width,
                  int height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &state, WriteBytes, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    // Rows come as B, G, R and a byte to leave out.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < height; ++y)
        png_write_row(png, reinterpret_cast<png_const_bytep>(pixels + static_cast<std::size_t>(y) * width));
    png_write_end(png, info);
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const std::uint32_t* pixels, int width, int height) {
    if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide)
        throw EImageError("A picture of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels cannot be saved as PNG");
    std::vector<std::uint8_t> out;
    WriteState state{&out, {}};
    PngWriter writer(state);
    if (!WritePicture(writer.png, writer.info, state, pixels, width, height))
        throw EImageError(std::string("The picture could not be saved as PNG: ") + state.message);
    return out;
}

}  // namespace ui
