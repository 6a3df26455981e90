#include "document/OutlineShapes.h"

#include "document/BitmapDocument.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "operations/EdgeOutline.h"
#include "operations/FillMasks.h"
#include "operations/MaskFill.h"
#include "pixels/MaskImage.h"

#include <memory>
#include <optional>

namespace {

// Clears the dots of mask that inside does not have; both are of one size.
void keepInside(MaskImage& mask, const MaskImage& inside)
{
    size_t rowBytes = size_t(DIBImage::rowLength(1, mask.width()));
    for (int32_t y = 0; y < mask.height(); ++y) {
        uint8_t* bits = mask.row(y);
        const uint8_t* kept = inside.row(y);
        for (size_t i = 0; i < rowBytes; ++i)
            bits[i] &= kept[i];
    }
}

} // namespace

void outlineShapes(BitmapDocument& document, int width, bool corners)
{
    if (!document.selection())
        return;
    // The shapes are read from the picture, so a floating image goes into it first, in the same step.
    bool stepBegun = false;
    if (document.selection()->floatingImage) {
        UndoRecord::instance().beginUndo(&document);
        stepBegun = true;
        document.flatten();
    }
    std::shared_ptr<SelectionRecord> record = document.selection();
    Rect box = record->region.bounds();
    std::shared_ptr<MaskImage> ring;
    {
        // Dots of the selection beyond the picture are no shape: nothing there is read.
        std::shared_ptr<MaskImage> shapes = record->region.toMask();
        keepOtherColors(*shapes, box.topLeft(), *document.image(), document.backgroundColor());
        ring = outlineMask(*shapes, width, corners);
    }
    keepInside(*ring, *record->region.toMask());
    std::optional<ToneBytes> tone = document.tonePattern();
    const ToneBytes* through = tone ? &*tone : nullptr;
    if (!maskFillChanges(*document.image(), *ring, box.topLeft(), document.drawingColor(), through))
        return;
    if (!stepBegun)
        UndoRecord::instance().beginUndo(&document);
    document.savePixelsForUndo(box);
    document.fillMask(*ring, box.topLeft(), document.drawingColor(), through);
}
