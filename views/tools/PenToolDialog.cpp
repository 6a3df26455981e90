#include "views/tools/PenToolDialog.h"

#include "framework/Dialog.h"
#include "views/tools/PenCells.h"

namespace {
constexpr int penCellsId = 100;
}

std::optional<int> runPenToolDialog(int penIndex)
{
    Dialog dialog("PEN_TOOL_DIALOG");
    PenCells& cells = dialog.page().host<PenCells>(penCellsId, penIndex);
    if (dialog.runModal() != okButtonId)
        return std::nullopt;
    return cells.selected();
}
