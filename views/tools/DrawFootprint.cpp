#include "views/tools/DrawFootprint.h"
#include "framework/GraphicsContext.h"

#include "document/BitmapDocument.h"
#include "document/SelectionRecord.h"
#include "framework/MemoryGC.h"
#include "pixels/DIBImage.h"

#include <algorithm>

namespace {

int32_t snapDown(int32_t v, int32_t step)
{
    return floorDiv(v, step) * step;
}

} // namespace

Point DrawFootprint::clamp(Point p, const Rect& picture) const
{
    return {std::clamp(p.x, picture.left, std::max(picture.left, picture.right - m_size)),
            std::clamp(p.y, picture.top, std::max(picture.top, picture.bottom - m_size))};
}

void DrawFootprint::setSize(int32_t size, const Rect& picture)
{
    m_size = std::max(size, 1);
    m_pattern.reset();
    m_position = clamp({snapDown(m_position.x, m_size), snapDown(m_position.y, m_size)}, picture);
}

void DrawFootprint::moveTo(Point p, const Rect& picture)
{
    m_position = clamp({snapDown(p.x, m_size), snapDown(p.y, m_size)}, picture);
}

void DrawFootprint::pickUp(BitmapDocument& document, bool background)
{
    Rect picture = document.bounds();
    if (m_size == 1 || background) {
        if (picture.contains(m_position)) {
            ColorRef color = document.pixelAt(m_position);
            background ? document.setBackgroundColor(color) : document.setDrawingColor(color);
        }
        return;
    }
    const DIBImage& image = *document.image();
    auto pattern = image.newOfSameKind();
    pattern->create({m_size, m_size});
    auto gc = makeGC(*pattern);
    gc->fillRect(pattern->bounds(), document.backgroundColor());
    gc->drawAt(image, rect(), {0, 0}, RasterOp::sourceCopy);
    // What is seen is what is picked up: a floating image covers the picture where it lies.
    if (std::shared_ptr<SelectionRecord> record = document.selection(); record && record->floatingImage) {
        Point corner = record->region.bounds().topLeft();
        gc->drawAt(*record->floatingImage, rect().translated(-corner.x, -corner.y), {0, 0}, RasterOp::sourceCopy);
    }
    gc.reset();
    m_pattern = pattern;
}

void DrawFootprint::stamp(BitmapDocument& document)
{
    Rect area = rect().intersected(document.bounds());
    if (area.isEmpty())
        return;
    document.savePixelsForUndo(area);
    if (m_pattern)
        document.pasteImage(*m_pattern, m_position);
    else
        document.fillRect(area, document.drawingColor());
}
