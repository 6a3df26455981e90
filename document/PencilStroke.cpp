#include "document/PencilStroke.h"

#include "core/DigitalLine.h"
#include "document/BitmapDocument.h"
#include "document/UndoRecord.h"
#include "pixels/MaskImage.h"
#include "resources/Bitmaps.h"

PencilStroke::PencilStroke(BitmapDocument& document, int penIndex)
    : m_document(document), m_tilesAcross((document.bounds().width() + tileSize - 1) / tileSize)
{
    m_pen.setFootprintFromResource(bitmaps::firstPenShape + penIndex);
    m_pen.setTone(bitmaps::firstTone + document.drawingTone());
    int32_t tilesDown = (document.bounds().height() + tileSize - 1) / tileSize;
    m_savedTiles.assign(size_t(m_tilesAcross) * size_t(tilesDown), false);
    UndoRecord::instance().beginUndo(&document);
    // The pencil draws into the picture itself, never into a floating selection.
    document.commitSelection();
}

void PencilStroke::press(Point dot, std::optional<Point> joinTo)
{
    if (joinTo) {
        line(dot, *joinTo);
    } else {
        saveTilesUnder(dot);
        m_document.drawPen(m_pen, dot);
    }
    m_last = dot;
}

void PencilStroke::moveTo(Point dot)
{
    if (dot == m_last)
        return;
    line(dot, m_last);
    m_last = dot;
}

void PencilStroke::line(Point from, Point to)
{
    forEachLineDot(from, to, [this](Point dot) { saveTilesUnder(dot); });
    m_document.drawLine(m_pen, from, to);
}

// A large pen near a tile's edge reaches into the next tile, so every tile under the footprint
// is kept, not only the stamped dot's.
void PencilStroke::saveTilesUnder(Point dot)
{
    Point corner{dot.x + m_pen.hotspot().x, dot.y + m_pen.hotspot().y};
    Rect area = Rect::fromSize(corner, m_pen.footprint()->extent()).intersected(m_document.bounds());
    if (area.isEmpty())
        return;
    for (int32_t ty = area.top / tileSize; ty <= (area.bottom - 1) / tileSize; ++ty)
        for (int32_t tx = area.left / tileSize; tx <= (area.right - 1) / tileSize; ++tx) {
            size_t index = size_t(ty) * size_t(m_tilesAcross) + size_t(tx);
            if (m_savedTiles[index])
                continue;
            m_savedTiles[index] = true;
            m_document.savePixelsForUndo(Rect::fromSize({tx * tileSize, ty * tileSize}, {tileSize, tileSize}));
        }
}
