#include "document/CanvasOperations.h"

#include "document/BitmapDocument.h"
#include "document/CanvasUndo.h"
#include "document/DocumentLifecycle.h"
#include "document/UndoRecord.h"
#include "pixels/DIBImage.h"

#include <memory>

namespace {

// The canvas's first dot on one axis, at the start (0), middle (1) or end (2) of the old side; the
// middle one truncates toward zero.
int32_t anchoredStart(int32_t oldSide, int32_t newSide, int32_t place)
{
    int32_t spare = oldSide - newSide;
    return place == 0 ? 0 : place == 1 ? spare / 2 : spare;
}

} // namespace

Rect canvasRect(Point oldSize, Point newSize, int32_t anchor)
{
    return Rect::fromSize(
        {anchoredStart(oldSize.x, newSize.x, anchor % 3), anchoredStart(oldSize.y, newSize.y, anchor / 3)}, newSize);
}

void resizeCanvas(BitmapDocument& document, const Rect& rect)
{
    // Committed before the step begins, so that the step holds the canvas alone and its Undo does
    // not bring back pixels of a selection that no longer floats.
    document.commitSelection();
    std::shared_ptr<DIBImage> image = document.copyArea(rect);
    UndoRecord::instance().beginUndo(&document);
    Point frameSize = document.animation().size();
    std::shared_ptr<DIBImage> old = document.replaceImage(std::move(image));
    UndoRecord::instance().addUndo(&document, std::make_unique<CanvasUndo>(document, std::move(old), frameSize));
}

BitmapDocument* newDocumentFrom(const BitmapDocument& document, const Rect& rect)
{
    return lifecycle::openNewDocument(
        [&](BitmapDocument& copy) { copy.duplicate(document, rect, lifecycle::takeUntitledTitle()); });
}
