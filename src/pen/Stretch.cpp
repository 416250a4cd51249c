#include "pen/Stretch.h"

#include <algorithm>
#include <cstdint>
#include <future>
#include <thread>
#include <vector>

namespace pen {
namespace {

// Fewer rows are scaled sooner than a thread is started.
constexpr int kRowsToShare = 256;

// One side of the scaling: for each target pixel, the first of the two source pixels it
// lies between and the weight of the second, in 256ths.
struct Tap {
    int first;
    int second;
    std::uint32_t weight;
};

std::vector<Tap> Taps(int sourceStart, int sourceLength, int targetLength) {
    std::vector<Tap> taps(static_cast<std::size_t>(targetLength));
    for (int i = 0; i < targetLength; ++i) {
        // The target pixel's centre, in the source, from the source pixels' centres:
        // ((i + 0.5) * sourceLength / targetLength - 0.5), in 256ths.
        const std::int64_t twice = (2 * std::int64_t{i} + 1) * sourceLength - targetLength;
        const std::int64_t at = twice < 0 ? 0 : twice * 256 / (2 * std::int64_t{targetLength});
        int first = static_cast<int>(at >> 8);
        std::uint32_t weight = static_cast<std::uint32_t>(at & 255);
        if (first >= sourceLength - 1) first = sourceLength - 1, weight = 0;
        taps[static_cast<std::size_t>(i)] = {sourceStart + first, sourceStart + std::min(first + 1, sourceLength - 1),
                                             weight};
    }
    return taps;
}

// Two channels at a time, each in 16 bits of a 32-bit value.
std::uint32_t Blend(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue = (((a & 0x00FF00FF) * keep + (b & 0x00FF00FF) * weight) >> 8) & 0x00FF00FF;
    const std::uint32_t alphaGreen = (((a >> 8) & 0x00FF00FF) * keep + ((b >> 8) & 0x00FF00FF) * weight) & 0xFF00FF00;
    return redBlue | alphaGreen;
}

Rect Intersection(Rect a, Rect b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace

void Stretch(const PixelPlane& from, Rect source, const PixelPlane& to, Rect target, Rect only) {
    const Rect written = Intersection(Intersection(target, only), {0, 0, to.width, to.height});
    if (written.Empty() || source.Empty()) return;
    const std::vector<Tap> columns = Taps(source.left, source.right - source.left, target.right - target.left);
    const std::vector<Tap> rows = Taps(source.top, source.bottom - source.top, target.bottom - target.top);
    const auto scale = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            const Tap& row = rows[static_cast<std::size_t>(y - target.top)];
            const std::uint32_t* upper = from.bits + static_cast<std::size_t>(row.first) * from.width;
            const std::uint32_t* lower = from.bits + static_cast<std::size_t>(row.second) * from.width;
            std::uint32_t* out = to.bits + static_cast<std::size_t>(y) * to.width;
            for (int x = written.left; x < written.right; ++x) {
                const Tap& column = columns[static_cast<std::size_t>(x - target.left)];
                out[x] = Blend(Blend(upper[column.first], upper[column.second], column.weight),
                               Blend(lower[column.first], lower[column.second], column.weight), row.weight);
            }
        }
    };
    // A whole screen takes one core about a frame: a second thread takes half the rows.
    if (written.bottom - written.top >= kRowsToShare && std::thread::hardware_concurrency() > 1) {
        const int half = (written.top + written.bottom) / 2;
        auto other = std::async(std::launch::async, scale, half, written.bottom);
        scale(written.top, half);
        other.get();
    } else {
        scale(written.top, written.bottom);
    }
}

Rect FitCentred(Size picture, Size surface) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    // The side that meets the surface's edge first sets the scale.
    const bool widthFits = std::int64_t{surface.width} * picture.height <= std::int64_t{surface.height} * picture.width;
    const int width = widthFits ? surface.width
                                : static_cast<int>(std::int64_t{surface.height} * picture.width / picture.height);
    const int height = widthFits ? static_cast<int>(std::int64_t{surface.width} * picture.height / picture.width)
                                 : surface.height;
    const int left = (surface.width - width) / 2, top = (surface.height - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace pen
