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
        int32_t x = 0;
        // Eight dots of no shape at once: most of the mask, around sprites.
        for (; x + 8 <= w; x += 8) {
            uint8_t eight = bits[x >> 3];
            for (int32_t k = 0; k < 8; ++k)
                d[x + k] = eight & (0x80 >> k) ? 0 : 255;
        }
        for (; x < w; ++x)
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
        // 1 to width is the ring: d - 1 below width, with 0 wrapping round to 255.
        auto inRing = [&](int32_t x) { return uint8_t(d[x] - 1) < width; };
        int32_t x = 0;
        for (; x + 8 <= w; x += 8) {
            uint8_t eight = 0;
            for (int32_t k = 0; k < 8; ++k)
                eight |= uint8_t(inRing(x + k) << (7 - k));
            out[x >> 3] = eight;
        }
        for (; x < w; ++x)
            if (inRing(x))
                out[x >> 3] |= uint8_t(0x80 >> (x & 7));
    }
    return ring;
}
