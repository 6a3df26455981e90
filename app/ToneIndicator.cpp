#include "app/ToneIndicator.h"

#include "document/BitmapDocument.h"
#include "document/DocumentDialogs.h"
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
    const DocumentDialogs::Run& chooseTone = DocumentDialogs::installed().tone;
    if (BitmapDocument* shown = document(); shown && chooseTone)
        chooseTone(*shown);
}
