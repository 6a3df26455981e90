#include "document/CanvasUndo.h"

#include "document/BitmapDocument.h"
#include "pixels/DIBImage.h"

void CanvasUndo::undoAction()
{
    std::shared_ptr<DIBImage> present = m_document.replaceImage(std::move(m_image));
    UndoRecord::instance().addUndo(&m_document, std::make_unique<CanvasUndo>(m_document, std::move(present)));
}
