#include "operations/FillMasks.h"

#include "framework/MaskImage.h"
#include "operations/PixelTraits.h"

namespace {

// Clears every bit of mask whose dot is outside image or whose pixel keep refuses.
template <class Pixels, class Keep>
void keepDots(MaskImage& mask, Point origin, const DIBImage& image, Keep keep)
{
    Rect inside = image.bounds().translated(-origin.x, -origin.y).intersected(mask.bounds());
    size_t rowBytes = size_t(DIBImage::rowLength(1, mask.width()));
    for (int32_t y = 0; y < mask.height(); ++y) {
        uint8_t* bits = mask.row(y);
        if (y < inside.top || y >= inside.bottom) {
            std::memset(bits, 0, rowBytes);
            continue;
        }
        const uint8_t* pixels = image.row(y + origin.y);
        for (size_t i = 0; i < rowBytes; ++i) {
            if (!bits[i])
                continue;
            int32_t x0 = int32_t(i * 8);
            uint8_t kept = 0;
            // Bytes wholly inside the picture, most of them, are tested without bounds.
            if (x0 >= inside.left && x0 + 8 <= inside.right)
                for (int32_t k = 0; k < 8; ++k)
                    kept |= uint8_t(keep(Pixels::at(pixels, x0 + k + origin.x)) << (7 - k));
            else
                for (int32_t k = 0, x = x0; k < 8; ++k, ++x)
                    if (x >= inside.left && x < inside.right && keep(Pixels::at(pixels, x + origin.x)))
                        kept |= uint8_t(0x80 >> k);
            bits[i] &= kept;
        }
    }
}

} // namespace

void keepSameColor(MaskImage& mask, Point origin, const DIBImage& image, ColorRef c)
{
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value target = Pixels::valueOf(image, c);
        keepDots<Pixels>(mask, origin, image,
                         [&](const uint8_t* pixel) { return std::memcmp(pixel, target.data(), Pixels::size) == 0; });
    });
}

void keepInsideBorders(MaskImage& mask, Point origin, const DIBImage& image, const BorderFlags& borders)
{
    if (image.depth() != IndexedPixels::depth)
        raiseError(errorQuiet);
    keepDots<IndexedPixels>(mask, origin, image, [&](const uint8_t* pixel) { return !borders[*pixel]; });
}
