#include "dialogs/ScaleDialog.h"

#include "core/BoundIntValue.h"
#include "framework/Dialog.h"
#include "framework/EditField.h"
#include "pixels/DIBImage.h"

std::optional<Point> runScaleDialog(Point current)
{
    Point size = current;
    Dialog dialog("SCALE_DIALOG");
    dialog.page().bind<EditField>(101, *new BoundIntValue(&size.x, NumericField{101, 1, DIBImage::maxSide}));
    dialog.page().bind<EditField>(102, *new BoundIntValue(&size.y, NumericField{102, 1, DIBImage::maxSide}));
    if (dialog.runModal() != okButtonId)
        return std::nullopt;
    return size;
}
