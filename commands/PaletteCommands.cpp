#include "commands/CommandGroup.h"
#include "commands/PaletteFileCommands.h"
#include "dialogs/MeshDialogs.h"
#include "dialogs/PaletteEditDialog.h"
#include "dialogs/PaletteRotationDialog.h"
#include "dialogs/PaletteSortDialog.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "resources/CommandIds.h"

namespace {

bool editPalette(BitmapDocument& document, uint32_t, Window*)
{
    runPaletteEditDialog(document);
    return true;
}

bool sortPalette(BitmapDocument& document, uint32_t, Window*)
{
    runPaletteSortDialog(document);
    return true;
}

bool rotatePalette(BitmapDocument& document, uint32_t, Window*)
{
    runPaletteRotationDialog(document);
    return true;
}

bool meshColor(BitmapDocument& document, uint32_t, Window*)
{
    runMeshColorDialog(document);
    return true;
}

// W and Q step the drawing colour's index by one, with Shift by a row of 16; a full-colour picture
// has no index to step.
bool stepDrawingColor(BitmapDocument& document, uint32_t id, Window*)
{
    BitmapPalette* palette = document.palette();
    if (!palette)
        return true;
    switch (id) {
    case commands::nextDrawingIndex: palette->stepDrawingIndex(1); break;
    case commands::previousDrawingIndex: palette->stepDrawingIndex(-1); break;
    case commands::nextDrawingRow: palette->stepDrawingRow(1); break;
    default: palette->stepDrawingRow(-1); break;
    }
    return true;
}

constexpr CommandGroup::Handler handlers[] = {
    {commands::editPalette, editPalette},           {commands::loadPalette, loadPaletteFile},
    {commands::savePalette, savePaletteFile},       {commands::sortPalette, sortPalette},
    {commands::paletteRotation, rotatePalette},     {commands::meshColor, meshColor},
    {commands::nextDrawingIndex, stepDrawingColor}, {commands::previousDrawingIndex, stepDrawingColor},
    {commands::nextDrawingRow, stepDrawingColor},   {commands::previousDrawingRow, stepDrawingColor},
};

constexpr CommandGroup::ItemRule rules[] = {
    {commands::editPalette, EnableRule::indexed},     {commands::loadPalette, EnableRule::indexed},
    {commands::savePalette, EnableRule::indexed},     {commands::sortPalette, EnableRule::indexed},
    {commands::paletteRotation, EnableRule::indexed}, {commands::meshColor, EnableRule::always},
};

} // namespace

const CommandGroup paletteCommands{handlers, rules};
