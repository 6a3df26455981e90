#pragma once

#include "panels/CellGrid.h"

class PenPalette;

// The grid of the wide palette panel: all 256 colours in 12 x 12 cells, the drawing entry framed,
// bound to PenPalette::matrixSelection; a press chooses the cell's entry (with Shift as the
// background colour).
class PenMatrix : public CellGrid {
public:
    static constexpr int cellSize = 12;

    PenMatrix(QWidget* container, PenPalette& pen);

    void update() override;
    void update(const Aspect* aspect) override;

protected:
    void paintCell(GraphicsContext& gc, int n, const Rect& cell) override;
    void pressed(int n, const Visual::MouseEvent& press) override;

private:
    PenPalette& m_pen;
    int m_shown = -1;
};
