#include "operations/ScaleImage.h"

#include "operations/PixelTraits.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Row in backwards into out, width dots of Pixels.
template <class Pixels>
void mirrorRow(uint8_t* out, const uint8_t* in, int32_t width)
{
    int32_t x = 0;
    if constexpr (Pixels::size == 1) {
        // Eight indices a step, their order turned round in one word.
        for (; x + 8 <= width; x += 8) {
            uint64_t eight;
            std::memcpy(&eight, in + width - 8 - x, sizeof eight);
            eight = __builtin_bswap64(eight);
            std::memcpy(out + x, &eight, sizeof eight);
        }
    }
    for (const uint8_t* from = Pixels::at(in, width - 1 - x); x < width; ++x, from -= Pixels::size)
        std::memcpy(Pixels::at(out, x), from, Pixels::size);
}

// Every second index of an 8-bit row from first on, into count dots of out: halving a picture.
// Sixteen at a step, the wanted byte of each pair kept and packed, where SSE2 is there.
void everySecondIndex(uint8_t* out, const uint8_t* in, int32_t first, int32_t count)
{
    int32_t x = 0;
#if defined(__SSE2__)
    // The pairs start at an even index, so that the last load ends on the last dot taken or, on
    // an odd row, on the one after it, which the row's padding to four bytes holds.
    const uint8_t* pairs = in + (first & ~1);
    const __m128i low = _mm_set1_epi16(0x00FF);
    for (; x + 16 <= count; x += 16) {
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pairs + 2 * x));
        __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pairs + 2 * x + 16));
        if (first & 1) {
            a = _mm_srli_epi16(a, 8);
            b = _mm_srli_epi16(b, 8);
        } else {
            a = _mm_and_si128(a, low);
            b = _mm_and_si128(b, low);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(a, b));
    }
#endif
    for (; x < count; ++x)
        out[x] = in[first + 2 * x];
}

template <class Pixels>
void scaleRows(const DIBImage& source, DIBImage& destination, const std::vector<int32_t>& columns,
               const std::vector<int32_t>& rows)
{
    size_t rowBytes = Pixels::size * size_t(destination.width());
    auto width = int32_t(columns.size());
    bool sameColumns = width == source.width(), mirroredColumns = sameColumns, halved = Pixels::size == 1;
    for (int32_t i = 0; i < width && (sameColumns || mirroredColumns || halved); ++i) {
        sameColumns = sameColumns && columns[size_t(i)] == i;
        mirroredColumns = mirroredColumns && columns[size_t(i)] == width - 1 - i;
        halved = halved && columns[size_t(i)] == columns[0] + 2 * i;
    }
    for (int32_t y = 0; y < destination.height(); ++y) {
        uint8_t* out = destination.row(y);
        if (y > 0 && rows[size_t(y)] == rows[size_t(y) - 1]) {
            std::memcpy(out, destination.row(y - 1), rowBytes);
            continue;
        }
        const uint8_t* in = source.row(rows[size_t(y)]);
        if (sameColumns) {
            std::memcpy(out, in, rowBytes);
            continue;
        }
        if (mirroredColumns) {
            // A flip across walks the source row backwards, with no table to look up.
            mirrorRow<Pixels>(out, in, width);
            continue;
        }
        if (halved) {
            everySecondIndex(out, in, columns[0], width);
            continue;
        }
        for (size_t x = 0; x < columns.size(); ++x)
            std::memcpy(out + Pixels::size * x, Pixels::at(in, columns[x]), Pixels::size);
    }
}

} // namespace

std::vector<int32_t> scaledIndices(int32_t sourceLength, int32_t size)
{
    int64_t length = std::abs(int64_t(size));
    std::vector<int32_t> indices(static_cast<size_t>(length));
    for (int64_t i = 0; i < length; ++i) {
        auto index = int32_t((i * sourceLength + sourceLength / 2) / length);
        indices[size_t(i)] = size < 0 ? sourceLength - 1 - index : index;
    }
    return indices;
}

std::shared_ptr<DIBImage> scaleImage(const DIBImage& source, Point size)
{
    std::vector<int32_t> columns = scaledIndices(source.width(), size.x);
    std::vector<int32_t> rows = scaledIndices(source.height(), size.y);
    std::shared_ptr<DIBImage> destination = source.newOfSameKind();
    destination->create({int32_t(columns.size()), int32_t(rows.size())});
    withPixelTraits(source, [&](auto pixels) { scaleRows<decltype(pixels)>(source, *destination, columns, rows); });
    return destination;
}

std::shared_ptr<MaskImage> scaleMask(const MaskImage& source, Point size)
{
    std::vector<int32_t> columns = scaledIndices(source.width(), size.x);
    std::vector<int32_t> rows = scaledIndices(source.height(), size.y);
    std::shared_ptr<MaskImage> destination = MaskImage::newMask({int32_t(columns.size()), int32_t(rows.size())});
    destination->clear(false);
    for (int32_t y = 0; y < destination->height(); ++y) {
        uint8_t* out = destination->row(y);
        for (size_t x = 0; x < columns.size(); ++x)
            if (source.isSet({columns[x], rows[size_t(y)]}))
                out[x >> 3] |= uint8_t(0x80 >> (x & 7));
    }
    return destination;
}
