#include "panels/PaletteGridDialog.h"

#include "core/Aspects.h"
#include "palette/ColorSelectionModel.h"
#include "panels/PaletteGrid.h"
#include "panels/PaletteGridHeader.h"

PaletteGridDialog::PaletteGridDialog(std::string_view templateName, ColorSelectionModel& selection, bool headersActive)
    : Dialog(templateName), m_grid(page().host<PaletteGrid>(gridId, selection))
{
    constexpr int lines = ColorSelectionModel::lineLength;
    if (control(rowHeaderId))
        page().host<PaletteGridHeader>(rowHeaderId, selection, aspects::ColorSelectionModel::paletteSelection, 1, lines,
                                       headersActive);
    if (control(columnHeaderId))
        page().host<PaletteGridHeader>(columnHeaderId, selection, aspects::ColorSelectionModel::columnSelection, lines,
                                       1, headersActive);
    if (DialogControl* all = control(allButtonId); all && headersActive)
        all->onClicked([&selection] { selection.selectAll(); });
}
