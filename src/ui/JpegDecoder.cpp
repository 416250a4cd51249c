// JPEG decoding through libjpeg. Its errors arrive by longjmp, so the functions that call
// into it hold only plain locals; every C++ object lives in their caller.
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "ui/ImageError.h"
#include "ui/PictureDecoder.h"

namespace ui {
namespace {

// The most a progressive picture's whole-image coefficients may take; beyond it libjpeg
// would need a backing store, which it does not have, and stops with an error.
constexpr long kCoefficientMemoryLimit = 32L << 20;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr) {}  // warnings change nothing the user could act on

struct JpegReader {
    JpegReader() {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = OnError;
        errors.base.output_message = OnMessage;
    }
    ~JpegReader() {
        if (created) jpeg_destroy_decompress(&info);
    }
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;

    jpeg_decompress_struct info{};
    ErrorManager errors{};
    bool created = false;
};

bool ReadHeader(JpegReader& reader, const std::uint8_t* data, std::size_t size) {
    if (setjmp(reader.errors.jump)) return false;
    jpeg_create_decompress(&reader.info);
    reader.created = true;
    reader.info.mem->max_memory_to_use = kCoefficientMemoryLimit;
    jpeg_mem_src(&reader.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&reader.info, TRUE);
    return true;
}

bool ReadPixels(JpegReader& reader, JSAMPROW row, DecodedPicture& kept) {
    if (setjmp(reader.errors.jump)) return false;
    jpeg_decompress_struct& info = reader.info;
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        const JDIMENSION y = info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
        if (y >= static_cast<JDIMENSION>(kept.height)) continue;
        // Opaque pixels: premultiplying changes nothing.
        for (int x = 0; x < kept.width; ++x)
            kept.pixels[static_cast<std::size_t>(y) * kept.width + x] =
                0xFF000000u | (row[x * 4 + 2] << 16) | (row[x * 4 + 1] << 8) | row[x * 4];
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

DecodedPicture DecodeJpeg(const std::uint8_t* data, std::size_t size, const std::string& name) {
    if (size == 0) throw EImageError("The picture \"" + name + "\" is empty");
    JpegReader reader;
    DecodedPicture kept;
    std::vector<JSAMPLE> row;
    bool ok = ReadHeader(reader, data, size);
    if (ok) {
        kept = KeptPart(reader.info.image_width, reader.info.image_height, name);
        row.resize(static_cast<std::size_t>(reader.info.image_width) * 4);
        ok = ReadPixels(reader, row.data(), kept);
    }
    if (!ok) throw EImageError("Invalid JPEG picture \"" + name + "\": " + reader.errors.message);
    return kept;
}

}  // namespace ui
