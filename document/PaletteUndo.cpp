#include "document/PaletteUndo.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"

void PaletteUndo::undoAction()
{
    m_document.savePaletteForUndo();
    if (BitmapPalette* palette = m_document.palette())
        palette->restore(m_colors);
}
