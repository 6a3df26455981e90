#include "panels/CellGrid.h"

#include "core/Aspects.h"
#include "framework/GraphicsContext.h"

CellGrid::CellGrid(QWidget* container, int columns, int rows)
    : Component(container), m_geometry(GridGeometry::filling(size(), columns, rows)), m_fills(true)
{
    refuseFocus();
}

CellGrid::CellGrid(QWidget* container, const GridGeometry& geometry)
    : Component(container), m_geometry(geometry), m_fills(false)
{
    refuseFocus();
}

void CellGrid::invalidateCell(int n)
{
    if (n >= 0 && n < m_geometry.count())
        invalidate(m_geometry.cellRect(n));
}

void CellGrid::showOutline(const Rect& outline)
{
    if (outline == m_outline)
        return;
    invalidate(m_outline);
    m_outline = outline;
    invalidate(m_outline);
}

void* CellGrid::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Visual::Component::waitingController)
        return offer<Visual::MouseController>(this);
    return Component::valueFor(aspect);
}

void CellGrid::mouseEvent(const Visual::MouseEvent& event)
{
    if (event.kind != Visual::MouseEvent::leftDown && event.kind != Visual::MouseEvent::leftDouble)
        return;
    int n = m_geometry.cellAt(event.at);
    if (n < 0)
        return;
    pressed(n, event);
    if (m_follower)
        m_follower(n, event);
}

void CellGrid::paint(GraphicsContext& gc, const Rect& clip)
{
    // What the cells leave uncovered (the remainder of a filling grid, the gaps) stays white.
    gc.fillRect(clip, rgb(255, 255, 255));
    for (int n = 0; n < m_geometry.count(); ++n) {
        Rect cell = m_geometry.cellRect(n);
        if (!cell.intersected(clip).isEmpty())
            paintCell(gc, n, cell);
    }
    // Two frames, black outside white, show on every colour.
    if (!m_outline.isEmpty()) {
        gc.frameRect(m_outline, rgb(0, 0, 0));
        gc.frameRect({m_outline.left + 1, m_outline.top + 1, m_outline.right - 1, m_outline.bottom - 1},
                     rgb(255, 255, 255));
    }
}

void CellGrid::resized(Point size)
{
    if (m_fills)
        m_geometry = GridGeometry::filling(size, m_geometry.columns, m_geometry.rows, m_geometry.gap);
    invalidateAll();
}
