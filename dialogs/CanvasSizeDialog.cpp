#include "dialogs/CanvasSizeDialog.h"

#include "dialogs/AnchorCells.h"
#include "dialogs/SizeFields.h"
#include "framework/Dialog.h"
#include "pixels/DIBImage.h"

namespace {
constexpr int anchorBank = 103;
constexpr int32_t centre = 4;
} // namespace

std::optional<CanvasChoice> runCanvasSizeDialog(Point current)
{
    Point size = current;
    Dialog dialog("CANVAS_SIZE_DIALOG");
    bindSizeFields(dialog.page(), size, 1, DIBImage::maxSide);
    AnchorCells& anchor = dialog.page().host<AnchorCells>(anchorBank, centre);
    if (dialog.runModal() != okButtonId)
        return std::nullopt;
    return CanvasChoice{size, anchor.selected()};
}
