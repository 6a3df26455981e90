#pragma once

#include "panels/CellGrid.h"

// The anchor of a new canvas as a 3 x 3 bank of buttons, numbered row by row from the top-left: the
// chosen one is drawn pressed with a dot on it, and a press on a button chooses it.
class AnchorCells : public CellGrid {
public:
    AnchorCells(QWidget* container, int selected);

    int selected() const { return m_selected; }

protected:
    void paintCell(GraphicsContext& gc, int n, const Rect& cell) override;
    void pressed(int n, const Visual::MouseEvent& press) override;

private:
    int m_selected;
};
