#include "document/PositionUndo.h"

#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionRecord.h"

void PositionUndo::undoAction()
{
    std::shared_ptr<SelectionRecord> record = m_record.lock();
    if (record && record == m_document.selection())
        m_document.selectionPlug().shift(m_offset);
}
