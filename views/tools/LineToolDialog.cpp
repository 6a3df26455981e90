#include "views/tools/LineToolDialog.h"

#include "core/BoundIntValue.h"
#include "document/StraightLine.h"
#include "framework/Dialog.h"
#include "framework/EditField.h"

namespace {
constexpr int widthFieldId = 100;
}

std::optional<int> runLineToolDialog(int width)
{
    // The field writes into this copy, which outlives the dialog that follows it.
    int32_t entered = width;
    Dialog dialog("LINE_TOOL_DIALOG");
    dialog.page().bind<EditField>(widthFieldId,
                                  *new BoundIntValue(&entered, NumericField{widthFieldId, 1, maxLineWidth}));
    if (dialog.runModal() != okButtonId)
        return std::nullopt;
    return entered;
}
