#pragma once

#include "framework/Controllers.h"

#include <functional>

class CellGrid;

// Follows the pointer over a grid while the left button is held and tells each cell it enters,
// as Shift-drags select in palette grids and along their headers.
class CellSweepTracker : public Visual::Tracker {
public:
    using Enter = std::function<void(int cell)>;

    CellSweepTracker(CellGrid& grid, int startCell, Enter enter);

    void sample(const Visual::MouseEvent& state) override { m_last = state; }
    void begin() override {}
    bool continues() const override { return m_last.leftButton; }
    void step() override;
    void end() override {}

private:
    CellGrid& m_grid;
    int m_cell;
    Enter m_enter;
    Visual::MouseEvent m_last{};
};
