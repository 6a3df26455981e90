#include "document/PaletteSort.h"

#include "base/BusyPointer.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "palette/ColorMoves.h"

#include <array>

std::vector<int> sortPaletteEntries(BitmapDocument& document, std::span<const int> entries, int d)
{
    BitmapPalette* palette = document.palette();
    if (!palette || d == 0 || !landsInside(entries, d))
        return {entries.begin(), entries.end()};
    BusyScope busy;
    std::array<uint8_t, 256> remap;
    std::vector<int> moved = moveColors(*palette, entries, d, &remap);
    document.renumberPixels(remap);
    return moved;
}

PaletteSortSelection::PaletteSortSelection(BitmapDocument& document)
    : MultiColorSelectionModel(document.palette()), m_document(document)
{
}

void* PaletteSortSelection::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ColorSelectionModel::dragger)
        return offer<ColorDragger>(this);
    return MultiColorSelectionModel::valueFor(aspect);
}

void PaletteSortSelection::drop(int d, bool)
{
    selectEntries(sortPaletteEntries(m_document, entries(), d));
}
