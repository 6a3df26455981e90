#include "panels/GridGeometry.h"

#include <algorithm>

GridGeometry GridGeometry::filling(Point area, int columns, int rows, Point gap)
{
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    Point cell{std::max(1, (area.x + gap.x) / columns - gap.x), std::max(1, (area.y + gap.y) / rows - gap.y)};
    return {columns, rows, cell, gap};
}

Point GridGeometry::extent() const
{
    return {columns * (cell.x + gap.x) - gap.x, rows * (cell.y + gap.y) - gap.y};
}

Rect GridGeometry::cellRect(int n) const
{
    return Rect::fromSize({n % columns * (cell.x + gap.x), n / columns * (cell.y + gap.y)}, cell);
}

int GridGeometry::cellAt(Point p) const
{
    if (p.x < 0 || p.y < 0)
        return -1;
    Point pitch{cell.x + gap.x, cell.y + gap.y};
    int column = p.x / pitch.x, row = p.y / pitch.y;
    if (column >= columns || row >= rows || p.x % pitch.x >= cell.x || p.y % pitch.y >= cell.y)
        return -1;
    return row * columns + column;
}

Rect GridGeometry::blockRect(const Rect& cells) const
{
    Point pitch{cell.x + gap.x, cell.y + gap.y};
    return {cells.left * pitch.x, cells.top * pitch.y, cells.right * pitch.x - gap.x, cells.bottom * pitch.y - gap.y};
}
