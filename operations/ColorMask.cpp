#include "operations/ColorMask.h"

#include "framework/MaskImage.h"
#include "operations/PixelTraits.h"

std::shared_ptr<MaskImage> maskOfOtherColors(const DIBImage& image, ColorRef c)
{
    auto mask = MaskImage::newMask(image.extent());
    mask->clear(false);
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value skip = Pixels::valueOf(image, c);
        for (int32_t y = 0; y < image.height(); ++y) {
            const uint8_t* row = image.row(y);
            for (int32_t x = 0; x < image.width();) {
                while (x < image.width() && Pixels::read(row, x) == skip)
                    ++x;
                int32_t start = x;
                while (x < image.width() && Pixels::read(row, x) != skip)
                    ++x;
                if (x > start)
                    mask->setRun(y, start, x);
            }
        }
    });
    return mask;
}
