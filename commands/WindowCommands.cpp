#include "commands/CommandGroup.h"
#include "dialogs/MeshDialogs.h"
#include "resources/CommandIds.h"

namespace {

bool meshSize(BitmapDocument& document, uint32_t, Window*)
{
    runMeshSizeDialog(document);
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::meshSize, meshSize},
};

constexpr CommandGroup::ItemRule rules[] = {
    {commands::meshSize, EnableRule::always},
};

} // namespace

const CommandGroup windowCommands{handlers, rules};
