#include "operations/PenStamp.h"

#include "framework/MaskImage.h"
#include "operations/PixelTraits.h"

namespace
{

// The first x in [x, end) of a mask row whose bit is not value, or end. Whole bytes of value are
// passed over at once, since wide pens are mostly such bytes.
int32_t skipBits(const uint8_t* bits, int32_t x, int32_t end, bool value)
{
    const uint8_t whole = value ? 0xFF : 0x00;
    while (x < end) {
        if ((x & 7) == 0 && x + 8 <= end && bits[x >> 3] == whole)
            x += 8;
        else if (((bits[x >> 3] & (0x80 >> (x & 7))) != 0) == value)
            ++x;
        else
            break;
    }
    return x;
}

} // namespace

Rect penStamp(DIBImage& image, const MaskImage& footprint, Point corner, ColorRef ink, const ToneBytes* tone)
{
    Rect area = Rect::fromSize(corner, footprint.extent()).intersected(image.bounds());
    if (area.isEmpty()) return area;
    const bool solid = isSolidTone(tone);
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value value = Pixels::valueOf(image, ink);
        const int32_t left = area.left - corner.x, right = area.right - corner.x;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const uint8_t* bits = footprint.row(y - corner.y);
            const int32_t start = skipBits(bits, left, right, true);
            const int32_t end = skipBits(bits, start, right, false);
            uint8_t* row = image.row(y);
            if (solid) {
                if (start < end) Pixels::fill(image, row, start + corner.x, end - start, ink);
                continue;
            }
            for (int32_t x = start + corner.x; x < end + corner.x; ++x)
                if (toneLetsThrough(*tone, x, y)) Pixels::write(row, x, value);
        }
    });
    return area;
}
