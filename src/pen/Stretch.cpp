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

// The factors of Blend for four pixels at once, each in its pixel's four 16-bit channel
// lanes: the first two pixels' in the low halves, the last two's in the high.
struct Factors {
    __m128i keepLow, weightLow, keepHigh, weightHigh;
};

Factors FactorsOf(std::uint32_t w0, std::uint32_t w1, std::uint32_t w2, std::uint32_t w3) {
    const auto lanes = [](std::uint32_t first, std::uint32_t second) {
        const auto a = static_cast<short>(first), b = static_cast<short>(second);
        return _mm_set_epi16(b, b, b, b, a, a, a, a);
    };
    return {lanes(256 - w0, 256 - w1), lanes(w0, w1), lanes(256 - w2, 256 - w3), lanes(w2, w3)};
}

// Blend for four pairs of pixels at once, each channel widened to 16 bits as Blend does
// it, so that both give the same values.
__m128i Blend4(__m128i a, __m128i b, const Factors& f) {
    const __m128i zero = _mm_setzero_si128();
    const auto half = [](__m128i x, __m128i y, __m128i keep, __m128i weight) {
        return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(x, keep), _mm_mullo_epi16(y, weight)), 8);
    };
    const __m128i low = half(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), f.keepLow, f.weightLow);
    const __m128i high = half(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), f.keepHigh, f.weightHigh);
    return _mm_packus_epi16(low, high);
}

// Blend for `count` pixels of two rows, all with one weight.
void BlendRows(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t weight, std::uint32_t* out, int count) {
    const Factors factors = FactorsOf(weight, weight, weight, weight);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), Blend4(x, y, factors));
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
    // The columns' factors, four target pixels at a time, made once for every row.
    std::vector<Factors> columnFactors;
    for (int x = written.left; x + 4 <= written.right; x += 4) {
        const Tap* c = &columns[static_cast<std::size_t>(x - target.left)];
        columnFactors.push_back(FactorsOf(c[0].weight, c[1].weight, c[2].weight, c[3].weight));
    }
    const auto scale = [&](int top, int bottom) {
        // Each target row blends its two source rows once, then each of its pixels two
        // neighbours of that blend, four pixels at a time.
        std::vector<std::uint32_t> blended(static_cast<std::size_t>(last - first + 1));
        for (int y = top; y < bottom; ++y) {
            const Tap& row = rows[static_cast<std::size_t>(y - target.top)];
            const std::uint32_t* upper = from.bits + static_cast<std::size_t>(row.first) * from.width + first;
            const std::uint32_t* lower = from.bits + static_cast<std::size_t>(row.second) * from.width + first;
            BlendRows(upper, lower, row.weight, blended.data(), last - first + 1);
            std::uint32_t* out = to.bits + static_cast<std::size_t>(y) * to.width;
            int x = written.left;
            for (const Factors& f : columnFactors) {
                const Tap* c = &columns[static_cast<std::size_t>(x - target.left)];
                const std::uint32_t* b = blended.data() - first;
                const __m128i a = _mm_set_epi32(static_cast<int>(b[c[3].first]), static_cast<int>(b[c[2].first]),
                                                static_cast<int>(b[c[1].first]), static_cast<int>(b[c[0].first]));
                const __m128i z = _mm_set_epi32(static_cast<int>(b[c[3].second]), static_cast<int>(b[c[2].second]),
                                                static_cast<int>(b[c[1].second]), static_cast<int>(b[c[0].second]));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), Blend4(a, z, f));
                x += 4;
            }
            for (; x < written.right; ++x) {
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
