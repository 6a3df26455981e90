#include "dialogs/MeshDialogs.h"

#include "core/BoundIntValue.h"
#include "dialogs/RadioButtons.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "framework/ColorChooser.h"
#include "framework/Dialog.h"
#include "framework/EditField.h"
#include "palette/SingleColorSelectionModel.h"
#include "panels/PaletteGridDialog.h"

#include <optional>

namespace {

// The style picker's buttons, in the order of the style numbers.
constexpr int firstStyleButton = 103;
constexpr int styleCount = 3;

} // namespace

bool runMeshSizeDialog(BitmapDocument& document)
{
    // The controls write into these copies, so that Cancel leaves the document untouched.
    Point size = document.meshSize();
    int32_t style = document.meshStyle();
    {
        Dialog dialog("MESH_SIZE_DIALOG");
        DialogPage& page = dialog.page();
        page.bind<EditField>(101, *new BoundIntValue(&size.x, NumericField{101, 2, 9999}));
        page.bind<EditField>(102, *new BoundIntValue(&size.y, NumericField{102, 2, 9999}));
        bindRadioButtons(page, firstStyleButton, styleCount, style);
        if (dialog.runModal() != okButtonId)
            return false;
    }
    document.setMeshSettings(size, style);
    return true;
}

bool runMeshColorDialog(BitmapDocument& document)
{
    if (document.isFullColor()) {
        std::optional<ColorRef> chosen = chooseColor(document.meshColor());
        if (!chosen)
            return false;
        document.setMeshColor(*chosen);
        return true;
    }
    BitmapPalette* palette = document.palette();
    if (!palette)
        return false;
    int current = palette->indexOfColorRef(document.meshColor());
    SingleColorSelectionModel selection(palette, current);
    {
        PaletteGridDialog dialog("MESH_COLOR_DIALOG", selection, false);
        if (dialog.runModal() != okButtonId)
            return false;
    }
    // A mesh colour that is not an entry yet (the red of a new picture) keeps its look until
    // another entry is chosen.
    if (selection.index() >= 0 && selection.index() != current)
        document.setMeshColor(paletteIndex(uint8_t(selection.index())));
    return true;
}
