#pragma once

#include "panels/ToggleButtonsPlug.h"

class PenPalette;

// The colour strip of the slim palette panel: the sixteen digit buttons, each with a swatch below
// it of the entry in the drawing colour's row, bound to PenPalette::colorSelection.
class ColorStrip : public ToggleButtonsPlug {
public:
    ColorStrip(QWidget* container, PenPalette& pen);

    void update() override;
    void update(const Aspect* aspect) override;

protected:
    void paintCell(GraphicsContext& gc, int n, const Rect& cell) override;

private:
    int row() const;

    PenPalette& m_pen;
    int m_shownRow = -1;
};
