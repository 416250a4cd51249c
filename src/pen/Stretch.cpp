#include "pen/Stretch.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pen/SecondThread.h"

namespace pen {
namespace {

// Fewer rows are scaled sooner than the work is shared with the second thread.
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

// Blend for `count` pixels of two rows at once, four at a time: each channel widened to 16
// bits, as Blend does it, so both give the same values.
void BlendRows(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t weight, std::uint32_t* out, int count) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i keepFactor = _mm_set1_epi16(static_cast<short>(256 - weight));
    const __m128i weightFactor = _mm_set1_epi16(static_cast<short>(weight));
    const auto half = [&](__m128i x, __m128i y) {
        return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(x, keepFactor), _mm_mullo_epi16(y, weightFactor)), 8);
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i low = half(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero));
        const __m128i high = half(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
    for (; i < count; ++i) out[i] = Blend(a[i], b[i], weight);
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
    // The source columns that the written part reads.
    const int first = columns[static_cast<std::size_t>(written.left - target.left)].first;
    const int last = columns[static_cast<std::size_t>(written.right - 1 - target.left)].second;
    const auto scale = [&](int top, int bottom) {
        // Each target row blends its two source rows once, then each of its pixels two
        // neighbours of that blend.
        std::vector<std::uint32_t> blended(static_cast<std::size_t>(last - first + 1));
        for (int y = top; y < bottom; ++y) {
            const Tap& row = rows[static_cast<std::size_t>(y - target.top)];
            const std::uint32_t* upper = from.bits + static_cast<std::size_t>(row.first) * from.width + first;
            const std::uint32_t* lower = from.bits + static_cast<std::size_t>(row.second) * from.width + first;
            BlendRows(upper, lower, row.weight, blended.data(), last - first + 1);
            std::uint32_t* out = to.bits + static_cast<std::size_t>(y) * to.width;
            for (int x = written.left; x < written.right; ++x) {
                const Tap& column = columns[static_cast<std::size_t>(x - target.left)];
                out[x] = Blend(blended[column.first - first], blended[column.second - first], column.weight);
            }
        }
    };
    // A whole screen takes one core more than a third of a frame: a second thread takes
    // half the rows.
    if (written.bottom - written.top >= kRowsToShare) {
        const int middle = (written.top + written.bottom) / 2;
        InTwoHalves([&](int half) { half == 0 ? scale(written.top, middle) : scale(middle, written.bottom); });
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
