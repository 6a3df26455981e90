#include "app/ColorIndicator.h"

#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "framework/ColorChooser.h"
#include "framework/GraphicsContext.h"

#include <cstdio>

Rect ColorIndicator::innerSquare() const
{
    Point side = size();
    Point inset{side.x / 4, side.y / 4};
    return {inset.x, inset.y, side.x - inset.x, side.y - inset.y};
}

void ColorIndicator::paint(GraphicsContext& gc, const Rect&)
{
    Rect outer = Rect::fromSize({}, size());
    Rect inner = innerSquare();
    const BitmapDocument* shown = document();
    if (!shown) {
        gc.fillRect(outer, rgb(255, 255, 255)).fillRect(inner, rgb(0, 0, 0));
        return;
    }
    ColorRef background = colorOf(shown->backgroundColor());
    ColorRef drawing = colorOf(shown->drawingColor());
    gc.fillRect(outer, background).fillRect(inner, drawing);
    labelSquare(gc, inner, shown->drawingColor(), drawing);
    // The outer square's label sits in the ring below the inner square.
    labelSquare(gc, {outer.left, inner.bottom, outer.right, outer.bottom}, shown->backgroundColor(), background);
}

ColorRef ColorIndicator::colorOf(ColorRef color) const
{
    const BitmapPalette* palette = document()->palette();
    return palette ? palette->colorAt(palette->indexOfColorRef(color)) : color;
}

void ColorIndicator::labelSquare(GraphicsContext& gc, const Rect& box, ColorRef color, ColorRef shown) const
{
    const BitmapPalette* palette = document()->palette();
    if (!palette)
        return;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02X", palette->indexOfColorRef(color));
    gc.drawText({box.left + 1, box.top, box.right, box.bottom}, digits, inkOn(shown),
                GraphicsContext::TextPlacement::bottomLeft);
}

void ColorIndicator::clicked(Point at)
{
    // An indexed document's colours are chosen in the palette panels.
    BitmapDocument* shown = document();
    if (!shown || shown->palette())
        return;
    bool drawing = innerSquare().contains(at);
    std::optional<ColorRef> chosen = chooseColor(drawing ? shown->drawingColor() : shown->backgroundColor());
    if (!chosen)
        return;
    if (drawing)
        shown->setDrawingColor(*chosen);
    else
        shown->setBackgroundColor(*chosen);
}
