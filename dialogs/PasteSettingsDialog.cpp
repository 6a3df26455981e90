#include "dialogs/PasteSettingsDialog.h"

#include "core/Aspects.h"
#include "core/BoundIntValue.h"
#include "document/BitmapDocument.h"
#include "framework/Dialog.h"
#include "framework/RadioGroup.h"

#include <memory>
#include <vector>

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
        DialogPage& page = dialog.page();
        std::vector<DialogControl*> buttons;
        for (int i = 0; i < modeCount; ++i)
            buttons.push_back(page.control(firstModeButton + i));
        page.adopt(std::make_unique<RadioGroup>(
            std::move(buttons), *new BoundIntValue(&mode, NumericField{firstModeButton, 0, modeCount - 1}),
            &aspects::IntValue::access));
        if (dialog.runModal() != okButtonId)
            return false;
    }
    document.setPasteMode(mode);
    return true;
}
