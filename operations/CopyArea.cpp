#include "operations/CopyArea.h"

#include "operations/ImagePaste.h"
#include "pixels/DIBImage.h"

std::shared_ptr<DIBImage> copyArea(const DIBImage& source, const Rect& rect, ColorRef background)
{
    std::shared_ptr<DIBImage> area = source.newOfSameKind();
    area->create({rect.width(), rect.height()});
    // A rectangle inside the picture is wholly overwritten by the copy, so only others need the fill.
    if (rect.intersected(source.bounds()) != rect)
        for (int32_t y = 0; y < area->height(); ++y)
            area->fillRun(area->row(y), background, area->width());
    imagePaste(*area, source, {-rect.left, -rect.top});
    return area;
}
