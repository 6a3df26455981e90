#include "document/SelectionUndo.h"

#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"

void SelectionUndo::undoAction()
{
    m_document.selectionPlug().restore(m_record);
}
