#include "panels/ColorStrip.h"

#include "core/Aspects.h"
#include "panels/PanelSwatch.h"
#include "panels/PenPalette.h"
#include "resources/Bitmaps.h"

ColorStrip::ColorStrip(QWidget* container, PenPalette& pen)
    : ToggleButtonsPlug(container, pen, aspects::PenPalette::colorSelection, bitmaps::paletteButtons, {16, 1},
                        findBitmap(bitmaps::paletteButtons)->height / 2),
      m_pen(pen), m_shownRow(row())
{
}

int ColorStrip::row() const
{
    return m_pen.drawingEntry() >> 4;
}

void ColorStrip::update()
{
    m_shownRow = row();
    ToggleButtonsPlug::update();
}

void ColorStrip::update(const Aspect* aspect)
{
    bool otherRow = aspect == &aspects::PenPalette::paletteSelection && row() != m_shownRow;
    if (otherRow || aspect == &aspects::BitmapPalette::access)
        update();
    else
        ToggleButtonsPlug::update(aspect);
}

void ColorStrip::paintCell(GraphicsContext& gc, int n, const Rect& cell)
{
    ToggleButtonsPlug::paintCell(gc, n, cell);
    int entry = m_pen.drawingEntry();
    Rect swatch{cell.left, cell.top + buttonSize().y, cell.right, cell.bottom};
    paintSwatch(gc, swatch, m_pen, (entry < 0 ? 0 : entry & 0xF0) + n, n == selection());
}
