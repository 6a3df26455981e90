#include "views/tools/SelectRegion.h"

#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionRecord.h"
#include "framework/Region.h"

void selectRegion(BitmapDocument& document, Region region)
{
    region.intersectRect(document.bounds());
    if (region.isEmpty())
        return;
    auto record = std::make_shared<SelectionRecord>();
    record->region = std::move(region);
    document.selectionPlug().setSelection(std::move(record));
}
