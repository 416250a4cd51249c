// PNG decoding through libpng's row interface. libpng reports errors by longjmp, so the
// functions that call into it hold only plain locals; every C++ object lives in their
// caller, which turns a failed step into an exception once libpng is out of the way.
#include <png.h>

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "ui/ImageError.h"
#include "ui/PictureDecoder.h"

namespace ui {
namespace {

// No chunk may make libpng hold more than this; the chunks it would keep are skipped.
constexpr png_alloc_size_t kChunkMemoryLimit = 4 << 20;
constexpr png_uint_32 kChunkCacheLimit = 64;
// The chunks read besides the critical ones and tRNS: those that set the picture's gamma.
constexpr png_byte kGammaChunks[] = "gAMA\0sRGB";

struct ReadState {
    ByteSource* source;
    std::size_t bytesRead;
    char message[200];
};

void OnError(png_structp png, png_const_charp message) {
    auto* state = static_cast<ReadState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}  // nothing the user could act on

void ReadBytes(png_structp png, png_bytep into, std::size_t count) {
    auto* state = static_cast<ReadState*>(png_get_io_ptr(png));
    const std::size_t got = state->source->Read(into, count);
    state->bytesRead += got;
    if (got < count) png_error(png, "the file ends before the picture does");
}

class PngReader {
public:
    explicit PngReader(ReadState& state) {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
        if (png) info = png_create_info_struct(png);
        if (!info) {
            png_destroy_read_struct(&png, nullptr, nullptr);
            throw std::bad_alloc();
        }
    }
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    png_structp png = nullptr;
    png_infop info = nullptr;
};

// Sets the limits and reads everything before the pixel data.
bool ReadInfo(png_structp png, png_infop info, ReadState& state) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &state, ReadBytes);
    png_set_chunk_malloc_max(png, kChunkMemoryLimit);
    png_set_chunk_cache_max(png, kChunkCacheLimit);
    // Text, profiles and the like are skipped unread: they cannot change a pixel shown.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_AS_DEFAULT, kGammaChunks, 2);
    png_read_info(png, info);
    return true;
}

// Converts rows to 8-bit straight-alpha BGRA as the program has always shown PNG files:
// 16-bit data without gamma information is taken as linear, the rest as sRGB.
bool PrepareRows(png_structp png, png_infop info, std::size_t& rowBytes) {
    if (setjmp(png_jmpbuf(png))) return false;
    const png_byte colorType = png_get_color_type(png, info);
    const png_byte depth = png_get_bit_depth(png, info);
    png_set_expand(png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    // Two calls with different roles: the first call's output gamma also becomes the file
    // gamma assumed when the file names none (16-bit samples are taken as linear, 8-bit
    // ones as sRGB); the second sets what we want out, sRGB for the screen. Alpha stays
    // unassociated here; the picture premultiplies it itself.
    png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, depth == 16 ? PNG_GAMMA_LINEAR : PNG_DEFAULT_sRGB);
    png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
    if (depth == 16) png_set_scale_16(png);
    if ((colorType & PNG_COLOR_MASK_ALPHA) == 0 && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_read_update_info(png, info);
    rowBytes = png_get_rowbytes(png, info);
    return true;
}

// Reads rows into one row buffer, keeping the pixels of the kept corner. A plain file is
// read only down to the corner's last row, so its load time follows what is shown; an
// interlaced one spreads every part of the picture over seven passes, each placed here
// where its pixels belong, and is read to the end.
bool ReadPixels(png_structp png, png_infop info, png_bytep row, DecodedPicture& kept) {
    if (setjmp(png_jmpbuf(png))) return false;
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const bool interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    const png_uint_32 keptWidth = static_cast<png_uint_32>(kept.width);
    const png_uint_32 keptHeight = static_cast<png_uint_32>(kept.height);
    for (int pass = 0; pass < (interlaced ? 7 : 1); ++pass) {
        const png_uint_32 rows = interlaced ? PNG_PASS_ROWS(height, pass) : keptHeight;
        const png_uint_32 columns = interlaced ? PNG_PASS_COLS(width, pass) : width;
        if (rows == 0 || columns == 0) continue;  // libpng skips such a pass too
        for (png_uint_32 r = 0; r < rows; ++r) {
            png_read_row(png, row, nullptr);
            const png_uint_32 y = interlaced ? PNG_ROW_FROM_PASS_ROW(r, pass) : r;
            if (y >= keptHeight) continue;
            for (png_uint_32 c = 0; c < columns; ++c) {
                const png_uint_32 x = interlaced ? PNG_COL_FROM_PASS_COL(c, pass) : c;
                if (x >= keptWidth) break;
                kept.pixels[static_cast<std::size_t>(y) * keptWidth + x] = PremultipliedPixel(row + c * 4);
            }
        }
    }
    if (interlaced || height == keptHeight) png_read_end(png, nullptr);
    return true;
}

class MemorySource : public ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : data_(data), left_(size) {}
    std::size_t Read(std::uint8_t* into, std::size_t count) override {
        const std::size_t n = count < left_ ? count : left_;
        if (n > 0) std::memcpy(into, data_, n);
        data_ += n;
        left_ -= n;
        return n;
    }

private:
    const std::uint8_t* data_;
    std::size_t left_;
};

}  // namespace

DecodedPicture DecodePng(ByteSource& source, const std::string& name, int keptSide) {
    ReadState state{&source, 0, {}};
    PngReader reader(state);
    DecodedPicture kept;
    std::vector<png_byte> row;
    std::size_t rowBytes = 0;
    bool ok = ReadInfo(reader.png, reader.info, state);
    if (ok) {
        kept =
            KeptPart(png_get_image_width(reader.png, reader.info), png_get_image_height(reader.png, reader.info), name, keptSide);
        ok = PrepareRows(reader.png, reader.info, rowBytes);
    }
    if (ok) {
        row.resize(rowBytes);
        ok = ReadPixels(reader.png, reader.info, row.data(), kept);
    }
    if (!ok) {
        if (state.bytesRead == 0) throw EImageError("The file \"" + name + "\" is empty");
        throw EImageError("Invalid PNG file \"" + name + "\": " + state.message);
    }
    return kept;
}

DecodedPicture DecodePng(const std::uint8_t* data, std::size_t size, const std::string& name, int keptSide) {
    MemorySource source(data, size);
    return DecodePng(source, name, keptSide);
}

}  // namespace ui
