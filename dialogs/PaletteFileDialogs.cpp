#include "dialogs/PaletteFileDialogs.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/PaletteSession.h"
#include "palette/PalettePaste.h"
#include "palette/PaletteRowSelection.h"
#include "panels/PaletteGridDialog.h"

#include <numeric>
#include <vector>

bool runPaletteLoadDialog(BitmapDocument& document, std::span<const ColorRef> colors)
{
    BitmapPalette* palette = document.palette();
    if (!palette || colors.empty())
        return false;
    PaletteSession session(document, PaletteSession::Scope::palette);
    // The loaded block is pasted colours at offsets 0 ... n - 1: a drag moves it whole.
    std::vector<uint8_t> offsets(colors.size());
    std::iota(offsets.begin(), offsets.end(), uint8_t(0));
    PalettePaste block(*palette, {colors.begin(), colors.end()}, std::move(offsets));
    {
        PaletteGridDialog dialog("PALETTE_LOAD_DIALOG", block, false);
        if (dialog.runModal() != okButtonId) {
            session.restore();
            return false;
        }
    }
    session.keep();
    return true;
}

std::optional<uint16_t> runPaletteSaveDialog(BitmapDocument& document)
{
    BitmapPalette* palette = document.palette();
    if (!palette)
        return std::nullopt;
    PaletteRowSelection rows(palette);
    PaletteGridDialog dialog("PALETTE_SAVE_DIALOG", rows, true);
    if (dialog.runModal() != okButtonId)
        return std::nullopt;
    return rows.flags();
}
