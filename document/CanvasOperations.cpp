#include "document/CanvasOperations.h"

#include "document/BitmapDocument.h"
#include "document/DocumentLifecycle.h"
#include "document/UndoRecord.h"
#include "pixels/DIBImage.h"

#include <memory>

namespace {

// Puts the other canvas back, keeping the present one for the inverse step.
class CanvasUndo : public UndoAction {
public:
    CanvasUndo(BitmapDocument& document, std::shared_ptr<DIBImage> image)
        : m_document(document), m_image(std::move(image))
    {
    }
    void undoAction() override
    {
        std::shared_ptr<DIBImage> present = m_document.replaceImage(std::move(m_image));
        UndoRecord::instance().addUndo(&m_document, std::make_unique<CanvasUndo>(m_document, std::move(present)));
    }

private:
    BitmapDocument& m_document;
    std::shared_ptr<DIBImage> m_image;
};

} // namespace

// FIXME: the animation frame size is cut to the new canvas once the document has an animation model.
void resizeCanvas(BitmapDocument& document, const Rect& rect)
{
    // Committed before the step begins, so that the step holds the canvas alone and its Undo does
    // not bring back pixels of a selection that no longer floats.
    document.commitSelection();
    std::shared_ptr<DIBImage> image = document.copyArea(rect);
    UndoRecord::instance().beginUndo(&document);
    std::shared_ptr<DIBImage> old = document.replaceImage(std::move(image));
    UndoRecord::instance().addUndo(&document, std::make_unique<CanvasUndo>(document, std::move(old)));
}

// FIXME: the animation frame size (the smaller of the source's and the new picture's) joins with
// the animation model.
BitmapDocument* newDocumentFrom(const BitmapDocument& document, const Rect& rect)
{
    return lifecycle::openNewDocument(
        [&](BitmapDocument& copy) { copy.duplicate(document, rect, lifecycle::takeUntitledTitle()); });
}
