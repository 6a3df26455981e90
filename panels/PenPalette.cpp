#include "panels/PenPalette.h"

#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"

PenPalette::PenPalette() = default;

void PenPalette::setDocument(BitmapDocument* document)
{
    setModel(document);
}

BitmapDocument* PenPalette::document() const
{
    return interfaceFor(model(), &aspects::BitmapDocument::access);
}

BitmapPalette* PenPalette::palette() const
{
    BitmapDocument* picture = document();
    return picture ? picture->palette() : nullptr;
}

int PenPalette::drawingEntry() const
{
    BitmapPalette* colors = palette();
    return colors ? colors->indexOfColorRef(document()->drawingColor()) : -1;
}

void* PenPalette::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::PenPalette::matrixSelection)
        return offer<SelectionInterface>(&m_matrix);
    if (aspect == &aspects::PenPalette::paletteSelection)
        return offer<SelectionInterface>(&m_row);
    if (aspect == &aspects::PenPalette::colorSelection)
        return offer<SelectionInterface>(&m_column);
    return Model::valueFor(aspect);
}

void PenPalette::update()
{
    Model::changed();
}

void PenPalette::afterModelReleased()
{
    Model::changed();
}

void PenPalette::update(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapDocument::drawingColor) {
        Model::changed(&aspects::PenPalette::matrixSelection);
        Model::changed(&aspects::PenPalette::paletteSelection);
        Model::changed(&aspects::PenPalette::colorSelection);
    } else if (aspect == &aspects::BitmapPalette::access) {
        Model::changed(aspect);
    }
}

void PenPalette::choose(int32_t entry, bool background)
{
    BitmapPalette* colors = palette();
    if (!colors || entry < 0 || entry >= BitmapPalette::size)
        return;
    ColorRef color = paletteIndex(uint8_t(colors->entryOf(entry)));
    if (background)
        document()->setBackgroundColor(color);
    else
        document()->setDrawingColor(color);
}

int32_t PenPalette::Selection::selection() const
{
    int entry = m_owner.drawingEntry();
    if (entry < 0)
        return -1;
    switch (m_part) {
    case Part::matrix: return entry;
    case Part::row: return entry >> 4;
    case Part::column: return entry & 0x0F;
    }
    return -1;
}

void PenPalette::Selection::select(int32_t n, bool shift)
{
    int entry = m_owner.drawingEntry();
    if (entry < 0 || n < 0 || n >= BitmapPalette::size)
        return;
    switch (m_part) {
    case Part::matrix: m_owner.choose(n, shift); break;
    case Part::row: m_owner.choose((entry & 0x0F) + n * 16, false); break;
    case Part::column: m_owner.choose(n + (entry & 0xF0), shift); break;
    }
}
