#include "dialogs/PasteSettingsDialog.h"

#include "dialogs/RadioButtons.h"
#include "document/BitmapDocument.h"
#include "framework/Dialog.h"

namespace {

// The buttons of modes 0 to 3, in that order.
constexpr int firstModeButton = 100;
constexpr int modeCount = 4;

} // namespace

bool runPasteSettingsDialog(BitmapDocument& document)
{
    // The buttons write into this copy, so that Cancel leaves the document untouched.
    int32_t mode = document.pasteMode();
    {
        Dialog dialog("PASTE_PARAMS_DIALOG");
        bindRadioButtons(dialog.page(), firstModeButton, modeCount, mode);
        if (dialog.runModal() != okButtonId)
            return false;
    }
    document.setPasteMode(mode);
    return true;
}
