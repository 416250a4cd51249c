#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// A readable sequence of bytes with a position, the form in which blobs are bound.
class Stream {
public:
    virtual ~Stream() = default;

    virtual std::int64_t Size() const = 0;
    virtual std::int64_t Position() const = 0;
    // Clamped to 0..Size().
    virtual void Seek(std::int64_t position) = 0;
    // Copies up to count bytes from the position onward and advances it; returns the count copied.
    virtual std::size_t Read(void* destination, std::size_t count) = 0;
};

// A stream over bytes it owns. Blob cells of a query result are held this way, and binding
// one passes its bytes to SQLite without a copy.
class MemoryStream final : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::string_view bytes);
    MemoryStream(const void* bytes, std::size_t count);

    std::int64_t Size() const override;
    std::int64_t Position() const override;
    void Seek(std::int64_t position) override;
    std::size_t Read(void* destination, std::size_t count) override;

    const unsigned char* Data() const { return bytes_.data(); }

private:
    std::vector<unsigned char> bytes_;
    std::int64_t position_ = 0;
};
