#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "document/UndoRecord.h"
#include "tests/views/RecordingInformation.h"
#include "tests/views/tools/FakeToolEnvironment.h"
#include "views/ZoomSteps.h"
#include "views/tools/HandTool.h"
#include "views/tools/LineTool.h"
#include "views/tools/PencilTool.h"
#include "views/tools/ZoomTool.h"

#include <gtest/gtest.h>

#include <memory>

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
                           Row{{-7, 24}, {16, 16}, {0, 32}}, Row{{5, 9}, {1, 1}, {5, 9}}, Row{{3, 2}, {4, 5}, {4, 0}}})
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

constexpr ColorRef white = 0x00FFFFFF;
constexpr ColorRef red = 0x000000FF;

// A pencil or line in a fake view of a white full-colour picture that draws in red.
class DrawingToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        document = new BitmapDocument(NewParams::current());
        document->newContent({true, 0, white, {4, 4}, {32, 24}}, "", "t");
        document->setDrawingColor(red);
        view.picture = document;
        view.pictureSize = {32, 24};
        view.panel = &information;
    }
    void TearDown() override { delete document; }

    void press(Tool& tool, Point dot, bool shift = false)
    {
        tool.press(FakeToolEnvironment::pressAt(view.pixelOf(dot), shift));
    }
    // The picture's rows, '#' for red.
    std::vector<std::string> rows(Rect area) const
    {
        std::vector<std::string> result;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            std::string row;
            for (int32_t x = area.left; x < area.right; ++x)
                row += document->pixelAt({x, y}) == red ? '#' : '.';
            result.push_back(row);
        }
        return result;
    }

    BitmapDocument* document = nullptr;
    RecordingInformation information;
    FakeToolEnvironment view;
};

using Rows = std::vector<std::string>;

TEST_F(DrawingToolTest, ThePencilFollowsThePointerAndReportsEachNewDot)
{
    PencilTool pencil(view);
    press(pencil, {1, 1});
    view.moveTo({1, 1});
    view.moveTo({4, 1});
    view.moveTo({4, 3});
    view.release({4, 3});
    EXPECT_EQ(rows({0, 0, 6, 4}), (Rows{"......", ".####.", "....#.", "....#."}));
    EXPECT_EQ(information.positions, (std::vector<Point>{{4, 1}, {4, 3}})) << "the press dot is not a move";
    EXPECT_EQ(pencil.lastEnd(), (Point{4, 3}));
}

TEST_F(DrawingToolTest, ShiftLocksTheStrokeToTheAxisOfItsFirstMove)
{
    PencilTool pencil(view);
    press(pencil, {2, 5});
    view.moveTo({5, 6}, true);
    view.moveTo({9, 9}, true);
    view.release({9, 9});
    EXPECT_EQ(rows({0, 4, 11, 7}), (Rows{"...........", "..########.", "..........."}))
        << "a first move mostly to the right keeps the press dot's row";

    press(pencil, {20, 2});
    view.moveTo({21, 5}, true);
    view.moveTo({25, 8}, true);
    view.release({25, 8});
    EXPECT_EQ(rows({19, 2, 22, 9}), (Rows{".#.", ".#.", ".#.", ".#.", ".#.", ".#.", ".#."}))
        << "a first move mostly downwards keeps the press dot's column";
}

TEST_F(DrawingToolTest, ShiftPressJoinsTheLastStrokeEndUntilTheToolChanges)
{
    PencilTool pencil(view);
    press(pencil, {3, 3});
    view.release({3, 3});
    press(pencil, {8, 3}, true);
    view.release({8, 3});
    EXPECT_EQ(rows({2, 3, 10, 4}), (Rows{".######."}));
    pencil.deactivate();
    press(pencil, {8, 10}, true);
    view.release({8, 10});
    EXPECT_EQ(rows({8, 4, 9, 11}), (Rows{".", ".", ".", ".", ".", ".", "#"})) << "no end to join after a tool change";
    press(pencil, {40, 3});
    EXPECT_FALSE(view.isTracking()) << "a press off the picture does nothing";
}

TEST_F(DrawingToolTest, ThePencilPenAndTheCapsLockPointer)
{
    PencilTool pencil(view);
    pencil.setPenIndex(2);
    press(pencil, {10, 10});
    view.release({10, 10});
    EXPECT_EQ(rows({7, 7, 13, 13}), (Rows{"......", "..##..", ".####.", ".####.", "..##..", "......"}))
        << "the 4 x 4 disc centred with its hotspot (-2, -2)";
    EXPECT_EQ(pencil.pointer({}), "PENCIL_CURS");
    view.capsLockOn = true;
    EXPECT_EQ(pencil.pointer({}), "CROSS_POINT_CURS");
}

TEST_F(DrawingToolTest, TheLineDrawsOnReleaseInWholeUnitsAndUndoesAlone)
{
    LineTool line(view);
    view.unit = {4, 4};
    line.setWidth(2);
    press(line, {5, 2});
    view.moveTo({11, 3});
    EXPECT_FALSE(view.invalidated.empty()) << "the thin line shows while dragging";
    EXPECT_EQ(rows({0, 0, 32, 24}), rows({0, 0, 32, 24}));
    EXPECT_EQ(document->pixelAt({6, 4}), white) << "nothing is drawn before the release";
    view.release({11, 3});
    // From (4, 4) to (12, 4) with a 2 x 2 square at d - 1 ... d.
    EXPECT_EQ(rows({2, 2, 14, 6}), (Rows{"............", ".##########.", ".##########.", "............"}));
    document->undo();
    EXPECT_EQ(rows({2, 2, 14, 6}), (Rows{"............", "............", "............", "............"}));
}

} // namespace
