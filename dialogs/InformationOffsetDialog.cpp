#include "dialogs/InformationOffsetDialog.h"

#include "core/BoundIntValue.h"
#include "dialogs/RadioButtons.h"
#include "document/BitmapDocument.h"
#include "framework/Dialog.h"
#include "framework/EditField.h"

namespace {

// "↓" first: button 103 is y growing downwards (0), 104 upwards (1).
constexpr int firstDirectionButton = 103;
constexpr int directionCount = 2;

} // namespace

bool runInformationOffsetDialog(BitmapDocument& document)
{
    // The controls write into these copies, so that Cancel leaves the document untouched.
    InformationPlug& plug = document.information();
    Point offset = plug.offset();
    int32_t up = plug.yUp() ? 1 : 0;
    {
        Dialog dialog("INFO_OFFSET_DIALOG");
        DialogPage& page = dialog.page();
        page.bind<EditField>(101, *new BoundIntValue(&offset.x, NumericField{101, 0, InformationPlug::maxOffset}));
        page.bind<EditField>(102, *new BoundIntValue(&offset.y, NumericField{102, 0, InformationPlug::maxOffset}));
        bindRadioButtons(page, firstDirectionButton, directionCount, up);
        if (dialog.runModal() != okButtonId)
            return false;
    }
    plug.setOffset(offset, up == 1);
    return true;
}
