#include "operations/ScaleImage.h"

#include "operations/PixelTraits.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

template <class Pixels>
void scaleRows(const DIBImage& source, DIBImage& destination, const std::vector<int32_t>& columns,
               const std::vector<int32_t>& rows)
{
    size_t rowBytes = Pixels::size * size_t(destination.width());
    auto width = int32_t(columns.size());
    bool sameColumns = width == source.width(), mirroredColumns = sameColumns;
    for (int32_t i = 0; i < width && (sameColumns || mirroredColumns); ++i) {
        sameColumns = sameColumns && columns[size_t(i)] == i;
        mirroredColumns = mirroredColumns && columns[size_t(i)] == width - 1 - i;
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
