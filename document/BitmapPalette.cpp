#include "document/BitmapPalette.h"

#include "core/Aspects.h"
#include "document/BitmapDocument.h"

// A palette still being read from a file is not yet the document's and keeps its changes to itself.
void BitmapPalette::changed()
{
    updatePlatformPalette();
    bool current = m_document.palette() == this;
    if (current)
        m_document.changed(&aspects::BitmapPalette::access);
    Model::changed(&aspects::PaletteModel::access);
    if (current)
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
