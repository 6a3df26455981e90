#include "tests/views/tools/FakeToolEnvironment.h"
#include "views/tools/AdjustableFrame.h"
#include "views/tools/GridCorner.h"
#include "views/tools/LassoPath.h"
#include "views/tools/RubberBand.h"
#include "views/tools/SelectionDrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string text(Point p)
{
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

TEST(RubberBandTest, TheBandCoversWholeUnitsAndShiftAndCtrlShapeIt)
{
    struct Row {
        Point press, current, unit;
        bool square, centred;
        Rect band;
    };
    for (const Row& row : {
             Row{{3, 3}, {5, 7}, {1, 1}, false, false, {3, 3, 6, 8}},
             Row{{5, 5}, {2, 3}, {1, 1}, false, false, {2, 3, 6, 6}},
             Row{{3, 3}, {13, 13}, {8, 8}, false, false, {0, 0, 16, 16}},
             Row{{1, 1}, {-3, -1}, {2, 2}, false, false, {-4, -2, 2, 2}},
             // Shift: the smaller side, the corner kept at the press.
             Row{{2, 2}, {6, 4}, {1, 1}, true, false, {2, 2, 5, 5}},
             Row{{6, 6}, {2, 4}, {1, 1}, true, false, {4, 4, 7, 7}},
             Row{{0, 0}, {20, 20}, {8, 4}, true, false, {0, 0, 24, 12}},
             // Ctrl: centred on the press's unit.
             Row{{5, 5}, {7, 6}, {1, 1}, false, true, {3, 4, 8, 7}},
             Row{{9, 9}, {17, 5}, {4, 4}, false, true, {0, 4, 20, 16}},
             Row{{5, 5}, {8, 6}, {1, 1}, true, true, {4, 4, 7, 7}},
         }) {
        Rect band = bandRect(row.press, row.current, row.unit, row.square, row.centred);
        EXPECT_EQ(band, row.band) << text(row.press) << " to " << text(row.current) << (row.square ? " Shift" : "")
                                  << (row.centred ? " Ctrl" : "") << ": " << band.left << "," << band.top << ","
                                  << band.right << "," << band.bottom;
    }
}

TEST(RubberBandTest, ADragStartsOnlyOutsideThreePixelsOfThePress)
{
    EXPECT_FALSE(leftStartBox({10, 10}, {13, 7}));
    EXPECT_TRUE(leftStartBox({10, 10}, {14, 10}));
    EXPECT_TRUE(leftStartBox({10, 10}, {10, 6}));
}

TEST(SelectionDragTest, TheOffsetIsInWholeUnitsRoundedDownAndShiftKeepsAnAxisOrADiagonal)
{
    struct Row {
        Point pixels;
        int32_t zoom;
        Point unit;
        bool shift;
        Point offset;
    };
    for (const Row& row : {
             Row{{5, -3}, 1, {1, 1}, false, {5, -3}},
             Row{{7, 9}, 4, {1, 1}, false, {1, 2}},
             Row{{-1, 0}, 4, {1, 1}, false, {-1, 0}},
             Row{{17, -1}, 1, {8, 8}, false, {16, -8}},
             Row{{10, 4}, 1, {1, 1}, true, {10, 0}},
             Row{{10, 6}, 1, {1, 1}, true, {6, 6}},
             Row{{-10, 6}, 1, {1, 1}, true, {-6, 6}},
             Row{{3, -9}, 1, {1, 1}, true, {0, -9}},
             Row{{5, -9}, 1, {1, 1}, true, {5, -5}},
             Row{{4, 4}, 1, {1, 1}, true, {4, 4}},
             Row{{40, 20}, 1, {8, 8}, true, {40, 0}},
             Row{{40, 24}, 1, {8, 8}, true, {24, 24}},
         })
        EXPECT_EQ(dragOffset(row.pixels, row.zoom, row.unit, row.shift), row.offset)
            << text(row.pixels) << " at zoom " << row.zoom << (row.shift ? " with Shift" : "");
}

TEST(LassoPathTest, PointersTakeTheNearestGridCornerOnTheUnit)
{
    struct Row {
        Point pixel;
        int32_t zoom;
        Point unit, corner;
    };
    for (const Row& row : {
             Row{{5, 3}, 4, {1, 1}, {1, 1}},
             Row{{1, 1}, 4, {1, 1}, {0, 0}},
             Row{{2, 6}, 4, {1, 1}, {1, 2}},
             Row{{11, 13}, 1, {8, 8}, {8, 16}},
             Row{{-3, -5}, 1, {8, 8}, {0, -8}},
             Row{{44, 20}, 4, {2, 4}, {12, 4}},
         })
        EXPECT_EQ(nearestGridCorner(row.pixel, row.zoom, row.unit), row.corner) << text(row.pixel);
}

using Points = std::vector<Point>;

// The path through targets, the pointer on each target at zoom 1.
Points pathThrough(const Points& targets, Point unit = {1, 1}, const Points& pointers = {})
{
    LassoPath path;
    for (size_t i = 0; i < targets.size(); ++i)
        path.extend(targets[i], pointers.empty() ? targets[i] : pointers[i], 1, unit);
    return path.points();
}

TEST(LassoPathTest, TheDotPathDropsPointsOnALineAndStepsBack)
{
    struct Row {
        const char* what;
        Points targets, path;
    };
    for (const Row& row : {
             Row{"a straight run keeps its ends", {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, {{0, 0}, {3, 0}}},
             Row{"a diagonal run too", {{0, 0}, {1, 1}, {2, 2}}, {{0, 0}, {2, 2}}},
             Row{"the same corner again adds nothing", {{1, 1}, {1, 1}}, {{1, 1}}},
             Row{"a turn is kept", {{0, 0}, {2, 0}, {2, 2}}, {{0, 0}, {2, 0}, {2, 2}}},
             Row{"back onto the point before takes the last away", {{0, 0}, {2, 0}, {2, 2}, {2, 0}}, {{0, 0}, {2, 0}}},
             Row{"turning back on a line shortens it", {{0, 0}, {3, 0}, {1, 0}}, {{0, 0}, {1, 0}}},
         })
        EXPECT_EQ(pathThrough(row.targets), row.path) << row.what;
}

TEST(LassoPathTest, TheBlockPathWalksAlongBlockEdgesOnTheSideThePointerWentFurther)
{
    EXPECT_EQ(pathThrough({{0, 0}, {16, 8}}, {8, 8}, {{0, 0}, {17, 6}}), (Points{{0, 0}, {16, 0}, {16, 8}}))
        << "further across than down: across first";
    EXPECT_EQ(pathThrough({{0, 0}, {16, 8}}, {8, 8}, {{0, 0}, {16, 8}}), (Points{{0, 0}, {0, 8}, {16, 8}}))
        << "a tie goes down first";
    EXPECT_EQ(pathThrough({{0, 0}, {24, 0}, {16, 0}}, {8, 8}), (Points{{0, 0}, {16, 0}}))
        << "walking back along the edge shortens it";
    EXPECT_EQ(pathThrough({{0, 0}, {0, 16}, {16, 16}, {16, 0}}, {8, 8}), (Points{{0, 0}, {0, 16}, {16, 16}, {16, 0}}));
}

TEST(AdjustableFrameTest, HandlesSitOnTheCornersAndSidesAndCornersWinOnASmallFrame)
{
    Rect shown{10, 10, 50, 30};
    EXPECT_EQ(AdjustableFrame::handleSquare(shown, {-1, -1}), (Rect{7, 7, 14, 14}));
    EXPECT_EQ(AdjustableFrame::handleSquare(shown, {1, 1}), (Rect{46, 26, 53, 33}));
    EXPECT_EQ(AdjustableFrame::handleSquare(shown, {0, -1}), (Rect{27, 7, 34, 14}));
    struct Row {
        Point pixel;
        std::optional<FrameHandle> handle;
    };
    for (const Row& row : {Row{{49, 29}, FrameHandle{1, 1}}, Row{{8, 31}, FrameHandle{-1, 1}},
                           Row{{52, 20}, FrameHandle{1, 0}}, Row{{30, 20}, std::nullopt}, Row{{30, 33}, std::nullopt}})
        EXPECT_EQ(AdjustableFrame::handleAt(shown, row.pixel), row.handle) << text(row.pixel);
    EXPECT_EQ(AdjustableFrame::handleAt({10, 10, 12, 12}, {11, 11}), (FrameHandle{-1, -1}));
}

TEST(AdjustableFrameTest, TheHeldEdgesFollowAndKeepTheMinimumBetweenThem)
{
    Rect frame{2, 2, 10, 8};
    EXPECT_EQ(AdjustableFrame::adjusted(frame, {1, 0}, {20, 0}, {1, 1}), (Rect{2, 2, 20, 8}));
    EXPECT_EQ(AdjustableFrame::adjusted(frame, {-1, -1}, {12, 9}, {1, 1}), (Rect{9, 7, 10, 8}))
        << "dragged past the opposite edges, it stops a dot short";
    EXPECT_EQ(AdjustableFrame::adjusted(frame, {0, 1}, {0, -5}, {4, 4}), (Rect{2, 2, 10, 6}));
}

} // namespace
