#include "pen/TileCodec.h"

#include <zlib.h>

#include <new>

#include "base/Exception.h"

namespace pen {
namespace {

// Screen pictures are mostly flat areas and repeated glyphs: the fastest level finds
// nearly all that the slower ones would, in a fraction of the time.
constexpr int kLevel = Z_BEST_SPEED;
// A tile is at most 64 x 64 x 4 = 16 KB: a window of that size reaches all of it. The
// sign asks for raw streams: the memory they live in needs no header or checksum.
constexpr int kWindowBits = -14;
constexpr int kMemLevel = 8;

void Check(int result) {
    if (result == Z_MEM_ERROR) throw std::bad_alloc();
    if (result != Z_OK) throw Exception("The pen's history could not set up zlib");
}

}  // namespace

void TileDeflater::End::operator()(z_stream_s* stream) const {
    deflateEnd(stream);
    delete stream;
}

void TileInflater::End::operator()(z_stream_s* stream) const {
    inflateEnd(stream);
    delete stream;
}

PackedBytes TileDeflater::Pack(const std::uint32_t* pixels, std::size_t count) {
    if (!stream_) {
        auto stream = std::make_unique<z_stream_s>();
        Check(deflateInit2(stream.get(), kLevel, Z_DEFLATED, kWindowBits, kMemLevel, Z_DEFAULT_STRATEGY));
        stream_.reset(stream.release());
    } else {
        Check(deflateReset(stream_.get()));
    }
    const std::size_t size = count * sizeof(std::uint32_t);
    // One byte less than the pixels: a stream that does not fit is no gain. The stream is
    // made in a buffer kept for the next tile; only what it came to is allocated.
    if (out_.size() < size - 1) out_.resize(size - 1);
    z_stream_s& z = *stream_;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<std::uint32_t*>(pixels));
    z.avail_in = static_cast<uInt>(size);
    z.next_out = out_.data();
    z.avail_out = static_cast<uInt>(size - 1);
    const int result = deflate(&z, Z_FINISH);
    if (result == Z_MEM_ERROR) throw std::bad_alloc();
    if (result != Z_STREAM_END) return {};
    return {out_.begin(), out_.begin() + static_cast<std::ptrdiff_t>(z.total_out)};
}

const std::uint32_t* TileInflater::Unpack(const PackedBytes& packed, std::size_t count) {
    if (!stream_) {
        auto stream = std::make_unique<z_stream_s>();
        Check(inflateInit2(stream.get(), kWindowBits));
        stream_.reset(stream.release());
    } else {
        Check(inflateReset(stream_.get()));
    }
    if (pixels_.size() < count) pixels_.resize(count);
    const std::size_t size = count * sizeof(std::uint32_t);
    z_stream_s& z = *stream_;
    z.next_in = const_cast<Bytef*>(packed.data());
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(pixels_.data());
    z.avail_out = static_cast<uInt>(size);
    const int result = inflate(&z, Z_FINISH);
    if (result == Z_MEM_ERROR) throw std::bad_alloc();
    if (result != Z_STREAM_END || z.total_out != size) throw Exception("The pen's history is damaged");
    return pixels_.data();
}

}  // namespace pen
