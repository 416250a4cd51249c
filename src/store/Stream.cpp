#include "store/Stream.h"

#include <algorithm>
#include <cstring>

MemoryStream::MemoryStream(std::string_view bytes) : MemoryStream(bytes.data(), bytes.size()) {}

MemoryStream::MemoryStream(const void* bytes, std::size_t count)
    : bytes_(static_cast<const unsigned char*>(bytes), static_cast<const unsigned char*>(bytes) + count) {}

std::int64_t MemoryStream::Size() const { return static_cast<std::int64_t>(bytes_.size()); }

std::int64_t MemoryStream::Position() const { return position_; }

void MemoryStream::Seek(std::int64_t position) { position_ = std::clamp<std::int64_t>(position, 0, Size()); }

std::size_t MemoryStream::Read(void* destination, std::size_t count) {
    const auto available = static_cast<std::size_t>(Size() - position_);
    const std::size_t n = std::min(count, available);
    if (n > 0) std::memcpy(destination, bytes_.data() + position_, n);
    position_ += static_cast<std::int64_t>(n);
    return n;
}
