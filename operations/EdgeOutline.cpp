#include "operations/EdgeOutline.h"

#include "pixels/MaskImage.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

// One dot further, saturating at 255, far beyond any outline width.
inline uint8_t further(uint8_t d)
{
    return uint8_t(std::min<int>(d, 254) + 1);
}

// Takes the distances through the neighbouring row into row: the dot beside it and, with corners,
// the two diagonal ones. No dot depends on another of its row, so the loop runs many at once.
void throughRow(uint8_t* row, const uint8_t* neighbour, int32_t w, bool corners)
{
    for (int32_t x = 0; x < w; ++x)
        row[x] = std::min(row[x], further(neighbour[x]));
    if (!corners)
        return;
    for (int32_t x = 1; x < w; ++x)
        row[x] = std::min(row[x], further(neighbour[x - 1]));
    for (int32_t x = 0; x + 1 < w; ++x)
        row[x] = std::min(row[x], further(neighbour[x + 1]));
}

} // namespace

std::shared_ptr<MaskImage> outlineMask(const MaskImage& shapes, int width, bool corners)
{
    int32_t w = shapes.width(), h = shapes.height();
    // Distances to the nearest shape dot, by a pass down and to the right and one back up and to
    // the left, each dot taking the nearer of its own and its neighbours' plus one.
    // Every distance is written before it is read: no time spent clearing a picture-sized buffer.
    std::unique_ptr<uint8_t[]> distance = std::make_unique_for_overwrite<uint8_t[]>(size_t(w) * size_t(h));
    auto row = [&](int32_t y) { return distance.get() + size_t(y) * size_t(w); };
    for (int32_t y = 0; y < h; ++y) {
        uint8_t* d = row(y);
        const uint8_t* bits = shapes.row(y);
        for (int32_t x = 0; x < w; ++x)
            d[x] = (bits[x >> 3] << (x & 7)) & 0x80 ? 0 : 255;
        if (y > 0)
            throughRow(d, row(y - 1), w, corners);
        for (int32_t x = 1; x < w; ++x)
            d[x] = std::min(d[x], further(d[x - 1]));
    }
    std::shared_ptr<MaskImage> ring = MaskImage::newMask({w, h});
    ring->clear(false);
    for (int32_t y = h - 1; y >= 0; --y) {
        uint8_t* d = row(y);
        if (y + 1 < h)
            throughRow(d, row(y + 1), w, corners);
        for (int32_t x = w - 2; x >= 0; --x)
            d[x] = std::min(d[x], further(d[x + 1]));
        uint8_t* out = ring->row(y);
        for (int32_t x = 0; x < w; ++x)
            if (d[x] > 0 && d[x] <= width)
                out[x >> 3] |= uint8_t(0x80 >> (x & 7));
    }
    return ring;
}
