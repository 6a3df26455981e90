#pragma once

#include "core/Dependent.h"
#include "framework/Component.h"
#include "framework/Controllers.h"
#include "panels/GridGeometry.h"

#include <functional>

// A component made of a grid of cells: it draws them one by one, and a press or double click with
// the left button on a cell goes to pressed. A grid made without a cell size fills its control.
// It never takes the keyboard focus, which stays with the dialog's buttons or the document window.
class CellGrid : public Visual::Component, public Dependent, public Visual::MouseController {
public:
    using PressFollower = std::function<void(int n, const Visual::MouseEvent& press)>;

    CellGrid(QWidget* container, int columns, int rows);
    CellGrid(QWidget* container, const GridGeometry& geometry);

    const GridGeometry& geometry() const { return m_geometry; }
    void invalidateCell(int n);
    // A frame drawn over the cells, where a dragged block would land; an empty rect shows none.
    void showOutline(const Rect& outline);
    // Runs after every press on a cell has been handled (the palette panels blink from there).
    void followPresses(PressFollower follower) { m_follower = std::move(follower); }

    void* valueFor(const Aspect* aspect) override;
    void mouseEvent(const Visual::MouseEvent& event) override;

protected:
    void paint(GraphicsContext& gc, const Rect& clip) override;
    void resized(Point size) override;
    virtual void paintCell(GraphicsContext& gc, int n, const Rect& cell) = 0;
    // n is the cell under the press, never -1.
    virtual void pressed(int n, const Visual::MouseEvent& press) = 0;

private:
    GridGeometry m_geometry;
    bool m_fills;
    Rect m_outline;
    PressFollower m_follower;
};
