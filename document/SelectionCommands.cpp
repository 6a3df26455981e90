#include "document/SelectionCommands.h"

#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "operations/InnerBorder.h"
#include "pixels/MaskImage.h"
#include "resources/CommandIds.h"

namespace selectionCommands {

namespace {

std::shared_ptr<SelectionRecord> plainSelection(const Region& region)
{
    auto record = std::make_shared<SelectionRecord>();
    record->region = region;
    return record;
}

} // namespace

void select(BitmapDocument& document, Region region)
{
    UndoRecord::instance().beginUndo(&document);
    document.commitSelection();
    selectRegion(document, std::move(region));
}

void fill(BitmapDocument& document, bool border)
{
    if (!document.selection())
        return;
    UndoRecord::instance().beginUndo(&document);
    document.flatten();
    const Region& region = document.selection()->region;
    if (region.isEmpty())
        return;
    Rect place = region.bounds();
    std::shared_ptr<MaskImage> mask = region.toMask();
    if (border)
        mask = innerBorder(*mask);
    document.savePixelsForUndo(place);
    std::optional<ToneBytes> tone = document.tonePattern();
    document.fillMask(*mask, place.topLeft(), document.drawingColor(), tone ? &*tone : nullptr);
}

void clear(BitmapDocument& document)
{
    std::shared_ptr<SelectionRecord> record = document.selection();
    if (!record)
        return;
    UndoRecord::instance().beginUndo(&document);
    if (record->floatingImage) {
        document.selectionPlug().setSelection(nullptr);
    } else if (!record->region.isEmpty()) {
        document.clearMask(record->region.toMask().get(), record->region.bounds().topLeft());
    }
}

void selectRegion(BitmapDocument& document, Region region)
{
    region.intersectRect(document.bounds());
    if (!region.isEmpty())
        document.selectionPlug().setSelection(plainSelection(region));
}

void selectAll(BitmapDocument& document)
{
    Region all;
    all.setRect(document.bounds());
    select(document, all);
}

void selectNone(BitmapDocument& document)
{
    if (!document.selection())
        return;
    UndoRecord::instance().beginUndo(&document);
    document.commitSelection();
}

void invert(BitmapDocument& document)
{
    std::shared_ptr<SelectionRecord> record = document.selection();
    if (!record)
        return;
    Region rest;
    rest.setRect(document.bounds());
    rest.subtract(record->region);
    select(document, rest);
}

} // namespace selectionCommands
