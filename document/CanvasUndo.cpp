#include "document/CanvasUndo.h"

#include "document/BitmapDocument.h"
#include "pixels/DIBImage.h"

void CanvasUndo::undoAction()
{
    std::optional<Point> presentFrame;
    if (m_frameSize)
        presentFrame = m_document.animation().size();
    std::shared_ptr<DIBImage> present = m_document.replaceImage(std::move(m_image));
    // After the picture, which the frame must fit.
    if (m_frameSize)
        m_document.animation().setSize(*m_frameSize);
    UndoRecord::instance().addUndo(&m_document,
                                   std::make_unique<CanvasUndo>(m_document, std::move(present), presentFrame));
}
