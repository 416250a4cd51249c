// The memory stream behind blob cells and blob parameters: seeking and reading.
#include "store/Stream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Seeks to `seek`, then reads up to `count` bytes twice: what each read gives and where
// the stream stands afterwards.
std::string SeekAndReadTwice(std::int64_t seek, std::size_t count) {
    MemoryStream stream(std::string_view("abcde"));
    stream.Seek(seek);
    std::string out;
    for (int i = 0; i < 2; ++i) {
        std::string bytes(count, '?');
        bytes.resize(stream.Read(bytes.data(), count));
        out += "[" + bytes + "]";
    }
    return out + "@" + std::to_string(stream.Position());
}

}  // namespace

TEST(MemoryStream, SeekIsClampedAndReadsMoveOn) {
    const struct {
        std::int64_t seek;
        std::size_t count;
        const char* expected;
    } cases[] = {
        {0, 2, "[ab][cd]@4"}, {1, 3, "[bcd][e]@5"}, {0, 9, "[abcde][]@5"}, {4, 1, "[e][]@5"},
        {5, 1, "[][]@5"},     {-3, 1, "[a][b]@2"},  {99, 1, "[][]@5"},
    };
    for (const auto& c : cases) EXPECT_EQ(SeekAndReadTwice(c.seek, c.count), c.expected) << c.seek << " " << c.count;

    MemoryStream empty;
    char byte = 0;
    empty.Seek(3);
    EXPECT_EQ(empty.Position(), 0);
    EXPECT_EQ(empty.Read(&byte, 1), 0u);
}
