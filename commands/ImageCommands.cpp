#include "commands/CommandGroup.h"
#include "dialogs/BlockSizeDialog.h"
#include "document/NewParams.h"
#include "resources/CommandIds.h"

namespace {

bool blockSize(BitmapDocument& document, uint32_t, Window*)
{
    runBlockSizeDialog(document, NewParams::current());
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::blockSize, blockSize},
};

constexpr CommandGroup::ItemRule rules[] = {
    {commands::simpleColorReplacement, EnableRule::indexedSelection},
    {commands::advancedColorReplacement, EnableRule::indexedSelection},
    {commands::paletteNumberReplacement, EnableRule::indexedSelection},
    {commands::flipHorizontally, EnableRule::selection},
    {commands::flipVertically, EnableRule::selection},
    {commands::flipBoth, EnableRule::selection},
    {commands::rotate180, EnableRule::selection},
    {commands::rotateClockwise, EnableRule::selection},
    {commands::rotateAnticlockwise, EnableRule::selection},
    {commands::rotateByNumber, EnableRule::selection},
    {commands::scaleByNumbers, EnableRule::selection},
    {commands::edgeOutline, EnableRule::selection},
    {commands::duplicate, EnableRule::always},
    {commands::blockSize, EnableRule::always},
    {commands::canvasSize, EnableRule::notInteractive},
};

} // namespace

const CommandGroup imageCommands{handlers, rules};
