#include "operations/MaskFill.h"

#include "operations/MaskRuns.h"
#include "operations/PixelTraits.h"

#include <cstring>

Rect maskFill(DIBImage& image, const MaskImage& mask, Point origin, ColorRef c, const ToneBytes* tone)
{
    return withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        if (isSolidTone(tone))
            return forEachMaskRun(image.bounds(), mask, origin, [&](int32_t y, int32_t x0, int32_t x1) {
                Pixels::fill(image, image.row(y), x0, x1 - x0, c);
            });
        const typename Pixels::Value ink = Pixels::valueOf(image, c);
        return forEachMaskRun(image.bounds(), mask, origin, [&](int32_t y, int32_t x0, int32_t x1) {
            uint8_t* row = image.row(y);
            for (int32_t x = x0; x < x1; ++x)
                if (toneLetsThrough(*tone, x, y))
                    Pixels::write(row, x, ink);
        });
    });
}

bool maskFillChanges(const DIBImage& image, const MaskImage& mask, Point origin, ColorRef c, const ToneBytes* tone)
{
    bool changes = false;
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value ink = Pixels::valueOf(image, c);
        bool solid = isSolidTone(tone);
        forEachMaskRun(image.bounds(), mask, origin, [&](int32_t y, int32_t x0, int32_t x1) {
            const uint8_t* row = image.row(y);
            for (int32_t x = x0; x < x1 && !changes; ++x)
                changes = (solid || toneLetsThrough(*tone, x, y)) &&
                          std::memcmp(Pixels::at(row, x), ink.data(), Pixels::size) != 0;
        });
    });
    return changes;
}
