#include "dialogs/EdgeDialog.h"

#include "core/BoundIntValue.h"
#include "dialogs/RadioButtons.h"
#include "framework/Dialog.h"
#include "framework/EditField.h"

namespace {
constexpr int widthField = 100;
constexpr int withCornersButton = 101;
constexpr int32_t widestEdge = 64;
} // namespace

std::optional<EdgeSettings> runEdgeDialog(EdgeSettings current)
{
    int32_t width = current.width;
    int32_t corners = current.withoutCorners ? 1 : 0;
    Dialog dialog("EDGE_DIALOG");
    dialog.page().bind<EditField>(widthField, *new BoundIntValue(&width, NumericField{widthField, 1, widestEdge}));
    bindRadioButtons(dialog.page(), withCornersButton, 2, corners);
    if (dialog.runModal() != okButtonId)
        return std::nullopt;
    return EdgeSettings{width, corners == 1};
}
