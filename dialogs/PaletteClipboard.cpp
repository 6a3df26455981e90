#include "dialogs/PaletteClipboard.h"

#include "framework/Clipboard.h"
#include "palette/PaletteClipboardLayout.h"
#include "palette/PaletteEdit.h"
#include "palette/PalettePaste.h"
#include "panels/PaletteGridDialog.h"

void copyPaletteColors(const PaletteEdit& edit)
{
    if (edit.count() == 0)
        return;
    clipboard::publish(
        paletteClipboard::clipboardItems(paletteClipboard::copyOfEntries(edit.colors(), edit.entries())));
}

void pastePaletteColors(PaletteEdit& edit)
{
    clipboard::Bytes object = clipboard::bytesOf(paletteClipboard::paletteObjectType);
    std::vector<ColorRef> colors = paletteClipboard::colorsOfPaletteObject(object.span());
    if (colors.empty())
        return;
    clipboard::Bytes order = clipboard::bytesOf(paletteClipboard::paletteOrderType);
    std::vector<uint8_t> offsets = paletteClipboard::pasteOffsets(colors.size(), order.span());
    PalettePaste paste(edit.colors(), std::move(colors), std::move(offsets));
    edit.colorsChanged();
    PaletteGridDialog dialog("PALETTE_PASTE_DIALOG", paste, false);
    dialog.openAtDefaultPlace();
    if (dialog.runModal() != okButtonId)
        edit.colors().restore(paste.snapshot());
    edit.colorsChanged();
}
