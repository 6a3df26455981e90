#include "document/DocumentCommands.h"

#include "document/BitmapDocument.h"
#include "document/BlockSizeDialog.h"
#include "document/MeshDialogs.h"
#include "document/NewParams.h"
#include "document/UndoRecord.h"
#include "framework/MenuState.h"
#include "framework/Window.h"

const CommandTable<DocumentCommands>& DocumentCommands::table()
{
    static const CommandTable<DocumentCommands> commands{
        {102, &DocumentCommands::close},
        {103, &DocumentCommands::save},
        {104, &DocumentCommands::saveAs},
        {105, &DocumentCommands::revert},
        {200, &DocumentCommands::undo},
        {316, &DocumentCommands::blockSize},
        {504, &DocumentCommands::meshColor},
        {608, &DocumentCommands::meshSize},
    };
    return commands;
}

bool DocumentCommands::command(uint32_t id, Window* from)
{
    return table().dispatch(*this, id, from);
}

void DocumentCommands::menuOpening(MenuState& popup)
{
    popup.enable(102, true);
    popup.enable(103, m_document.isModified());
    popup.enable(104, true);
    popup.enable(105, m_document.file().has_value() && m_document.isModified());
    popup.enable(200, UndoRecord::instance().canUndo(&m_document));
    for (uint32_t id : {316u, 504u, 608u})
        popup.enable(id, true);
}

bool DocumentCommands::close(uint32_t, Window* from)
{
    // A close request to the window the command came from: it asks the document itself.
    if (from)
        from->close();
    return true;
}

bool DocumentCommands::save(uint32_t, Window*)
{
    m_document.save();
    return true;
}

bool DocumentCommands::saveAs(uint32_t, Window*)
{
    m_document.saveAs();
    return true;
}

bool DocumentCommands::revert(uint32_t, Window*)
{
    m_document.revert();
    return true;
}

bool DocumentCommands::undo(uint32_t, Window*)
{
    m_document.undo();
    return true;
}

bool DocumentCommands::blockSize(uint32_t, Window*)
{
    runBlockSizeDialog(m_document, NewParams::current());
    return true;
}

bool DocumentCommands::meshSize(uint32_t, Window*)
{
    runMeshSizeDialog(m_document);
    return true;
}

bool DocumentCommands::meshColor(uint32_t, Window*)
{
    runMeshColorDialog(m_document);
    return true;
}
