#include "document/ColorReplacement.h"

#include "base/BusyPointer.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/PixelsUndo.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "operations/FillMasks.h"
#include "palette/ColorMoves.h"
#include "pixels/DIBImage.h"
#include "pixels/MaskImage.h"

#include <vector>

namespace {

// The mask of an indexed picture's selection, after a floating image went down in the step begun
// here; null, and no step, for a picture the replacements leave alone.
std::shared_ptr<MaskImage> beginReplacement(BitmapDocument& document, Point& origin)
{
    if (!document.selection() || !document.palette() || document.isFullColor())
        return nullptr;
    UndoRecord::instance().beginUndo(&document);
    document.flatten();
    const Region& region = document.selection()->region;
    origin = region.bounds().topLeft();
    return region.toMask();
}

// Keeps the mask's dots whose stored entry is one of the targets, which are colour numbers.
void keepTargets(const BitmapDocument& document, MaskImage& mask, Point origin, std::span<const int> targets)
{
    // The bucket's border pass keeps the dots that are not borders: the targets' complement.
    BorderFlags others;
    others.fill(true);
    for (int target : targets)
        others[size_t(document.palette()->entryOf(target))] = false;
    keepInsideBorders(mask, origin, *document.image(), others);
}

} // namespace

void replaceColors(BitmapDocument& document, std::span<const int> targets, std::span<const int> results)
{
    if (results.empty())
        return;
    Point origin;
    std::shared_ptr<MaskImage> mask = beginReplacement(document, origin);
    if (!mask)
        return;
    keepTargets(document, *mask, origin, targets);
    document.savePixelsForUndo(Rect::fromSize(origin, mask->extent()));
    ColorRef first = paletteIndex(uint8_t(results[0]));
    if (results.size() == 1)
        document.fillMask(*mask, origin, first, nullptr);
    else
        document.fillChecker(*mask, origin, first, paletteIndex(uint8_t(results[1])));
}

void assignPaletteRow(BitmapDocument& document, int rowStart)
{
    Point origin;
    std::shared_ptr<MaskImage> mask = beginReplacement(document, origin);
    if (!mask)
        return;
    document.savePixelsForUndo(Rect::fromSize(origin, mask->extent()));
    // One pass through one table does what sixteen fills, one per column, would.
    const BitmapPalette& palette = *document.palette();
    std::array<uint8_t, 256> table;
    for (int c = 0; c < 256; ++c)
        table[size_t(palette.entryOf(c))] = uint8_t(palette.entryOf((rowStart & 0xF0) + c % 16));
    document.renumberPixelsUnder(*mask, origin, table);
}

ReplacementPreview::ReplacementPreview(BitmapDocument& document)
    : MultiColorSelectionModel(document.palette()), m_document(document), m_wasModified(document.isModified())
{
    if (!document.selection() || !document.palette() || document.isFullColor())
        return;
    if (document.selection()->floatingImage) {
        UndoRecord::instance().beginUndo(&document);
        m_stepBegun = true;
        document.flatten();
    }
    m_wasModified = document.isModified();
    const Region& region = document.selection()->region;
    m_origin = region.bounds().topLeft();
    m_mask = region.toMask();
    Rect area = region.bounds().intersected(document.bounds());
    if (area.isEmpty())
        return;
    m_saved = document.image()->copyOfArea(area);
    m_savedAt = area.topLeft();
}

ReplacementPreview::~ReplacementPreview()
{
    if (m_ended)
        return;
    // Left by an error, which goes on to its handler: a second one here must not end the program.
    try {
        restore();
    } catch (...) {
    }
}

void* ReplacementPreview::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ColorSelectionModel::dragger)
        return offer<ColorDragger>(this);
    return MultiColorSelectionModel::valueFor(aspect);
}

void ReplacementPreview::drop(int d, bool ctrl)
{
    std::vector<int> selected = entries();
    if (!m_mask || d == 0 || !landsInside(selected, d))
        return;
    {
        BusyScope busy;
        m_document.renumberPixelsUnder(*m_mask, m_origin, replacementTable(selected, d, ctrl));
    }
    for (int& e : selected)
        e += d;
    selectEntries(selected);
}

void ReplacementPreview::keep()
{
    if (!m_saved) {
        m_ended = true;
        return;
    }
    std::shared_ptr<DIBImage> now = m_document.image()->copyOfArea(Rect::fromSize(m_savedAt, m_saved->extent()));
    if (now->samePixels(*m_saved)) {
        // Dragged there and back: nothing to undo.
        m_ended = true;
        m_document.setModified(m_wasModified);
        return;
    }
    UndoRecord& undo = UndoRecord::instance();
    if (!m_stepBegun)
        undo.beginUndo(&m_document);
    // Until the step holds the saved pixels, a failure puts them back.
    undo.addUndo(&m_document, std::make_unique<PixelsUndo>(m_document, m_saved, m_savedAt));
    m_ended = true;
}

void ReplacementPreview::restore()
{
    m_ended = true;
    if (m_saved)
        m_document.pasteImage(*m_saved, m_savedAt);
    m_document.setModified(m_wasModified);
}
