#include "panels/GridGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(GridGeometryTest, CellsFillTheirAreaAndAreNeverEmpty)
{
    struct Row {
        Point area;
        int columns;
        int rows;
        Point gap;
        Point cell;
    };
    for (const Row& row : {
             Row{{192, 192}, 16, 16, {}, {12, 12}},
             Row{{200, 100}, 16, 1, {}, {12, 100}},
             Row{{30, 30}, 2, 2, {2, 2}, {14, 14}},
             Row{{10, 5}, 16, 16, {}, {1, 1}},
             Row{{0, 0}, 16, 16, {}, {1, 1}},
             Row{{-5, 40}, 1, 0, {}, {1, 40}},
         }) {
        GridGeometry grid = GridGeometry::filling(row.area, row.columns, row.rows, row.gap);
        EXPECT_EQ(grid.cell, row.cell) << row.area.x << " x " << row.area.y;
        EXPECT_GE(grid.cellAt({0, 0}), 0) << "a grid always has its first cell";
    }
}

TEST(GridGeometryTest, HitTestingFindsTheCellOrNone)
{
    GridGeometry grid{4, 3, {10, 8}, {2, 1}};
    struct Row {
        Point at;
        int cell;
    };
    for (const Row& row : {
             Row{{0, 0}, 0},
             Row{{9, 7}, 0},
             Row{{10, 0}, -1}, // in the column gap
             Row{{12, 0}, 1},
             Row{{0, 8}, -1}, // in the row gap
             Row{{0, 9}, 4},
             Row{{45, 25}, 11}, // last cell, last dot
             Row{{46, 25}, -1}, // beyond the last column
             Row{{0, 27}, -1},  // beyond the last row
             Row{{-1, 3}, -1},
             Row{{3, -1}, -1},
         }) {
        EXPECT_EQ(grid.cellAt(row.at), row.cell) << row.at.x << ", " << row.at.y;
    }
    EXPECT_EQ(grid.cellRect(6), (Rect{24, 9, 34, 17}));
    EXPECT_EQ(grid.extent(), (Point{46, 26}));
    EXPECT_EQ(grid.blockRect({1, 1, 3, 3}), (Rect{12, 9, 34, 26}));
}

} // namespace
