#include "views/EditView.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/NewParams.h"
#include "document/SelectionRecord.h"
#include "framework/ScriptedKeyState.h"
#include "framework/SyntheticInput.h"
#include "resources/Accelerators.h"
#include "resources/CommandIds.h"
#include "tests/framework/EventLoop.h"
#include "tests/views/EditViewFixture.h"
#include "tests/views/RecordingInformation.h"
#include "views/BitmapSubView.h"
#include "views/ColorPicker.h"
#include "views/DocumentViews.h"
#include "views/ToolBox.h"
#include "views/ZoomSteps.h"

#include "resources/VirtualKey.h"
#include "views/tools/DrawTool.h"
#include "views/tools/LineTool.h"
#include "views/tools/ToolSet.h"

#include <gtest/gtest.h>

namespace {

using namespace editViewColors;

class EditViewTest : public EditViewFixture {};

TEST_F(EditViewTest, ASmallPictureSitsInTheMiddleOnGreyWithABlackFrame)
{
    open({8, 6}, {116, 96}, 4);
    Rect picture = view().dotsToView({0, 0, 8, 6});
    ASSERT_EQ(picture.width(), 32);
    EXPECT_EQ(shown({picture.left, picture.top}), white);
    EXPECT_EQ(shown({picture.left + 4, picture.top + 4}), red) << "dot (1, 1) at zoom 4";
    EXPECT_EQ(shown({picture.left + 7, picture.top + 7}), red);
    EXPECT_EQ(shown({picture.left + 8, picture.top + 4}), white);
    EXPECT_EQ(shown({picture.left - 1, picture.top - 1}), black) << "the frame lies just outside";
    EXPECT_EQ(shown({picture.right, picture.bottom}), black);
    EXPECT_EQ(shown({1, 1}), grey);
    EXPECT_EQ(shown({picture.right + 2, picture.top}), grey);
}

TEST_F(EditViewTest, ALargePictureOpensOnItsTopLeftCornerWhateverSizeTheWindowGrowsTo)
{
    open({400, 300}, {116, 96}, 2);
    EXPECT_EQ(view().origin(), (Point{0, 0}));
    views->place(Rect::fromSize({0, 0}, {716, 516}));
    runEvents(20);
    EXPECT_EQ(view().origin(), (Point{0, 0})) << "a maximised window shows no grey above or left of it";
    EXPECT_EQ(shown({0, 0}), white);

    view().scrollTo({300, 200});
    views->place(Rect::fromSize({0, 0}, {316, 216}));
    runEvents(20);
    Point origin = view().origin();
    EXPECT_LE(origin.x + view().size().x / 2, 400) << "nor any right of or below it";
    EXPECT_LE(origin.y + view().size().y / 2, 300);
}

TEST_F(EditViewTest, ASmallPictureStaysInTheMiddleWhenTheWindowGrows)
{
    open({8, 6}, {116, 96}, 4);
    views->place(Rect::fromSize({0, 0}, {516, 416}));
    runEvents(20);
    Rect picture = view().dotsToView({0, 0, 8, 6});
    EXPECT_LE(std::abs(picture.left - (view().size().x - picture.right)), 4);
    EXPECT_LE(std::abs(picture.top - (view().size().y - picture.bottom)), 4);
}

TEST_F(EditViewTest, ViewPixelsMapToDotsRoundingDownAlsoLeftOfTheOrigin)
{
    open({200, 200}, {116, 96}, 3);
    Point origin = view().origin();
    EXPECT_EQ(view().viewToDot({-1, 5}), (Point{origin.x - 1, origin.y + 1}));
    EXPECT_EQ(view().viewToDots({0, 0, 4, 3}), (Rect{origin.x, origin.y, origin.x + 2, origin.y + 1}));
    EXPECT_EQ(view().dotToView({origin.x + 2, origin.y}), (Point{6, 0}));
}

TEST_F(EditViewTest, ZoomKeysCentreOnTheMiddleAndTheZoomToolStopsAtTheLimit)
{
    open({200, 200}, {116, 96}, 1);
    view().setZoom(1, {100, 100});
    Point before = view().visibleCentre();
    ASSERT_TRUE(view().command(commands::firstMainZoom + 1, nullptr));
    EXPECT_EQ(view().zoom(), ZoomSteps::mainSteps().at(1));
    EXPECT_LE(std::abs(view().visibleCentre().x - before.x), 1);

    tools.setTool(ToolBox::zoom);
    int32_t top = ZoomSteps::mainSteps().at(ZoomSteps::mainSteps().count() - 1);
    view().setZoom(top, {100, 100});
    syntheticInput::moveMouse(view(), {20, 20}, false);
    EXPECT_EQ(view().pointer(), "ZOOM_LIMIT_CURS");
    syntheticInput::pressMouse(view(), {20, 20}, syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), {20, 20}, syntheticInput::Button::left);
    EXPECT_EQ(view().zoom(), top) << "nothing happens at the limit";
    syntheticInput::moveMouse(view(), {20, 20}, false, syntheticInput::Button::left, Accelerator::shift);
    EXPECT_EQ(view().pointer(), "ZOOM_OUT_CURS");
    syntheticInput::pressMouse(view(), {20, 20}, syntheticInput::Button::left, Accelerator::shift);
    EXPECT_EQ(view().zoom(), ZoomSteps::mainSteps().nextLower(top));
}

TEST_F(EditViewTest, TheWheelScrollsByLinesAcrossWithShiftAndZoomsWithCtrlAroundThePointer)
{
    open({400, 400}, {116, 96}, 1);
    view().setZoom(1, {200, 200});
    Point origin = view().origin();
    Point line{std::max(1, view().viewDots().x / 8), std::max(1, view().viewDots().y / 8)};
    syntheticInput::turnWheel(view(), {20, 20}, {0, -120});
    EXPECT_EQ(view().origin(), (Point{origin.x, origin.y + line.y})) << "towards the user: a line down";
    syntheticInput::turnWheel(view(), {20, 20}, {0, 240}, Accelerator::shift);
    EXPECT_EQ(view().origin(), (Point{origin.x - 2 * line.x, origin.y + line.y})) << "Shift: two lines left";
    syntheticInput::turnWheel(view(), {20, 20}, {0, 60});
    EXPECT_EQ(view().origin(), (Point{origin.x - 2 * line.x, origin.y + line.y})) << "half a notch waits";
    syntheticInput::turnWheel(view(), {20, 20}, {0, 60});
    EXPECT_EQ(view().origin(), (Point{origin.x - 2 * line.x, origin.y})) << "the second half makes a line up";

    Point dot = view().viewToDot({20, 30});
    syntheticInput::turnWheel(view(), {20, 30}, {0, 120}, Accelerator::control);
    ASSERT_EQ(view().zoom(), ZoomSteps::mainSteps().nextHigher(1));
    EXPECT_LE(std::abs(view().visibleCentre().x - dot.x), 1) << "the dot under the pointer comes to the middle";
    EXPECT_LE(std::abs(view().visibleCentre().y - dot.y), 1);
    syntheticInput::turnWheel(view(), {20, 30}, {0, -120}, Accelerator::control);
    EXPECT_EQ(view().zoom(), 1);

    int32_t top = ZoomSteps::mainSteps().at(ZoomSteps::mainSteps().count() - 1);
    view().setZoom(top, {200, 200});
    origin = view().origin();
    syntheticInput::turnWheel(view(), {20, 30}, {0, 120}, Accelerator::control);
    EXPECT_EQ(view().zoom(), top);
    EXPECT_EQ(view().origin(), origin) << "at the limit nothing moves";
}

TEST_F(EditViewTest, TheRightButtonPicksTheColourWhateverTheTool)
{
    open({8, 6}, {116, 96}, 4);
    tools.setTool(ToolBox::pencil);
    Point onRed = view().dotToView({1, 1});
    syntheticInput::pressMouse(view(), onRed, syntheticInput::Button::right);
    EXPECT_EQ(document->drawingColor(), red);
    syntheticInput::moveMouse(view(), view().dotToView({3, 3}), true, syntheticInput::Button::right);
    EXPECT_EQ(document->drawingColor(), white) << "the pick follows the pointer while the button is held";
    syntheticInput::releaseMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::right);
    EXPECT_EQ(document->drawingColor(), white) << "the release picks nothing";
    syntheticInput::pressMouse(view(), onRed, syntheticInput::Button::right, Accelerator::shift);
    EXPECT_EQ(document->backgroundColor(), red) << "Shift picks the background colour";
}

TEST_F(EditViewTest, TheHandKeepsTheGrabbedDotUnderThePointerAndThePictureInView)
{
    open({400, 400}, {116, 96}, 2);
    tools.setTool(ToolBox::hand);
    view().setZoom(2, {200, 200});
    Point origin = view().origin();
    syntheticInput::pressMouse(view(), {50, 50}, syntheticInput::Button::left);
    syntheticInput::moveMouse(view(), {30, 40}, true);
    EXPECT_EQ(view().origin(), (Point{origin.x + 10, origin.y + 5}));
    syntheticInput::moveMouse(view(), {5000, 5000}, true);
    EXPECT_GE(view().origin().x, -view().viewDots().x + 1) << "at least one dot stays in view";
    syntheticInput::releaseMouse(view(), {5000, 5000}, syntheticInput::Button::left);
    EXPECT_FALSE(view().isTracking());
}

TEST_F(EditViewTest, ScrollingRedrawsOnlyWhatWasUncoveredAndShowsThePictureRight)
{
    open({400, 400}, {116, 96}, 1);
    view().setZoom(1, {200, 200});
    view().updateNow();
    Point origin = view().origin();
    document->fillRect({origin.x + 10, origin.y, origin.x + 11, origin.y + 1}, red);
    view().updateNow();
    view().scrollTo({origin.x + 5, origin.y});
    EXPECT_EQ(view().surface().pixelAt({5, 0}), red) << "moved pixels stay right";
    EXPECT_EQ(shown({view().size().x - 1, 0}), white);
}

TEST_F(EditViewTest, TheMeshIsDrawnOnTheImageGrid)
{
    open({64, 64}, {116, 96}, 1);
    view().setZoom(1, {32, 32});
    ASSERT_TRUE(view().command(commands::toggleMesh, nullptr));
    EXPECT_TRUE(view().isMeshVisible());
    view().invalidateAll();
    // The default mesh is every 64 dots; dot 0 of the picture is on a line.
    Point corner = view().dotToView({0, 0});
    EXPECT_NE(shown({corner.x, corner.y + 10}), white);
    EXPECT_EQ(shown({corner.x + 1, corner.y + 10}), white);
}

TEST_F(EditViewTest, TheSubViewComesWithItsKeysFollowsTheMainViewAndLeavesWithAMainZoom)
{
    open({400, 400}, {316, 196}, 1);
    ASSERT_TRUE(views->command(commands::firstSubZoom + 1, nullptr));
    ASSERT_NE(views->subView(), nullptr);
    EXPECT_EQ(views->subView()->magnification(), ZoomSteps::subSteps().at(1));
    EXPECT_EQ(views->subSize().x, 316 / 3);
    EXPECT_EQ(view().dotToView({view().origin().x, 0}).x, 0);

    view().scrollTo({view().origin().x + 40, view().origin().y + 20});
    Point main = view().visibleCentre(), sub = views->subView()->visibleCentre();
    EXPECT_LE(std::abs(main.x - sub.x), 1);
    EXPECT_LE(std::abs(main.y - sub.y), 1);

    views->command(commands::subViewNone + 3, nullptr);
    EXPECT_EQ(views->subView()->magnification(), 3);
    views->command(commands::firstMainZoom + 2, nullptr);
    EXPECT_EQ(views->subView(), nullptr) << "a main zoom key gives the window back to the main view";
    EXPECT_EQ(view().zoom(), ZoomSteps::mainSteps().at(2));
}

TEST_F(EditViewTest, SplittersResizeTheColumnWithinItsLimits)
{
    open({400, 400}, {316, 196}, 1);
    views->showSubView(2);
    Point edge{views->subSize().x + 1, 50};
    syntheticInput::moveMouse(*views, edge, false);
    EXPECT_EQ(views->pointer(), "SLIDE_HRZ_CURS");
    syntheticInput::pressMouse(*views, edge, syntheticInput::Button::left);
    syntheticInput::moveMouse(*views, {150, 50}, true);
    EXPECT_EQ(views->subSize().x, 150);
    syntheticInput::moveMouse(*views, {2, 50}, true);
    EXPECT_EQ(views->subSize().x, DocumentViews::minimumPane);
    syntheticInput::releaseMouse(*views, {2, 50}, syntheticInput::Button::left);
    views->command(commands::subViewNone, nullptr);
    EXPECT_EQ(views->subView(), nullptr);
}

TEST_F(EditViewTest, MeshCellsStepAlongRowsAndWrap)
{
    open({256, 256}, {116, 96}, 1);
    view().setZoom(1, {32, 32});
    Point origin = view().origin();
    view().command(commands::nextMeshCell, nullptr);
    EXPECT_EQ(view().origin(), (Point{origin.x + 64, origin.y})) << "the next cell shows where the old one was";
    view().setZoom(1, {200, 32});
    origin = view().origin();
    view().command(commands::nextMeshCell, nullptr);
    EXPECT_EQ(view().origin(), (Point{origin.x - 192, origin.y + 64})) << "past the row's end: the next row's start";
    view().setZoom(1, {32, 32});
    origin = view().origin();
    view().command(commands::previousMeshCell, nullptr);
    EXPECT_EQ(view().origin(), (Point{origin.x + 192, origin.y + 192})) << "before the first cell: the last one";
}

TEST_F(EditViewTest, APictureSmallerThanOneMeshCellStaysPut)
{
    open({10, 10}, {116, 96}, 1);
    Point origin = view().origin();
    view().command(commands::nextMeshCell, nullptr);
    view().command(commands::previousMeshCell, nullptr);
    EXPECT_EQ(view().origin(), origin);
}

TEST_F(EditViewTest, TheDrawSquareSnapsToItsSizeAndMovesByIt)
{
    open({64, 64}, {116, 96}, 1);
    view().setZoom(1, {32, 32});
    ASSERT_TRUE(view().command(commands::firstDrawSize + 3, nullptr)) << "draw size 8";
    EXPECT_EQ(tools.tool(), ToolBox::draw);
    syntheticInput::pressMouse(view(), view().dotToView({13, 21}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({13, 21}), syntheticInput::Button::left);
    EXPECT_EQ(footprint()->position(), (Point{8, 16}));

    view().command(commands::firstDrawSize + 2, nullptr);
    EXPECT_EQ(footprint()->position(), (Point{8, 16}));
    syntheticInput::pressKey(view(), keys::right, Accelerator::shift);
    EXPECT_EQ(footprint()->position(), (Point{40, 16})) << "Shift moves 8 squares of 4";
    syntheticInput::pressKey(view(), keys::right, Accelerator::shift);
    EXPECT_EQ(footprint()->position(), (Point{60, 16})) << "never past the picture's edge";
}

TEST_F(EditViewTest, TheDrawSquaresFrameStandsOutOnGreyWhiteAndBlack)
{
    open({16, 16}, {116, 96}, 4);
    ASSERT_TRUE(view().command(commands::firstDrawSize + 2, nullptr)) << "draw size 4";
    Rect square = view().dotsToView(footprint()->rect());
    auto channelsApart = [](ColorRef a, ColorRef b) {
        int least = 255;
        for (int shift : {0, 8, 16})
            least = std::min(least, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
        return least;
    };
    for (ColorRef picture : {grey, white, black, ColorRef(0x007F7F7F)}) {
        document->fillRect({0, 0, 16, 16}, picture);
        view().invalidateAll();
        EXPECT_GE(channelsApart(shown({square.left, square.top}), picture), 0x60) << std::hex << picture;
        EXPECT_GE(channelsApart(shown({square.right - 1, square.bottom - 1}), picture), 0x60) << std::hex << picture;
        EXPECT_EQ(shown({square.left + 1, square.top + 1}), picture) << "inside the frame the picture shows";
    }
}

TEST_F(EditViewTest, TwoArrowsWithinTheChordWindowMakeOneDiagonalStep)
{
    open({64, 64}, {116, 96}, 1);
    view().command(commands::firstDrawSize, nullptr);
    view().command(commands::firstDrawSize, nullptr);
    syntheticInput::moveMouse(view(), view().dotToView({10, 10}), false);
    syntheticInput::pressMouse(view(), view().dotToView({10, 10}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({10, 10}), syntheticInput::Button::left);
    view().keyEvent({Visual::KeyEvent::down, keys::right});
    EXPECT_EQ(footprint()->position(), (Point{10, 10})) << "the first key waits";
    view().keyEvent({Visual::KeyEvent::down, keys::up});
    EXPECT_EQ(footprint()->position(), (Point{11, 9}));
    view().keyEvent({Visual::KeyEvent::up, keys::up});
    view().keyEvent({Visual::KeyEvent::up, keys::right});
    EXPECT_EQ(footprint()->position(), (Point{11, 9})) << "one step for the chord";
    view().keyEvent({Visual::KeyEvent::down, keys::left});
    runEvents(0, [&] { return footprint()->position() == Point{10, 9}; });
    EXPECT_EQ(footprint()->position(), (Point{10, 9})) << "a lone key steps when the window closes";
    view().keyEvent({Visual::KeyEvent::up, keys::left});

    syntheticInput::pressKey(view(), keys::numpad(9), 0);
    EXPECT_EQ(footprint()->position(), (Point{11, 8})) << "keypad 9 is up and right at once";
}

TEST_F(EditViewTest, AStampStaysInsideThePictureAndUndoes)
{
    open({10, 10}, {116, 96}, 4);
    document->setDrawingColor(red);
    view().command(commands::lastDrawSize, nullptr);
    ASSERT_EQ(footprint()->position(), (Point{0, 0})) << "a square larger than the picture starts at 0";
    view().keyEvent({Visual::KeyEvent::down, 'Z'});
    view().keyEvent({Visual::KeyEvent::up, 'Z'});
    EXPECT_EQ(document->pixelAt({9, 9}), red) << "the stamp is cut to the picture";
    document->undo();
    EXPECT_EQ(document->pixelAt({9, 9}), white);
}

TEST_F(EditViewTest, APickedUpPatternStampsBackWhatWasUnderTheSquare)
{
    open({10, 10}, {116, 96}, 4);
    view().command(commands::firstDrawSize + 1, nullptr);
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    ASSERT_EQ(footprint()->position(), (Point{0, 0}));
    view().keyEvent({Visual::KeyEvent::down, keys::tab});
    view().keyEvent({Visual::KeyEvent::up, keys::tab});
    EXPECT_TRUE(footprint()->holdsPattern());
    document->fillRect({0, 0, 10, 10}, white);
    view().keyEvent({Visual::KeyEvent::down, 'Z'});
    EXPECT_EQ(document->pixelAt({0, 0}), white);
    EXPECT_EQ(document->pixelAt({1, 1}), red);
}

TEST_F(EditViewTest, EachToolShowsItsPointerOverThePictureAndTheArrowElsewhere)
{
    open({8, 6}, {116, 96}, 4);
    struct Row {
        int tool;
        uint8_t modifiers;
        const char* pointer;
    };
    for (const Row& row : {Row{ToolBox::rect, 0, "CROSS_HAIR_CURS"}, Row{ToolBox::lasso, 0, "LASSO_CURS"},
                           Row{ToolBox::crop, 0, "CROP_CURS"}, Row{ToolBox::hand, 0, "HAND_CURS"},
                           Row{ToolBox::eyedropper, 0, "EYEDROPPER_CURS"}, Row{ToolBox::pencil, 0, "PENCIL_CURS"},
                           Row{ToolBox::bucket, 0, "BUCKET_CURS"}, Row{ToolBox::text, 0, "TEXT"},
                           Row{ToolBox::bucket, Accelerator::shift, "BUCKET_CURS"}, Row{ToolBox::draw, 0, ""}}) {
        tools.setTool(row.tool);
        syntheticInput::moveMouse(view(), view().dotToView({2, 2}), false, syntheticInput::Button::left, row.modifiers);
        EXPECT_EQ(view().pointer(), row.pointer) << row.tool;
    }
    tools.setTool(ToolBox::pencil);
    syntheticInput::moveMouse(view(), {1, 1}, false);
    EXPECT_EQ(view().pointer(), "") << "off the picture";
    view().keyEvent({Visual::KeyEvent::down, keys::space});
    syntheticInput::moveMouse(view(), view().dotToView({2, 2}), false);
    EXPECT_EQ(view().pointer(), "HAND_CURS") << "Space holds the hand";
    view().keyEvent({Visual::KeyEvent::up, keys::space});
}

TEST_F(EditViewTest, ACropFrameShowsItsPointersAndEndsWithTheTool)
{
    open({8, 6}, {116, 96}, 4);
    tools.setTool(ToolBox::crop);
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    syntheticInput::moveMouse(view(), view().dotToView({6, 4}), true);
    syntheticInput::releaseMouse(view(), view().dotToView({6, 4}), syntheticInput::Button::left);
    EXPECT_TRUE(document->isInteractive());
    Point inside = view().dotToView({4, 3});
    syntheticInput::moveMouse(view(), inside, false);
    EXPECT_EQ(view().pointer(), "FINISH_CROP_CURS");
    syntheticInput::moveMouse(view(), inside, false, syntheticInput::Button::left, Accelerator::shift);
    EXPECT_EQ(view().pointer(), "CROP_NEW_CURS");
    tools.setTool(ToolBox::rect);
    EXPECT_FALSE(document->isInteractive());

    tools.setTool(ToolBox::crop);
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    syntheticInput::moveMouse(view(), view().dotToView({6, 4}), true);
    syntheticInput::releaseMouse(view(), view().dotToView({6, 4}), syntheticInput::Button::left);
    syntheticInput::pressMouse(view(), inside, syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), inside, syntheticInput::Button::left);
    EXPECT_EQ(view().imageBounds(), (Rect{0, 0, 6, 4})) << "the view follows the cropped picture";
}

TEST_F(EditViewTest, CapsLockTurnsThePointingToolsIntoAPreciseCross)
{
    open({8, 6}, {116, 96}, 4);
    ScriptedKeyState keyState;
    keyState.setCapsLock(true);
    struct Row {
        int tool;
        const char* pointer;
    };
    for (const Row& row : {Row{ToolBox::lasso, "CROSS_POINT_CURS"}, Row{ToolBox::crop, "CROSS_POINT_CURS"},
                           Row{ToolBox::pencil, "CROSS_POINT_CURS"}, Row{ToolBox::bucket, "CROSS_POINT_CURS"},
                           Row{ToolBox::eyedropper, "EYEDROPPER_CROSS_CURS"}, Row{ToolBox::rect, "CROSS_HAIR_CURS"},
                           Row{ToolBox::line, "CROSS_HAIR_CURS"}}) {
        tools.setTool(row.tool);
        syntheticInput::moveMouse(view(), view().dotToView({2, 2}), false);
        EXPECT_EQ(view().pointer(), row.pointer) << row.tool;
    }
    tools.setTool(ToolBox::pencil);
    view().keyEvent({Visual::KeyEvent::down, keys::tab});
    syntheticInput::moveMouse(view(), view().dotToView({2, 2}), false);
    EXPECT_EQ(view().pointer(), "EYEDROPPER_CROSS_CURS") << "Tab calls up the eyedropper with its own rule";
    view().keyEvent({Visual::KeyEvent::up, keys::tab});
}

TEST_F(EditViewTest, TheLineShowsWhereItGoesAndDrawsInBlocksOnRelease)
{
    open({40, 20}, {200, 120}, 4);
    view().setZoom(4, {20, 10});
    tools.setTool(ToolBox::line);
    tools.setUnit(ToolBox::block);
    document->setBlockSize({4, 4});
    document->setDrawingColor(red);
    syntheticInput::pressMouse(view(), view().dotToView({5, 6}), syntheticInput::Button::left);
    syntheticInput::moveMouse(view(), view().dotToView({13, 7}), true);
    // From (4, 8) to (12, 8): the thin line runs between the dots' centres, over white.
    Point centre = view().dotToView({8, 8});
    EXPECT_NE(shown({centre.x + 2, centre.y + 2}), white) << "the feedback line";
    EXPECT_EQ(document->pixelAt({8, 8}), white) << "nothing drawn before the release";
    syntheticInput::releaseMouse(view(), view().dotToView({13, 7}), syntheticInput::Button::left);
    for (int32_t x = 4; x <= 12; ++x)
        EXPECT_EQ(document->pixelAt({x, 8}), red) << x;
    EXPECT_EQ(document->pixelAt({13, 8}), white);
    EXPECT_EQ(document->pixelAt({8, 9}), white) << "width 1";
    EXPECT_EQ(shown({centre.x + 2, centre.y + 2}), red) << "the feedback is gone and the line shows";
    tools.setUnit(ToolBox::dot);
}

struct RecordingTarget : ColorPickerTarget {
    ColorRef convert(ColorRef color) override { return color | 0x01000000u; }
    void picked(ColorRef color, bool second) override { picks.push_back({color, second}); }
    std::vector<std::pair<ColorRef, bool>> picks;
};

TEST_F(EditViewTest, APickerTargetTakesThePicksInsteadOfTheDocument)
{
    open({8, 6}, {116, 96}, 4);
    tools.setTool(ToolBox::pencil);
    auto* picker = interfaceFor<ColorPicker>(&view(), &aspects::EditView::colorPicker);
    ASSERT_NE(picker, nullptr);
    RecordingTarget target;
    picker->setTarget(&target);
    ColorRef before = document->drawingColor();
    syntheticInput::moveMouse(view(), view().dotToView({1, 1}), false);
    EXPECT_EQ(view().pointer(), "EYEDROPPER_CURS");
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    syntheticInput::moveMouse(view(), view().dotToView({2, 1}), true);
    syntheticInput::releaseMouse(view(), view().dotToView({2, 1}), syntheticInput::Button::left);
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left, Accelerator::shift);
    syntheticInput::releaseMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    using Pick = std::pair<ColorRef, bool>;
    EXPECT_EQ(target.picks,
              (std::vector<Pick>{{red | 0x01000000u, false}, {white | 0x01000000u, false}, {red | 0x01000000u, true}}));
    EXPECT_EQ(document->drawingColor(), before);
    picker->setTarget(nullptr);
    syntheticInput::moveMouse(view(), view().dotToView({1, 1}), false);
    EXPECT_EQ(view().pointer(), "PENCIL_CURS");

    // The dialog ends, its target with it, while the button is still held: the gesture picks no more.
    auto gone = std::make_unique<RecordingTarget>();
    picker->setTarget(gone.get());
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    picker->setTarget(nullptr);
    gone.reset();
    syntheticInput::moveMouse(view(), view().dotToView({2, 1}), true);
    syntheticInput::releaseMouse(view(), view().dotToView({2, 1}), syntheticInput::Button::left);
    EXPECT_EQ(document->drawingColor(), before);
}

TEST_F(EditViewTest, ThePointerPositionAndTheEyedropperColourAreReported)
{
    open({8, 6}, {116, 96}, 4);
    RecordingInformation information;
    view().setInformation(&information);
    tools.setTool(ToolBox::eyedropper);
    information.positions.clear();
    information.colors.clear();
    syntheticInput::moveMouse(view(), view().dotToView({1, 1}), false);
    syntheticInput::moveMouse(view(), {0, 0}, false);
    ASSERT_EQ(information.positions.size(), 2u);
    EXPECT_EQ(information.positions[0], (Point{1, 1}));
    EXPECT_EQ(information.positions[1], view().viewToDot({0, 0})) << "off the picture, still over the view";
    ASSERT_EQ(information.colors.size(), 1u) << "no colour off the picture";
    EXPECT_EQ(information.colors[0], std::pair(red, true));
    view().setInformation(nullptr);
}

TEST_F(EditViewTest, EachToolShowsItsSubPanelsAndTheSelectionItsOwn)
{
    open({8, 6}, {116, 96}, 4);
    RecordingInformation information;
    view().setInformation(&information);
    auto shown = [&](InformationDisplay::Sub sub) { return information.isSubShown(sub); };
    struct Row {
        int32_t tool;
        bool footprint;
        bool color;
    };
    for (Row row : {Row{ToolBox::eyedropper, false, true}, Row{ToolBox::draw, true, true},
                    Row{ToolBox::pencil, false, false}, Row{ToolBox::rect, false, false}}) {
        tools.setTool(row.tool);
        EXPECT_EQ(shown(InformationDisplay::footprint), row.footprint) << "tool " << row.tool;
        EXPECT_EQ(shown(InformationDisplay::color), row.color) << "tool " << row.tool;
    }
    EXPECT_FALSE(shown(InformationDisplay::selection));
    auto record = std::make_shared<SelectionRecord>();
    record->region.setRect({1, 1, 4, 3});
    document->selectionPlug().setSelection(record);
    EXPECT_TRUE(shown(InformationDisplay::selection));
    EXPECT_EQ(information.selections.back(), (Rect{1, 1, 4, 3}));
    document->selectionPlug().setSelection(nullptr);
    EXPECT_FALSE(shown(InformationDisplay::selection));
    view().setInformation(nullptr);
}

TEST_F(EditViewTest, ARightButtonPickShowsTheColourOnlyWhileItLasts)
{
    open({8, 6}, {116, 96}, 4);
    RecordingInformation information;
    view().setInformation(&information);
    tools.setTool(ToolBox::pencil);
    ASSERT_FALSE(information.isSubShown(InformationDisplay::color));
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::right);
    EXPECT_TRUE(information.isSubShown(InformationDisplay::color));
    EXPECT_EQ(information.colors.back(), std::pair(red, true));
    syntheticInput::releaseMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::right);
    EXPECT_FALSE(information.isSubShown(InformationDisplay::color)) << "hidden again";

    tools.setTool(ToolBox::eyedropper);
    syntheticInput::pressMouse(view(), view().dotToView({2, 2}), syntheticInput::Button::right);
    syntheticInput::releaseMouse(view(), view().dotToView({2, 2}), syntheticInput::Button::right);
    EXPECT_TRUE(information.isSubShown(InformationDisplay::color)) << "the eyedropper keeps it";
    view().setInformation(nullptr);
}

TEST_F(EditViewTest, TheDrawSquareReportsItsDotAndColourAndHomeMakesItTheOrigin)
{
    open({64, 64}, {116, 96}, 1);
    RecordingInformation information;
    view().setInformation(&information);
    view().setZoom(1, {32, 32});
    ASSERT_TRUE(view().command(commands::firstDrawSize + 3, nullptr)) << "draw size 8";
    syntheticInput::pressMouse(view(), view().dotToView({13, 21}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({13, 21}), syntheticInput::Button::left);
    EXPECT_EQ(information.footprints.back(), (Point{8, 16}));
    EXPECT_EQ(information.colors.back(), std::pair(white, true));

    document->setModified(false);
    syntheticInput::pressKey(view(), keys::home, 0);
    EXPECT_EQ(document->information().offset(), (Point{8, 16}));
    EXPECT_TRUE(document->isModified());
    view().setInformation(nullptr);
}

TEST_F(EditViewTest, AViewThatGoesLetsGoOfItsPanel)
{
    open({8, 6}, {116, 96}, 4);
    RecordingInformation information;
    view().setInformation(&information);
    views->destroy();
    views = nullptr;
    EXPECT_EQ(information.rebinds, std::vector<EditView*>{nullptr});
}

} // namespace
