#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/DocumentWindows.h"
#include "document/NewParams.h"
#include "document/SelectionCommands.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "resources/CommandIds.h"
#include "tests/core/Listener.h"
#include "tests/views/RecordingInformation.h"
#include "tests/views/tools/FakeToolEnvironment.h"
#include "views/tools/CropTool.h"
#include "views/tools/EllipseTool.h"
#include "views/tools/LassoTool.h"
#include "views/tools/RectTool.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr ColorRef white = 0x00FFFFFF;
constexpr ColorRef red = 0x000000FF;

// A selecting tool in a fake view of a white 32 x 24 full-colour picture with 8 x 8 blocks.
class SelectionToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        document = new BitmapDocument(NewParams::current());
        document->newContent({true, 0, white, {8, 8}, {32, 24}}, "", "t");
        view.picture = document;
        view.pictureSize = {32, 24};
        view.panel = &information;
    }
    void TearDown() override { delete document; }

    void press(Tool& tool, Point dot, bool shift = false, bool control = false)
    {
        tool.press(FakeToolEnvironment::pressAt(view.pixelOf(dot), shift, control));
    }
    // A drag from dot to dot with the keys held all the way.
    void drag(Tool& tool, Point from, Point to, bool shift = false, bool control = false)
    {
        press(tool, from, shift, control);
        view.moveTo(to, shift, control);
        view.release(to, shift, control);
    }
    std::optional<Rect> selected() const
    {
        std::shared_ptr<SelectionRecord> selection = document->selection();
        return selection ? std::optional<Rect>(selection->region.bounds()) : std::nullopt;
    }
    void select(const Rect& rect)
    {
        Region region;
        region.setRect(rect);
        selectionCommands::selectRegion(*document, region);
    }

    BitmapDocument* document = nullptr;
    RecordingInformation information;
    FakeToolEnvironment view;
};

TEST_F(SelectionToolTest, RectSelectsWholeUnitsCutToThePictureInBothUnits)
{
    RectTool rect(view);
    view.zoomFactor = 2;
    drag(rect, {3, 3}, {6, 5});
    EXPECT_EQ(selected(), (Rect{3, 3, 7, 6}));
    ASSERT_FALSE(information.selections.empty());
    EXPECT_EQ(information.selections.back(), (Rect{3, 3, 7, 6})) << "the panel shows the band while dragging";

    document->commitSelection();
    view.unit = {8, 8};
    drag(rect, {3, 3}, {13, 13});
    EXPECT_EQ(selected(), (Rect{0, 0, 16, 16}));

    view.unit = {1, 1};
    drag(rect, {28, 20}, {40, 30});
    EXPECT_EQ(selected(), (Rect{28, 20, 32, 24})) << "a band past the edge selects up to it";
    drag(rect, {5, 5}, {8, 6}, true, true);
    EXPECT_EQ(selected(), (Rect{4, 4, 7, 7})) << "Ctrl+Shift: a square centred on the press";
    document->commitSelection();
    press(rect, {20, 2});
    view.release({25, 4});
    EXPECT_EQ(selected(), (Rect{20, 2, 26, 5})) << "a release where no move was seen ends the band there";
}

TEST_F(SelectionToolTest, AClickWithoutMovingRemovesTheSelectionAndSelectsNothing)
{
    RectTool rect(view);
    view.zoomFactor = 4;
    select({0, 0, 4, 4});
    press(rect, {10, 10});
    Point at = view.pixelOf({10, 10});
    view.moveToPixel({at.x + 3, at.y - 3});
    view.releaseAtPixel({at.x + 3, at.y - 3});
    EXPECT_EQ(selected(), std::nullopt);
}

TEST_F(SelectionToolTest, EllipseSelectsTheEllipseInsideTheBand)
{
    EllipseTool ellipse(view);
    drag(ellipse, {2, 2}, {11, 11});
    std::shared_ptr<SelectionRecord> selection = document->selection();
    ASSERT_TRUE(selection);
    EXPECT_TRUE(selection->region.contains({6, 6}));
    EXPECT_TRUE(selection->region.contains({2, 6}));
    EXPECT_FALSE(selection->region.contains({2, 2})) << "the band's corner is outside the ellipse";
    EXPECT_EQ(ellipse.pointer({}), "CROSS_HAIR_CURS");
}

TEST_F(SelectionToolTest, LassoSelectsInsideItsPathAndNothingForAClick)
{
    LassoTool lasso(view);
    view.zoomFactor = 2;
    press(lasso, {5, 5});
    view.release({5, 5});
    EXPECT_EQ(selected(), std::nullopt) << "a single click";

    press(lasso, {2, 2});
    for (Point p : {Point{6, 2}, Point{10, 2}, Point{10, 10}, Point{2, 10}})
        view.moveTo(p);
    view.release({2, 10});
    EXPECT_EQ(selected(), (Rect{2, 2, 10, 10}));
    EXPECT_FALSE(view.invalidated.empty()) << "the path shows while drawn";
}

TEST_F(SelectionToolTest, LassoInTheBlockUnitFollowsBlockEdges)
{
    LassoTool lasso(view);
    view.unit = {8, 8};
    // Near the corners: every point snaps to a block corner, and the move from (0, 0) to (16, 8)
    // walks along the edges.
    lasso.press(FakeToolEnvironment::pressAt({1, 1}));
    for (Point p : {Point{17, 7}, Point{17, 17}, Point{2, 17}})
        view.moveToPixel(p);
    view.releaseAtPixel({2, 17});
    std::shared_ptr<SelectionRecord> selection = document->selection();
    ASSERT_TRUE(selection);
    Region difference = selection->region;
    difference.xorRect({0, 0, 16, 16});
    EXPECT_TRUE(difference.isEmpty()) << "whole blocks";
    EXPECT_EQ(lasso.pointer({false, false, {4, 4}}), "") << "the arrow over the selection";
    EXPECT_EQ(lasso.pointer({false, false, {20, 20}}), "LASSO_CURS");
    view.capsLockOn = true;
    EXPECT_EQ(lasso.pointer({false, false, {20, 20}}), "CROSS_POINT_CURS");
}

TEST_F(SelectionToolTest, DraggingASelectionMovesItByFlooredUnitsOnceLeavingTheStartBox)
{
    document->fillRect({8, 8, 10, 10}, red);
    RectTool rect(view);
    view.zoomFactor = 2;
    select({8, 8, 16, 16});
    Point at = view.pixelOf({10, 10});

    rect.press(FakeToolEnvironment::pressAt(at));
    view.moveToPixel({at.x + 3, at.y + 3});
    view.releaseAtPixel({at.x + 3, at.y + 3});
    EXPECT_EQ(selected(), (Rect{8, 8, 16, 16})) << "within the start box nothing moves";
    EXPECT_EQ(rect.pointer({false, false, {10, 10}}), "") << "the arrow over the selection";
    EXPECT_EQ(rect.pointer({false, false, {20, 10}}), "CROSS_HAIR_CURS");

    rect.press(FakeToolEnvironment::pressAt(at));
    view.moveToPixel({at.x + 9, at.y + 5});
    EXPECT_EQ(selected(), (Rect{8, 8, 16, 16})) << "the move waits for the release";
    EXPECT_EQ(information.selections.back(), (Rect{12, 10, 20, 18}));
    view.releaseAtPixel({at.x + 9, at.y + 5});
    EXPECT_EQ(selected(), (Rect{12, 10, 20, 18})) << "9 and 5 pixels at zoom 2 are 4 and 2 dots";
    EXPECT_EQ(document->pixelAt({12, 10}), red);
    EXPECT_EQ(document->pixelAt({8, 8}), white) << "a plain move leaves the background";
}

TEST_F(SelectionToolTest, CtrlAtThePressLeavesACopyAndShiftKeepsTheMoveOnAnAxis)
{
    document->fillRect({8, 8, 10, 10}, red);
    RectTool rect(view);
    select({8, 8, 16, 16});
    press(rect, {9, 9}, false, true);
    view.moveTo({18, 12}, true);
    view.release({18, 12}, true);
    EXPECT_EQ(selected(), (Rect{17, 8, 25, 16})) << "9 across and 3 down with Shift: across only";
    document->commitSelection();
    EXPECT_EQ(document->pixelAt({8, 8}), red) << "the copy stays behind";
    EXPECT_EQ(document->pixelAt({17, 8}), red);

    view.unit = {8, 8};
    select({8, 0, 16, 8});
    press(rect, {10, 2});
    view.moveTo({7, 13});
    view.release({7, 13});
    EXPECT_EQ(selected(), (Rect{0, 8, 8, 16})) << "block units, rounded toward minus infinity";
}

TEST_F(SelectionToolTest, UndoOfANewSelectionGivesTheOldFloatingOneBack)
{
    document->fillRect({8, 8, 10, 10}, red);
    RectTool rect(view);
    view.zoomFactor = 2;
    select({8, 8, 16, 16});
    document->selectionPlug().moveBy({4, 0}, false);
    drag(rect, {0, 20}, {5, 23});
    EXPECT_EQ(selected(), (Rect{0, 20, 6, 24}));
    document->undo();
    EXPECT_EQ(selected(), (Rect{12, 8, 20, 16}));
    ASSERT_TRUE(document->selection());
    EXPECT_TRUE(document->selection()->floatingImage) << "still floating";
    EXPECT_EQ(document->pixelAt({12, 8}), red);
    EXPECT_EQ(document->pixelAt({8, 8}), white);
}

struct RecordedWindows : DocumentWindowService {
    void openWindow(Model& document) override { windows.push_back(std::make_unique<Listener>(&document)); }
    std::vector<std::unique_ptr<Listener>> windows;
};

class CropToolTest : public SelectionToolTest {
protected:
    void SetUp() override
    {
        SelectionToolTest::SetUp();
        previous = installDocumentWindows(&windows);
        view.zoomFactor = 4;
        document->fillRect({5, 5, 6, 6}, red);
        drag(crop, {4, 4}, {11, 9});
    }
    void TearDown() override
    {
        installDocumentWindows(previous);
        windows.windows.clear();
        SelectionToolTest::TearDown();
    }

    RecordedWindows windows;
    DocumentWindowService* previous = nullptr;
    CropTool crop{view};
};

TEST_F(CropToolTest, ABandMakesAFrameThatHoldsTheDocumentInteractive)
{
    EXPECT_EQ(crop.frame(), (Rect{4, 4, 12, 10}));
    EXPECT_TRUE(document->interactive().isActive());
    EXPECT_EQ(crop.pointer({false, false, {6, 6}}), "FINISH_CROP_CURS");
    EXPECT_EQ(crop.pointer({true, false, {6, 6}}), "CROP_NEW_CURS");
    EXPECT_EQ(crop.pointer({false, false, {11, 9}}), "") << "the arrow over a handle";
    EXPECT_EQ(crop.pointer({false, false, {20, 20}}), "CROP_CURS");
}

TEST_F(CropToolTest, APressInsideCropsAndUndoAndRedoFollow)
{
    press(crop, {6, 6});
    EXPECT_EQ(crop.frame(), std::nullopt);
    EXPECT_FALSE(document->interactive().isActive());
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 8, 6}));
    EXPECT_EQ(document->pixelAt({1, 1}), red);
    document->undo();
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 32, 24}));
    EXPECT_EQ(document->pixelAt({5, 5}), red);
    document->undo();
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 8, 6})) << "a second undo crops again";
}

TEST_F(CropToolTest, ShiftPressInsideOpensANewDocumentAndLeavesTheSourceAlone)
{
    document->setModified(false);
    press(crop, {6, 6}, true);
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 32, 24}));
    EXPECT_FALSE(document->isModified());
    ASSERT_EQ(windows.windows.size(), 1u);
    auto* copy = interfaceFor<BitmapDocument>(windows.windows[0]->model(), &aspects::BitmapDocument::access);
    ASSERT_NE(copy, document);
    EXPECT_EQ(copy->bounds(), (Rect{0, 0, 8, 6}));
    EXPECT_EQ(copy->pixelAt({1, 1}), red);
    EXPECT_EQ(copy->blockSetting(), (Point{8, 8}));
    EXPECT_TRUE(copy->isModified());
    EXPECT_EQ(copy->title().rfind("Untitled-", 0), 0u);
}

TEST_F(CropToolTest, APressOutsideOrAnotherToolOrSelectNoneOrTheDocumentEndsTheFrame)
{
    press(crop, {20, 20});
    EXPECT_EQ(crop.frame(), std::nullopt);
    EXPECT_FALSE(view.isTracking()) << "the press only cancels";
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 32, 24}));

    drag(crop, {4, 4}, {11, 9});
    crop.deactivate();
    EXPECT_FALSE(document->interactive().isActive());

    drag(crop, {4, 4}, {11, 9});
    EXPECT_TRUE(crop.command(commands::selectNone));
    EXPECT_EQ(crop.frame(), std::nullopt);
    EXPECT_FALSE(crop.command(commands::selectNone)) << "without a frame select none is the document's";

    drag(crop, {4, 4}, {11, 9});
    document->interactive().end();
    EXPECT_EQ(crop.frame(), std::nullopt) << "a revert ends the frame";
}

TEST_F(CropToolTest, HandlesAdjustTheFrameWithinThePicture)
{
    crop.press(FakeToolEnvironment::pressAt(view.pixelOf({11, 9})));
    EXPECT_EQ(crop.pointer({false, false, {20, 20}}), "") << "the arrow while dragging";
    view.moveTo({15, 13});
    view.release({15, 13});
    EXPECT_EQ(crop.frame(), (Rect{4, 4, 15, 13}));
    crop.press(FakeToolEnvironment::pressAt(view.pixelOf({4, 4})));
    view.moveTo({-6, -6});
    view.release({-6, -6});
    EXPECT_EQ(crop.frame(), (Rect{0, 0, 15, 13})) << "the frame stays on the picture";
    view.unit = {8, 8};
    crop.press(FakeToolEnvironment::pressAt(view.pixelOf({15, 13})));
    view.moveTo({21, 18});
    view.release({21, 18});
    EXPECT_EQ(crop.frame(), (Rect{0, 0, 24, 16})) << "in the block unit the edges go to the nearest block corner";
}

TEST_F(CropToolTest, APressWithASelectionOnlyCommitsIt)
{
    crop.deactivate();
    select({0, 0, 4, 4});
    press(crop, {10, 10});
    EXPECT_EQ(selected(), std::nullopt);
    EXPECT_FALSE(view.isTracking());
    EXPECT_EQ(crop.frame(), std::nullopt);
}

} // namespace
