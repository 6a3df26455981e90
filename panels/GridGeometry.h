#pragma once

#include "core/Geometry.h"

// Where the cells of a grid lie: columns x rows cells of one size with a gap between them, cell n
// at column n mod columns and row n div columns.
struct GridGeometry {
    int columns = 1;
    int rows = 1;
    Point cell{1, 1};
    Point gap;

    // A grid whose cells fill area; a cell is at least 1 pixel each way, so hit-testing never
    // divides by zero.
    static GridGeometry filling(Point area, int columns, int rows, Point gap = {});

    int count() const { return columns * rows; }
    Point extent() const;
    Rect cellRect(int n) const;
    // The cell under p, or -1 left of or above the grid, beyond its last column or row, or in a gap.
    int cellAt(Point p) const;
    // The cells of a rectangle of columns and rows (right and bottom excluded) as pixels.
    Rect blockRect(const Rect& cells) const;
};
