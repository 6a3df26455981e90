#pragma once

#include "core/Geometry.h"
#include "framework/Controllers.h"

#include <functional>

class CellGrid;

// Drags a block of cells in a grid: once the pointer has moved threshold pixels from the press
// (either way; 0 starts at once), an outline of the block follows it in whole cells and never
// leaves the grid. The release drops the block d = columns moved + grid columns x rows moved
// further on; d = 0 drops nothing. A release before the drag began is a click.
class BlockDragTracker : public Visual::Tracker {
public:
    using Drop = std::function<void(int d)>;
    using Click = std::function<void()>;

    // block is in cells (right and bottom excluded).
    BlockDragTracker(CellGrid& grid, const Rect& block, Point press, int threshold, Drop drop, Click click);

    void sample(const Visual::MouseEvent& state) override { m_last = state; }
    void begin() override {}
    bool continues() const override { return m_last.leftButton; }
    void step() override;
    void end() override;

    // The cells the block moves for the pointer at p: rounded to the nearest cell, kept in the grid.
    Point cellsMoved(Point p) const;

private:
    CellGrid& m_grid;
    Rect m_block;
    Point m_press;
    int m_threshold;
    Drop m_drop;
    Click m_click;
    Visual::MouseEvent m_last{};
    bool m_dragging = false;
};
