#include "document/PixelsUndo.h"

#include "document/BitmapDocument.h"
#include "pixels/DIBImage.h"

void PixelsUndo::undoAction()
{
    m_document.savePixelsForUndo(Rect::fromSize(m_at, m_pixels->extent()));
    m_document.pasteImage(*m_pixels, m_at);
}
