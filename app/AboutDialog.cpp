#include "app/AboutDialog.h"

#include "framework/Dialog.h"

namespace {

// The label that shows the version; the template leaves it empty.
constexpr int versionLabel = 100;

} // namespace

std::string programVersion()
{
    return TILVANER_VERSION;
}

void runAboutDialog()
{
    Dialog dialog("ABOUT_DIALOG");
    dialog.control(versionLabel)->setText("バージョン " + programVersion());
    dialog.runModal();
}
