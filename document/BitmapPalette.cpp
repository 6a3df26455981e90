#include "document/BitmapPalette.h"

#include "core/Aspects.h"
#include "document/BitmapDocument.h"

void BitmapPalette::changed()
{
    updatePlatformPalette();
    m_document.changed(&aspects::BitmapPalette::access);
    Model::changed(&aspects::PaletteModel::access);
    m_document.paletteChanged();
}

void* BitmapPalette::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapPalette::access)
        return offer<BitmapPalette>(this);
    return PaletteModel::valueFor(aspect);
}

void BitmapPalette::stepDrawingIndex(int delta)
{
    int index = indexOfColorRef(m_document.drawingColor()) + delta;
    if (index >= 0 && index < size)
        m_document.setDrawingColor(paletteIndex(uint8_t(index)));
}

void BitmapPalette::stepDrawingRow(int k)
{
    int index = indexOfColorRef(m_document.drawingColor()) + 16 * k;
    m_document.setDrawingColor(paletteIndex(uint8_t(index & 0xFF)));
}
