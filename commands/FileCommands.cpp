#include "commands/FileCommands.h"

#include "base/Alert.h"
#include "commands/CommandGroup.h"
#include "commands/SaveAsDialog.h"
#include "document/BitmapDocument.h"
#include "document/DocumentLifecycle.h"
#include "framework/FileDialogs.h"
#include "framework/Window.h"
#include "resources/CommandIds.h"
#include "resources/StringTable.h"

BitmapDocument* openDocument()
{
    FileDialogRequest request{"", std::string(loadString(strings::openFilters)), 1, "bmp", ""};
    std::optional<std::string> path = chooseOpenFile(request);
    return path ? lifecycle::openFile(*path) : nullptr;
}

namespace {

bool close(BitmapDocument&, uint32_t, Window* from)
{
    // A close request to the window the command came from: it asks the document itself.
    if (from)
        from->close();
    return true;
}

bool saveAs(BitmapDocument& document, uint32_t, Window*)
{
    if (std::optional<SaveTarget> target = chooseSaveTarget(document))
        document.saveAs(*target);
    return true;
}

// An untitled picture is saved as Save As saves it.
bool save(BitmapDocument& document, uint32_t id, Window* from)
{
    if (!document.file())
        return saveAs(document, id, from);
    document.save();
    return true;
}

bool revert(BitmapDocument& document, uint32_t, Window*)
{
    if (document.canRevert() && alert(messages::revert, alertFlags::yesNo) == alertAnswer::yes)
        document.revert();
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::close, close},
    {commands::save, save},
    {commands::saveAs, saveAs},
    {commands::revert, revert},
};

constexpr CommandGroup::ItemRule rules[] = {
    {commands::close, EnableRule::notInteractive},  {commands::save, EnableRule::modified},
    {commands::saveAs, EnableRule::notInteractive}, {commands::revert, EnableRule::fileAndModified},
    {commands::readSetFile, EnableRule::always},    {commands::writeSetFile, EnableRule::always},
    {commands::writeSetFileAs, EnableRule::always},
};

} // namespace

const CommandGroup fileCommands{handlers, rules};
