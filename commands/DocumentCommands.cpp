#include "commands/DocumentCommands.h"

#include "commands/CommandGroup.h"
#include "document/BitmapDocument.h"
#include "document/UndoRecord.h"
#include "framework/Clipboard.h"
#include "framework/MenuState.h"

namespace {

const CommandGroup* const groups[] = {&fileCommands,   &editCommands,    &imageCommands,
                                      &selectCommands, &paletteCommands, &windowCommands};

} // namespace

bool DocumentCommands::command(uint32_t id, Window* from)
{
    for (const CommandGroup* group : groups)
        for (const CommandGroup::Handler& handler : group->handlers)
            if (handler.id == id)
                return handler.run(m_document, id, from);
    return false;
}

bool DocumentCommands::isEnabled(EnableRule rule) const
{
    const bool interactive = m_document.isInteractive();
    const bool selection = m_document.selection() != nullptr;
    const bool indexed = !m_document.isFullColor();
    switch (rule) {
    case EnableRule::always: return true;
    case EnableRule::notInteractive: return !interactive;
    case EnableRule::modified: return m_document.isModified() && !interactive;
    case EnableRule::fileAndModified: return m_document.file() && m_document.isModified() && !interactive;
    case EnableRule::ownsUndo: return UndoRecord::instance().canUndo(&m_document) && !interactive;
    case EnableRule::selection: return selection && !interactive;
    case EnableRule::indexedSelection: return selection && indexed && !interactive;
    case EnableRule::indexed: return indexed;
    case EnableRule::paste: return !interactive && clipboard::holdsImage();
    }
    return true;
}

void DocumentCommands::menuOpening(MenuState& popup)
{
    for (const CommandGroup* group : groups)
        for (const CommandGroup::ItemRule& item : group->rules)
            popup.enable(item.id, isEnabled(item.rule));
}
