#pragma once

#include "core/Geometry.h"

#include <optional>
#include <vector>

class GraphicsContext;
class ToolEnvironment;

// The corners a lasso has passed, kept free of points that add nothing: a point between two
// others on one straight line goes, and a step back to the point before the last one takes the
// last one away. In a unit larger than a dot the path walks along unit edges only.
class LassoPath {
public:
    const std::vector<Point>& points() const { return m_points; }

    // Adds target, a corner on the unit grid. pointer is where the pointer really is, in window
    // pixels from the picture's corner at zoom: when a block unit path must choose between a step
    // across and a step down, the side the pointer went further wins.
    void extend(Point target, Point pointer, int32_t zoom, Point unit);

private:
    void add(Point n);

    std::vector<Point> m_points;
};

// The path drawn over the view as a line through its corners, inverted.
class LassoFeedback {
public:
    explicit LassoFeedback(ToolEnvironment& view) : m_view(view) {}
    // Shows the path (nothing: none).
    void show(const std::vector<Point>* points);
    void paint(GraphicsContext& gc) const;

private:
    Rect area() const;

    ToolEnvironment& m_view;
    std::vector<Point> m_points;
};
