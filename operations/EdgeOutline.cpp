#include "operations/EdgeOutline.h"

#include "pixels/MaskImage.h"

#include <algorithm>
#include <cstdint>
#include <vector>

std::shared_ptr<MaskImage> outlineMask(const MaskImage& shapes, int width, bool corners)
{
    int32_t w = shapes.width(), h = shapes.height();
    // Distances to the nearest shape dot, saturating at 255, far beyond any outline width.
    std::vector<uint8_t> distance(size_t(w) * size_t(h));
    auto at = [&](int32_t x, int32_t y) -> uint8_t& { return distance[size_t(y) * size_t(w) + size_t(x)]; };
    auto step = [](uint8_t d) { return uint8_t(d == 255 ? 255 : d + 1); };
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t d = 255;
            if (shapes.isSet({x, y})) {
                d = 0;
            } else {
                if (y > 0)
                    d = std::min(d, step(at(x, y - 1)));
                if (x > 0)
                    d = std::min(d, step(at(x - 1, y)));
                if (corners && y > 0 && x > 0)
                    d = std::min(d, step(at(x - 1, y - 1)));
                if (corners && y > 0 && x + 1 < w)
                    d = std::min(d, step(at(x + 1, y - 1)));
            }
            at(x, y) = d;
        }
    std::shared_ptr<MaskImage> ring = MaskImage::newMask({w, h});
    ring->clear(false);
    for (int32_t y = h - 1; y >= 0; --y) {
        uint8_t* out = ring->row(y);
        for (int32_t x = w - 1; x >= 0; --x) {
            uint8_t d = at(x, y);
            if (y + 1 < h)
                d = std::min(d, step(at(x, y + 1)));
            if (x + 1 < w)
                d = std::min(d, step(at(x + 1, y)));
            if (corners && y + 1 < h && x + 1 < w)
                d = std::min(d, step(at(x + 1, y + 1)));
            if (corners && y + 1 < h && x > 0)
                d = std::min(d, step(at(x - 1, y + 1)));
            at(x, y) = d;
            if (d > 0 && d <= width)
                out[x >> 3] |= uint8_t(0x80 >> (x & 7));
        }
    }
    return ring;
}
