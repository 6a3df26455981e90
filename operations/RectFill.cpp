#include "operations/RectFill.h"

#include "operations/PixelTraits.h"

Rect rectFill(DIBImage& image, const Rect& rect, ColorRef c)
{
    Rect area = rect.intersected(image.bounds());
    if (area.isEmpty())
        return area;
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        // The first row is filled once; the others are byte copies of it.
        uint8_t* first = Pixels::at(image.row(area.top), area.left);
        image.fillRun(first, c, area.width());
        for (int32_t y = area.top + 1; y < area.bottom; ++y)
            std::memcpy(Pixels::at(image.row(y), area.left), first, Pixels::size * size_t(area.width()));
    });
    return area;
}
