#include "operations/ScaleImage.h"

#include "operations/PixelTraits.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

template <class Pixels>
void scaleRows(const DIBImage& source, DIBImage& destination, const std::vector<int32_t>& columns,
               const std::vector<int32_t>& rows)
{
    size_t rowBytes = Pixels::size * size_t(destination.width());
    bool sameColumns = columns.size() == size_t(source.width());
    for (size_t i = 0; sameColumns && i < columns.size(); ++i)
        sameColumns = columns[i] == int32_t(i);
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
