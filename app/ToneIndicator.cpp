#include "app/ToneIndicator.h"

#include "dialogs/ToneDialog.h"
#include "document/BitmapDocument.h"
#include "framework/GraphicsContext.h"

void ToneIndicator::paint(GraphicsContext& gc, const Rect&)
{
    const BitmapDocument* shown = document();
    std::optional<ToneBytes> tone = shown ? shown->tonePattern() : std::nullopt;
    Brush brush = tone ? Brush::patterned(*tone, rgb(0, 0, 0), rgb(255, 255, 255)) : Brush::solid(rgb(0, 0, 0));
    gc.selectPattern(brush, {0, 0}).fillRect(Rect::fromSize({}, size()), brush);
}

void ToneIndicator::clicked(Point)
{
    if (BitmapDocument* shown = document())
        runToneDialog(*shown);
}
