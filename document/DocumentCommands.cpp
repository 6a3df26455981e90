#include "document/DocumentCommands.h"

#include "document/BitmapDocument.h"
#include "document/UndoRecord.h"
#include "framework/Clipboard.h"
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

namespace {

// When a document's menu item is enabled.
enum class Rule { always, notInteractive, modified, fileAndModified, ownsUndo, selection, indexedSelection, indexed, paste };

struct ItemRule {
    uint32_t id;
    Rule rule;
};

constexpr ItemRule itemRules[] = {
    {102, Rule::notInteractive}, {103, Rule::modified},   {104, Rule::notInteractive}, {105, Rule::fileAndModified},
    {106, Rule::always},         {107, Rule::always},     {108, Rule::always},         {200, Rule::ownsUndo},
    {201, Rule::selection},      {202, Rule::selection},  {203, Rule::paste},          {207, Rule::always},
    {204, Rule::selection},      {205, Rule::selection},  {206, Rule::selection},      {300, Rule::indexedSelection},
    {302, Rule::indexedSelection}, {303, Rule::indexedSelection}, {304, Rule::selection}, {305, Rule::selection},
    {306, Rule::selection},      {307, Rule::selection},  {308, Rule::selection},      {309, Rule::selection},
    {311, Rule::selection},      {313, Rule::selection},  {314, Rule::selection},      {315, Rule::always},
    {316, Rule::always},         {317, Rule::notInteractive}, {400, Rule::notInteractive}, {401, Rule::selection},
    {402, Rule::selection},      {500, Rule::indexed},    {501, Rule::indexed},        {502, Rule::indexed},
    {503, Rule::indexed},        {506, Rule::indexed},    {504, Rule::always},         {608, Rule::always},
};

} // namespace

void DocumentCommands::menuOpening(MenuState& popup)
{
    // FIXME: selections and the interactive modes (transform, crop, replacement preview) come with
    // their tools; until then a document has neither.
    const bool interactive = false;
    const bool selection = false;
    const bool indexed = !m_document.isFullColor();
    for (const ItemRule& item : itemRules) {
        bool enabled = true;
        switch (item.rule) {
        case Rule::always: break;
        case Rule::notInteractive: enabled = !interactive; break;
        case Rule::modified: enabled = m_document.isModified() && !interactive; break;
        case Rule::fileAndModified: enabled = m_document.file() && m_document.isModified() && !interactive; break;
        case Rule::ownsUndo: enabled = UndoRecord::instance().canUndo(&m_document) && !interactive; break;
        case Rule::selection: enabled = selection && !interactive; break;
        case Rule::indexedSelection: enabled = selection && indexed && !interactive; break;
        case Rule::indexed: enabled = indexed; break;
        case Rule::paste: enabled = !interactive && clipboard::holdsImage(); break;
        }
        popup.enable(item.id, enabled);
    }
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
    return runDialog(DocumentDialogs::installed().blockSize);
}

bool DocumentCommands::meshSize(uint32_t, Window*)
{
    return runDialog(DocumentDialogs::installed().meshSize);
}

bool DocumentCommands::meshColor(uint32_t, Window*)
{
    return runDialog(DocumentDialogs::installed().meshColor);
}

// The command is the document's even when no dialog is installed for it: it goes no further.
bool DocumentCommands::runDialog(const DocumentDialogs::Run& dialog)
{
    if (dialog)
        dialog(m_document);
    return true;
}
