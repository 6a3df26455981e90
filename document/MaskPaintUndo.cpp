#include "document/MaskPaintUndo.h"

#include "document/BitmapDocument.h"
#include "pixels/MaskImage.h"

void MaskPaintUndo::undoAction()
{
    UndoRecord::instance().addUndo(&m_document,
                                   std::make_unique<MaskPaintUndo>(m_document, m_mask, m_origin, m_inverse, m_paint));
    m_document.fillMask(*m_mask, m_origin, m_paint.color, m_paint.tone ? &*m_paint.tone : nullptr);
}
