#include "views/tools/BucketTool.h"

#include "base/BusyPointer.h"
#include "document/BitmapDocument.h"
#include "document/BucketFill.h"
#include "views/tools/BorderColorsDialog.h"
#include "views/tools/ToolEnvironment.h"

std::string BucketTool::pointer(const ToolKeys& keys) const
{
    const ToolEnvironment& view = environment();
    if (view.capsLock())
        return "CROSS_POINT_CURS";
    // Shift fills up to the border colours, which only an indexed picture has.
    BitmapDocument* picture = view.document();
    return keys.shift && picture && !picture->isFullColor() ? "BUCKET_OPT_CURS" : "BUCKET_CURS";
}

void BucketTool::press(const Visual::MouseEvent& event)
{
    ToolEnvironment& view = environment();
    BitmapDocument* picture = view.document();
    if (!picture)
        return;
    Point dot = view.viewToDot(event.at);
    BucketClick click = BucketClick::onPicture;
    {
        BusyScope busy;
        click = event.shift ? borderFill(*picture, dot) : bucketFill(*picture, dot);
    }
    if (click != BucketClick::onPicture)
        view.beep();
}

bool BucketTool::openOptions()
{
    if (BitmapDocument* picture = environment().document(); picture && !picture->isFullColor())
        runBorderColorsDialog(*picture, environment().colorPicker());
    return true;
}
