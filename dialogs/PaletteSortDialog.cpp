#include "dialogs/PaletteSortDialog.h"

#include "document/BitmapDocument.h"
#include "document/PaletteSession.h"
#include "document/PaletteSort.h"
#include "panels/PaletteGridDialog.h"

bool runPaletteSortDialog(BitmapDocument& document)
{
    if (!document.palette() || document.isFullColor())
        return false;
    PaletteSession session(document, PaletteSession::Scope::paletteAndImage);
    PaletteSortSelection selection(document);
    {
        PaletteGridDialog dialog("PALETTE_SORT_DIALOG", selection, true);
        if (dialog.runModal() != okButtonId) {
            session.restore();
            return false;
        }
    }
    session.keep();
    return true;
}
