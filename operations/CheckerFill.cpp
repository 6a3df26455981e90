#include "operations/CheckerFill.h"

#include "operations/MaskRuns.h"
#include "operations/PixelTraits.h"

Rect checkerFill(DIBImage& image, const MaskImage& mask, Point origin, ColorRef c0, ColorRef c1)
{
    return withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value colors[2] = {Pixels::valueOf(image, c0), Pixels::valueOf(image, c1)};
        return forEachMaskRun(image.bounds(), mask, origin, [&](int32_t y, int32_t x0, int32_t x1) {
            uint8_t* row = image.row(y);
            for (int32_t x = x0; x < x1; ++x)
                Pixels::write(row, x, colors[(x + y) & 1]);
        });
    });
}
