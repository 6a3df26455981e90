#include "document/BucketFill.h"

#include "base/Alert.h"
#include "base/ErrorFrame.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "operations/FillMasks.h"
#include "operations/MaskFill.h"
#include "operations/SeedFill.h"
#include "pixels/MaskImage.h"
#include "resources/StringTable.h"

#include <functional>
#include <optional>

namespace {

BucketClick clickAt(const BitmapDocument& document, Point p)
{
    if (!document.bounds().contains(p))
        return BucketClick::outsidePicture;
    if (std::shared_ptr<SelectionRecord> record = document.selection(); record && !record->region.contains(p))
        return BucketClick::outsideSelection;
    return BucketClick::onPicture;
}

// The fill both kinds share: the mask of the picture or of the selection (a floating image written
// into the picture first), narrowed by keep, seeded at p and painted as one undo step. A fill that
// would change nothing begins no step, so the last one can still be undone. When keep leaves only
// dots of one colour, areaColor, the undo repaints them with it instead of keeping a copy of every
// pixel the fill may change.
void fillFrom(BitmapDocument& document, Point p, std::optional<ColorRef> areaColor,
              const std::function<void(MaskImage&, Point origin)>& keep)
{
    std::shared_ptr<MaskImage> mask;
    Point origin{0, 0};
    bool stepBegun = false;
    if (std::shared_ptr<SelectionRecord> record = document.selection()) {
        if (record->floatingImage) {
            UndoRecord::instance().beginUndo(&document);
            stepBegun = true;
            document.flatten();
        }
        const Region& region = document.selection()->region;
        origin = region.bounds().topLeft();
        mask = region.toMask();
    } else {
        mask = MaskImage::newMask(document.image()->extent());
        mask->clear(true);
    }
    keep(*mask, origin);
    Point seed{p.x - origin.x, p.y - origin.y};
    // A dot that a transparent paste left showing the picture may not be of the clicked colour: a
    // fill from a 0 bit would spread over everything else.
    if (!mask->bounds().contains(seed) || !mask->isSet(seed))
        return;
    FilledArea area = seedFill(*mask, seed);
    if (!area.complete) {
        alert(messages::tooComplex, alertFlags::ok);
        raiseError(errorQuiet);
    }
    std::optional<ToneBytes> tone = document.tonePattern();
    const ToneBytes* through = tone ? &*tone : nullptr;
    if (area.bounds.isEmpty() ||
        !maskFillChanges(*document.image(), *area.dots, origin, document.drawingColor(), through))
        return;
    if (!stepBegun)
        UndoRecord::instance().beginUndo(&document);
    if (areaColor) {
        document.fillMaskOfColor(area.dots, origin, *areaColor, document.drawingColor(), through);
        return;
    }
    document.savePixelsForUndo(area.bounds.translated(origin.x, origin.y));
    document.fillMask(*area.dots, origin, document.drawingColor(), through);
}

} // namespace

BucketClick bucketFill(BitmapDocument& document, Point p)
{
    BucketClick click = clickAt(document, p);
    if (click != BucketClick::onPicture)
        return click;
    ColorRef target = document.pixelAt(p);
    if (target == document.drawingColor())
        return click;
    fillFrom(document, p, target,
             [&](MaskImage& mask, Point origin) { keepSameColor(mask, origin, *document.image(), target); });
    return click;
}

BucketClick borderFill(BitmapDocument& document, Point p)
{
    if (document.isFullColor())
        return bucketFill(document, p);
    BucketClick click = clickAt(document, p);
    if (click != BucketClick::onPicture)
        return click;
    BorderFlags borders{};
    for (uint8_t index : document.borderColors())
        borders[size_t(document.palette()->entryOf(index))] = true;
    if (borders[document.pixelAt(p) & 0xFF])
        return click;
    fillFrom(document, p, std::nullopt,
             [&](MaskImage& mask, Point origin) { keepInsideBorders(mask, origin, *document.image(), borders); });
    return click;
}
