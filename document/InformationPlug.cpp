#include "document/InformationPlug.h"

#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"

#include <algorithm>

namespace {

Point heldInRange(Point p)
{
    return {std::clamp(p.x, 0, InformationPlug::maxOffset), std::clamp(p.y, 0, InformationPlug::maxOffset)};
}

} // namespace

InformationPlug::InformationPlug(BitmapDocument& document, Point offset, bool yUp)
    : m_document(document), m_offset(heldInRange(offset)), m_yUp(yUp)
{
}

void InformationPlug::setOffset(Point offset, bool yUp)
{
    offset = heldInRange(offset);
    if (offset == m_offset && yUp == m_yUp)
        return;
    m_offset = offset;
    m_yUp = yUp;
    m_document.setModified(true);
    m_document.changed(&aspects::InformationPlug::access);
}

int InformationPlug::channelBits() const
{
    const BitmapPalette* palette = m_document.palette();
    return palette ? palette->precision() : 8;
}

Point InformationPlug::displayed(Point dot) const
{
    return {dot.x - m_offset.x, m_yUp ? m_offset.y - dot.y : dot.y - m_offset.y};
}

ColorRef InformationPlug::rgbOf(ColorRef color) const
{
    const BitmapPalette* palette = m_document.palette();
    if (!palette || !isPaletteIndex(color))
        return color;
    return palette->colorAt(palette->indexOfColorRef(color));
}
