#include "panels/PenMatrix.h"

#include "core/Aspects.h"
#include "core/ValueInterfaces.h"
#include "panels/PanelSwatch.h"
#include "panels/PenPalette.h"

PenMatrix::PenMatrix(QWidget* container, PenPalette& pen)
    : CellGrid(container, GridGeometry{16, 16, {cellSize, cellSize}, {}}), m_pen(pen)
{
    setModel(&pen);
}

void PenMatrix::update()
{
    m_shown = m_pen.drawingEntry();
    invalidateAll();
}

void PenMatrix::update(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapPalette::access) {
        update();
    } else if (aspect == &aspects::PenPalette::matrixSelection) {
        invalidateCell(m_shown);
        m_shown = m_pen.drawingEntry();
        invalidateCell(m_shown);
    }
}

void PenMatrix::paintCell(GraphicsContext& gc, int n, const Rect& cell)
{
    paintSwatch(gc, cell, m_pen, n, n == m_pen.drawingEntry());
}

void PenMatrix::pressed(int n, const Visual::MouseEvent& press)
{
    if (SelectionInterface* entry = interfaceFor(&m_pen, &aspects::PenPalette::matrixSelection))
        entry->select(n, press.shift);
}
