#include "panels/BlockDragTracker.h"

#include "panels/CellGrid.h"

#include <algorithm>
#include <cstdlib>

BlockDragTracker::BlockDragTracker(CellGrid& grid, const Rect& block, Point press, int threshold, Drop drop,
                                   Click click)
    : m_grid(grid), m_block(block), m_press(press), m_threshold(threshold), m_drop(std::move(drop)),
      m_click(std::move(click))
{
}

Point BlockDragTracker::cellsMoved(Point p) const
{
    const GridGeometry& geometry = m_grid.geometry();
    Point pitch{geometry.cell.x + geometry.gap.x, geometry.cell.y + geometry.gap.y};
    int32_t dx = floorDiv(p.x - m_press.x + pitch.x / 2, pitch.x);
    int32_t dy = floorDiv(p.y - m_press.y + pitch.y / 2, pitch.y);
    return {std::clamp(dx, -m_block.left, geometry.columns - m_block.right),
            std::clamp(dy, -m_block.top, geometry.rows - m_block.bottom)};
}

void BlockDragTracker::step()
{
    if (!m_dragging)
        m_dragging =
            std::abs(m_last.at.x - m_press.x) >= m_threshold || std::abs(m_last.at.y - m_press.y) >= m_threshold;
    if (!m_dragging)
        return;
    Point moved = cellsMoved(m_last.at);
    m_grid.showOutline(m_grid.geometry().blockRect(m_block.translated(moved.x, moved.y)));
}

void BlockDragTracker::end()
{
    m_grid.showOutline({});
    if (!m_dragging) {
        if (m_click)
            m_click();
        return;
    }
    Point moved = cellsMoved(m_last.at);
    int d = moved.x + m_grid.geometry().columns * moved.y;
    if (d != 0)
        m_drop(d);
}
