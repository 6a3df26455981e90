#include "panels/CellSweepTracker.h"

#include "panels/CellGrid.h"

CellSweepTracker::CellSweepTracker(CellGrid& grid, int startCell, Enter enter)
    : m_grid(grid), m_cell(startCell), m_enter(std::move(enter))
{
}

void CellSweepTracker::step()
{
    int cell = m_grid.geometry().cellAt(m_last.at);
    if (cell < 0 || cell == m_cell)
        return;
    m_cell = cell;
    m_enter(cell);
}
