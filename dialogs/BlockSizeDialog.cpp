#include "dialogs/BlockSizeDialog.h"

#include "core/BoundIntValue.h"
#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "framework/Dialog.h"
#include "framework/EditField.h"

bool runBlockSizeDialog(BitmapDocument& document, NewParams& preferences)
{
    // The fields write into this copy, so that Cancel leaves the document untouched.
    Point size = document.blockSetting();
    {
        Dialog dialog("BLOCK_SIZE_DIALOG");
        dialog.page().bind<EditField>(101, *new BoundIntValue(&size.x, NumericField{101, 4, 999}));
        dialog.page().bind<EditField>(102, *new BoundIntValue(&size.y, NumericField{102, 4, 999}));
        if (dialog.runModal() != okButtonId)
            return false;
    }
    document.setBlockSize(size);
    preferences.blockSize.setPoint(size);
    return true;
}
