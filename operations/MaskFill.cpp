#include "operations/MaskFill.h"

#include "operations/MaskRuns.h"
#include "operations/PixelTraits.h"

#include <cstring>

namespace {

// The most dots one fill of a stretch covers, so that its byte count stays within an int.
constexpr int32_t maxStretch = 1 << 28;

} // namespace

Rect maskFill(DIBImage& image, const MaskImage& mask, Point origin, ColorRef c, const ToneBytes* tone)
{
    return withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        if (isSolidTone(tone)) {
            // Runs that meet in memory, as whole rows of a picture without row padding do, are
            // filled as one stretch.
            uint8_t* pending = nullptr;
            int32_t pendingDots = 0;
            auto flush = [&] {
                if (pendingDots > 0)
                    Pixels::fill(image, pending, 0, pendingDots, c);
            };
            Rect area = forEachMaskRun(image.bounds(), mask, origin, [&](int32_t y, int32_t x0, int32_t x1) {
                uint8_t* at = Pixels::at(image.row(y), x0);
                if (at != Pixels::at(pending, pendingDots) || pendingDots > maxStretch - (x1 - x0)) {
                    flush();
                    pending = at;
                    pendingDots = 0;
                }
                pendingDots += x1 - x0;
            });
            flush();
            return area;
        }
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
            return changes;
        });
    });
    return changes;
}
