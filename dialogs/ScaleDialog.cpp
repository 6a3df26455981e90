#include "dialogs/ScaleDialog.h"

#include "dialogs/SizeFields.h"
#include "framework/Dialog.h"
#include "pixels/DIBImage.h"

std::optional<Point> runScaleDialog(Point current)
{
    Point size = current;
    Dialog dialog("SCALE_DIALOG");
    bindSizeFields(dialog.page(), size, 1, DIBImage::maxSide);
    if (dialog.runModal() != okButtonId)
        return std::nullopt;
    return size;
}
