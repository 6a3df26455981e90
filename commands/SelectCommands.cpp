#include "commands/CommandGroup.h"
#include "document/BitmapDocument.h"
#include "document/SelectionCommands.h"
#include "resources/CommandIds.h"

namespace {

// Each commits the selection first; none acts while an interactive mode holds the picture.
bool select(BitmapDocument& document, uint32_t id, Window*)
{
    if (document.isInteractive())
        return true;
    switch (id) {
    case commands::selectAll: selectionCommands::selectAll(document); break;
    case commands::selectNone: selectionCommands::selectNone(document); break;
    default: selectionCommands::invert(document); break;
    }
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::selectAll, select},
    {commands::selectNone, select},
    {commands::invertSelection, select},
};

constexpr CommandGroup::ItemRule rules[] = {
    {commands::selectAll, EnableRule::notInteractive},
    {commands::selectNone, EnableRule::selection},
    {commands::invertSelection, EnableRule::selection},
};

} // namespace

const CommandGroup selectCommands{handlers, rules};
