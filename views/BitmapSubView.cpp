#include "views/BitmapSubView.h"

#include "core/Aspects.h"

void* BitmapSubView::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapSubView::access)
        return this;
    return BitmapView::valueFor(aspect);
}
