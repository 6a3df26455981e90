#include "tests/views/tools/FakeToolEnvironment.h"
#include "views/ZoomSteps.h"
#include "views/tools/HandTool.h"
#include "views/tools/LineTool.h"
#include "views/tools/ZoomTool.h"

#include <gtest/gtest.h>

namespace {

TEST(ZoomToolTest, ZoomsAtThePressedDotAlongTheListAndStopsAtItsEnds)
{
    FakeToolEnvironment view;
    ZoomTool tool(view);
    const ZoomSteps& steps = ZoomSteps::mainSteps();
    view.zoomFactor = steps.at(0);
    EXPECT_EQ(tool.pointer({true, false}), "ZOOM_LIMIT_CURS") << "no zoom below the first";
    EXPECT_EQ(tool.pointer({}), "ZOOM_IN_CURS");
    tool.press(FakeToolEnvironment::pressAt(view.pixelOf({5, 7})));
    ASSERT_EQ(view.zooms.size(), 1u);
    EXPECT_EQ(view.zooms[0], (std::pair{steps.nextHigher(steps.at(0)), Point{5, 7}}));

    tool.press(FakeToolEnvironment::pressAt(view.pixelOf({70, 7})));
    EXPECT_EQ(view.zooms.size(), 1u) << "a press off the picture does nothing";

    view.zoomFactor = steps.at(steps.count() - 1);
    EXPECT_EQ(tool.pointer({}), "ZOOM_LIMIT_CURS");
    tool.press(FakeToolEnvironment::pressAt(view.pixelOf({5, 7})));
    EXPECT_EQ(view.zooms.size(), 1u) << "nothing at the top of the list";
    EXPECT_EQ(tool.pointer({true, false}), "ZOOM_OUT_CURS");
}

TEST(HandToolTest, TheGrabbedDotFollowsThePointerOnlyFromAPressOnThePicture)
{
    FakeToolEnvironment view;
    view.zoomFactor = 2;
    HandTool tool(view);
    tool.press(FakeToolEnvironment::pressAt({-10, 4}));
    EXPECT_FALSE(view.isTracking());
    tool.press(FakeToolEnvironment::pressAt(view.pixelOf({10, 10})));
    view.moveTo({4, 7});
    EXPECT_EQ(view.origin(), (Point{6, 3}));
    view.release({4, 7});
    EXPECT_FALSE(view.isTracking());
}

TEST(LineToolTest, TheStartSnapsToTheNearestUnitWithHalvesAwayFromZero)
{
    struct Row {
        Point dot, unit, start;
    };
    for (const Row& row : {Row{{7, 8}, {16, 16}, {0, 16}}, Row{{-8, 23}, {16, 16}, {-16, 16}},
                           Row{{-7, 24}, {16, 16}, {0, 32}}, Row{{5, 9}, {1, 1}, {5, 9}},
                           Row{{3, 2}, {4, 5}, {4, 0}}})
        EXPECT_EQ(LineTool::startFor(row.dot, row.unit), row.start) << row.dot.x << "," << row.dot.y;
}

TEST(LineToolTest, TheEndMovesInWholeUnitsAndShiftKeepsEightDirections)
{
    struct Row {
        Point start, pointer, unit;
        bool shift;
        Point end;
    };
    for (const Row& row : {
             Row{{0, 0}, {10, 4}, {1, 1}, true, {10, 0}},
             Row{{0, 0}, {10, 6}, {1, 1}, true, {10, 10}},
             Row{{0, 0}, {-10, 5}, {1, 1}, true, {-10, 10}},
             Row{{0, 0}, {-3, -12}, {1, 1}, true, {0, -12}},
             Row{{0, 0}, {10, 6}, {1, 1}, false, {10, 6}},
             Row{{16, 16}, {40, 20}, {16, 16}, false, {48, 16}},
             Row{{16, 16}, {40, 40}, {16, 16}, true, {48, 48}},
         })
        EXPECT_EQ(LineTool::endFor(row.start, row.pointer, row.unit, row.shift), row.end)
            << row.pointer.x << "," << row.pointer.y << (row.shift ? " with Shift" : "");
}

} // namespace
