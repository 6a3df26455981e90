#include "views/tools/InsideSelection.h"

#include "document/BitmapDocument.h"
#include "document/SelectionRecord.h"
#include "views/tools/ToolEnvironment.h"

bool insideSelection(const ToolEnvironment& view, Point dot)
{
    BitmapDocument* picture = view.document();
    std::shared_ptr<SelectionRecord> record = picture ? picture->selection() : nullptr;
    return record && record->region.contains(dot);
}
