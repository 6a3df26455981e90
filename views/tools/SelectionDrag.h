#pragma once

#include "core/Geometry.h"
#include "framework/Controllers.h"
#include "pixels/Region.h"

#include <optional>

class BitmapDocument;
class GraphicsContext;
class ToolEnvironment;

// With Shift a selection moves only across, down or diagonally: the shorter side of the move, in
// units, counts when it is more than half the longer one, and is dropped otherwise.
Point constrainedMove(Point units);
// The move of a selection dragged pixels window pixels at zoom: whole units, rounded toward minus
// infinity, constrained with Shift.
Point dragOffset(Point pixels, int32_t zoom, Point unit, bool shift);

// The outline of the selection at the place it is being dragged to, inverted over the view.
class DragOutline {
public:
    explicit DragOutline(ToolEnvironment& view) : m_view(view) {}
    // Takes the shape of region at the view's zoom, once for the whole drag.
    void take(const Region& region);
    // Shows the shape moved by offset dots (nothing: hides it).
    void show(std::optional<Point> offset);
    void paint(GraphicsContext& gc) const;

private:
    ToolEnvironment& m_view;
    // The region in window pixels with its top-left at (0, 0), and that corner in dots.
    Region m_shape;
    Point m_corner;
    std::optional<Region> m_shown;
};

// The drag of a selection by Rect, Ellipse, Lasso and Text: a press inside the selection moves it,
// once the pointer leaves the start box, by one moveBy at the release; Ctrl at the press leaves a
// copy behind.
class SelectionDrag {
public:
    explicit SelectionDrag(ToolEnvironment& view) : m_outline(view), m_view(view) {}
    // Whether dot is on the selection, where a press drags it (and the pointer is the arrow).
    bool covers(Point dot) const;
    // Starts the drag when the press is on the selection and answers whether it did.
    bool pressed(const Visual::MouseEvent& press);
    // A press of a selecting tool: on the selection it starts the drag; elsewhere on the picture it
    // begins an undo step, commits the old selection and answers the document to select in. Null:
    // nothing to select.
    BitmapDocument* pressToSelect(const Visual::MouseEvent& press);
    void paint(GraphicsContext& gc) const { m_outline.paint(gc); }

private:
    DragOutline m_outline;
    ToolEnvironment& m_view;
};
