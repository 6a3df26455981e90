#include "document/BitmapSelectionPlug.h"

#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/PositionUndo.h"
#include "document/SelectionRecord.h"
#include "document/SelectionUndo.h"
#include "document/UndoRecord.h"
#include "operations/FloatingComposite.h"
#include "pixels/MaskImage.h"

namespace {

// The mask that decides where the floating image shows: the region itself in mode 1, the
// transparency mask otherwise.
std::shared_ptr<MaskImage> opaqueMask(const SelectionRecord& record)
{
    if (record.pasteMode == pasteModes::everything || !record.transparencyMask)
        return record.region.toMask();
    return record.transparencyMask;
}

// The record's own pixels back in its floating image, so that another mode can composite them.
void putBackOwnPixels(SelectionRecord& record)
{
    if (record.ownPixels) {
        record.floatingImage = std::move(record.ownPixels);
        record.ownPixels.reset();
    } else if (record.pasteMode == pasteModes::backgroundTransparent && record.transparencyMask) {
        putBackTransparent(*record.floatingImage, *record.region.toMask(), *record.transparencyMask,
                           record.transparentColor);
    }
}

std::shared_ptr<SelectionRecord> copyOf(const SelectionRecord& record)
{
    auto copy = std::make_shared<SelectionRecord>(record);
    if (record.floatingImage)
        copy->floatingImage = record.floatingImage->duplicate();
    if (record.ownPixels)
        copy->ownPixels = record.ownPixels->duplicate();
    return copy;
}

} // namespace

void BitmapSelectionPlug::setSelection(std::shared_ptr<SelectionRecord> record)
{
    if (record)
        record->pasteMode = m_document.pasteMode();
    restore(std::move(record));
}

void BitmapSelectionPlug::restore(std::shared_ptr<SelectionRecord> record)
{
    UndoRecord::instance().addUndo(&m_document, std::make_unique<SelectionUndo>(m_document, m_selection));
    m_selection = std::move(record);
    if (m_selection) {
        if (m_selection->floatingImage && !m_selection->transparencyMask)
            m_selection->transparencyMask = transparencyMaskOf(
                *m_selection->floatingImage, *m_selection->region.toMask(), m_selection->transparentColor);
        m_document.keepPasteMode(m_selection->pasteMode);
        composite(m_selection->region.bounds());
        floatingChanged();
    }
    m_document.changed(&aspects::BitmapSelectionPlug::access);
}

void BitmapSelectionPlug::floatingChanged()
{
    // A save writes the floating image into the file, so a paste, a move or a mode change of it is
    // a change to save even though the picture's own dots are still as they were.
    if (m_selection->floatingImage)
        m_document.setModified(true);
}

void BitmapSelectionPlug::moveBy(Point offset, bool keepCopy)
{
    if (!m_selection || offset == Point{})
        return;
    if (!m_selection->region.intersectsRect(m_document.bounds().translated(-offset.x, -offset.y)))
        return;
    UndoRecord::instance().beginUndo(&m_document);
    if (!m_selection->floatingImage) {
        m_document.lift(keepCopy);
    } else if (keepCopy) {
        Rect place = m_selection->region.bounds();
        m_document.savePixelsForUndo(place);
        m_document.pasteImage(*m_selection->floatingImage, place.topLeft());
    }
    shift(offset);
}

void BitmapSelectionPlug::shift(Point offset)
{
    if (!m_selection)
        return;
    UndoRecord::instance().addUndo(
        &m_document, std::make_unique<PositionUndo>(m_document, m_selection, Point{-offset.x, -offset.y}));
    m_selection->region.offset(offset.x, offset.y);
    composite(m_selection->region.bounds());
    floatingChanged();
    m_document.changed(&aspects::BitmapSelectionPlug::access);
}

void BitmapSelectionPlug::commit()
{
    if (!m_selection)
        return;
    std::shared_ptr<SelectionRecord> record = m_selection;
    restore(nullptr);
    if (record->floatingImage) {
        Rect place = record->region.bounds();
        m_document.savePixelsForUndo(place);
        m_document.pasteImage(*record->floatingImage, place.topLeft());
    }
}

void BitmapSelectionPlug::changeMode(int32_t mode)
{
    if (!m_selection || m_selection->pasteMode == mode)
        return;
    std::shared_ptr<SelectionRecord> record = copyOf(*m_selection);
    if (record->floatingImage)
        putBackOwnPixels(*record);
    record->pasteMode = mode;
    restore(std::move(record));
}

void BitmapSelectionPlug::composite(const Rect& area)
{
    SelectionRecord* record = m_selection.get();
    if (!record || !record->floatingImage || !m_document.image() || area.intersected(record->region.bounds()).isEmpty())
        return;
    const bool behindOrInside = record->pasteMode == pasteModes::behind || record->pasteMode == pasteModes::inside;
    if (behindOrInside && !record->ownPixels)
        record->ownPixels = record->floatingImage->duplicate();
    const DIBImage& own = behindOrInside ? *record->ownPixels : *record->floatingImage;
    compositeFloating(*record->floatingImage, own, *opaqueMask(*record), *m_document.image(),
                      record->region.bounds().topLeft(), record->pasteMode, m_document.backgroundColor(), area);
}

std::shared_ptr<DIBImage> BitmapSelectionPlug::ownImage() const
{
    if (!m_selection || !m_selection->floatingImage)
        return nullptr;
    std::shared_ptr<SelectionRecord> record = copyOf(*m_selection);
    putBackOwnPixels(*record);
    return record->floatingImage;
}
