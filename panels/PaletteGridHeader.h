#pragma once

#include "core/InterfaceAspect.h"
#include "panels/CellGrid.h"

class HeaderSelectionPlug;
class Model;

// A header strip of a palette grid: the hexadecimal row or column numbers, whose presses select
// whole rows or columns through the plug that the model answers for the aspect. A plain press
// selects only that line; Shift, Ctrl or both add it (Ctrl toggles a line that is wholly
// selected), and with Shift a drag along the strip adds every further line it enters. Header
// cells never show as selected. An inactive header ignores presses.
class PaletteGridHeader : public CellGrid {
public:
    PaletteGridHeader(QWidget* container, Model& model, const InterfaceAspect<HeaderSelectionPlug>& aspect, int columns,
                      int rows, bool active);

protected:
    void paintCell(GraphicsContext& gc, int n, const Rect& cell) override;
    void pressed(int n, const Visual::MouseEvent& press) override;

private:
    HeaderSelectionPlug* plug() const;

    const InterfaceAspect<HeaderSelectionPlug>& m_aspect;
    bool m_active;
};
