#include "document/Pen.h"

#include "core/Aspects.h"
#include "pixels/MaskImage.h"
#include "resources/Bitmaps.h"

ToneBytes toneFromResource(int id)
{
    ToneBytes tone{};
    const BitmapResource* bitmap = findBitmap(id);
    if (!bitmap || bitmap->depth != 1 || bitmap->width < 8 || bitmap->height < 8)
        return tone;
    for (size_t y = 0; y < tone.size(); ++y)
        tone[y] = bitmap->rows[y * size_t(bitmap->rowLength())];
    return tone;
}

Pen::Pen() = default;
Pen::~Pen() = default;

void Pen::setFootprint(std::shared_ptr<MaskImage> footprint)
{
    m_footprint = std::move(footprint);
    m_hotspot = {-(m_footprint->width() / 2), -(m_footprint->height() / 2)};
}

void Pen::setFootprintFromResource(int id)
{
    setFootprint(MaskImage::maskFromResource(id));
}

void Pen::setSquare(int32_t w, int32_t h)
{
    auto footprint = MaskImage::newMask({w, h});
    footprint->clear(false);
    setFootprint(std::move(footprint));
}

void* Pen::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Pen::tone)
        return offer<ToneBytes>(&m_tone);
    return Model::valueFor(aspect);
}
