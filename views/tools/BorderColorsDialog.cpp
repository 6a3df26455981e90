#include "views/tools/BorderColorsDialog.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "framework/DialogControl.h"
#include "palette/MultiColorSelectionModel.h"
#include "panels/PaletteGridDialog.h"
#include "views/ColorPicker.h"
#include "views/EntryPicking.h"

#include <vector>

namespace {

constexpr int resetButtonId = 100;

} // namespace

bool runBorderColorsDialog(BitmapDocument& document, ColorPicker& picker)
{
    BitmapPalette* palette = document.palette();
    if (!palette || document.isFullColor())
        return false;
    MultiColorSelectionModel selection(palette);
    for (uint8_t index : document.borderColors())
        selection.add(index);
    {
        PaletteGridDialog dialog("BORDER_COLORS_DIALOG", selection, true);
        dialog.control(resetButtonId)->onClicked([&selection] { selection.clear(); });
        // The picture's dots picked while the dialog is open join the grid's selection.
        EntryPicking picking(picker, *palette, [&selection](int entry, bool) { selection.add(entry); });
        dialog.leaveOpenToMouse(picker.pickingWindow());
        if (dialog.runModal() != okButtonId)
            return false;
    }
    std::vector<uint8_t> chosen;
    for (int k = 0; k < selection.count(); ++k)
        chosen.push_back(uint8_t(selection.at(k)));
    document.setBorderColors(std::move(chosen));
    return true;
}
