#include "dialogs/ToneDialog.h"

#include "dialogs/ToneCells.h"
#include "document/BitmapDocument.h"
#include "framework/Dialog.h"

namespace {
constexpr int toneCellsId = 100;
}

bool runToneDialog(BitmapDocument& document)
{
    int chosen = 0;
    {
        Dialog dialog("TONE_DIALOG");
        ToneCells& cells = dialog.page().host<ToneCells>(toneCellsId, document.drawingTone());
        if (dialog.runModal() != okButtonId)
            return false;
        chosen = cells.selected();
    }
    document.setDrawingTone(chosen);
    return true;
}
