#include "document/PaletteSession.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/CanvasUndo.h"
#include "document/PaletteUndo.h"
#include "document/UndoRecord.h"
#include "pixels/DIBImage.h"

PaletteSession::PaletteSession(BitmapDocument& document, Scope scope) : m_document(document)
{
    if (scope == Scope::paletteAndImage) {
        document.commitSelection();
        m_image = document.image()->duplicate();
    }
    // After the selection went down, which stays down whatever the command's end.
    m_wasModified = document.isModified();
    if (BitmapPalette* palette = document.palette())
        m_colors = palette->snapshot().value_or(PaletteModel::Snapshot{});
}

PaletteSession::~PaletteSession()
{
    if (m_ended)
        return;
    // Left by an error, which goes on to its handler: a second one while putting things back must
    // not end the program.
    try {
        restore();
    } catch (...) {
    }
}

void PaletteSession::keep()
{
    m_ended = true;
    BitmapPalette* palette = m_document.palette();
    bool colorsChanged = palette && palette->snapshot().value_or(PaletteModel::Snapshot{}) != m_colors;
    bool pixelsChanged = m_image && !m_image->samePixels(*m_document.image());
    if (!colorsChanged && !pixelsChanged) {
        // A sort dragged there and back renumbered the dots twice and changed nothing.
        m_document.setModified(m_wasModified);
        return;
    }
    UndoRecord& undo = UndoRecord::instance();
    undo.beginUndo(&m_document);
    if (m_image)
        undo.addUndo(&m_document, std::make_unique<CanvasUndo>(m_document, std::move(m_image)));
    undo.addUndo(&m_document, std::make_unique<PaletteUndo>(m_document, m_colors));
    m_document.setModified(true);
}

void PaletteSession::restore()
{
    m_ended = true;
    if (m_image)
        m_document.replaceImage(std::move(m_image));
    if (BitmapPalette* palette = m_document.palette())
        palette->restore(m_colors);
    m_document.setModified(m_wasModified);
}
