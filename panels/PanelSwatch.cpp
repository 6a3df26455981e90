#include "panels/PanelSwatch.h"

#include "document/BitmapPalette.h"
#include "framework/GraphicsContext.h"
#include "panels/PenPalette.h"

void paintSwatch(GraphicsContext& gc, const Rect& cell, const PenPalette& pen, int entry, bool selected)
{
    BitmapPalette* palette = pen.palette();
    ColorRef color = palette ? palette->colorAt(entry) : rgb(0, 0, 0);
    gc.fillRect(cell, color);
    if (selected)
        gc.frameRect(cell, inkOn(color));
}
