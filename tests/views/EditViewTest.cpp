#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "framework/SyntheticInput.h"
#include "resources/Accelerators.h"
#include "tests/framework/EventLoop.h"
#include "views/DocumentViews.h"
#include "views/EditView.h"
#include "views/ToolBox.h"
#include "views/ZoomSteps.h"

#include "core/VirtualKey.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef white = 0x00FFFFFF;
constexpr ColorRef red = 0x000000FF;
constexpr ColorRef grey = 0x00808080;
constexpr ColorRef black = 0;

// A full-colour picture of w x h white dots with a red dot at (1, 1), shown in a window of its own.
class EditViewTest : public testing::Test {
protected:
    void open(Point pictureSize, Point windowSize, int32_t zoom)
    {
        document = new BitmapDocument(NewParams::current());
        document->newContent({true, 0, white, {16, 16}, pictureSize}, "", "t");
        document->fillRect({1, 1, 2, 2}, red);
        views = new DocumentViews(nullptr, *document, tools, zoom);
        // Away from the top-left corner, where the pointer of a headless screen rests.
        views->place(Rect::fromSize({300, 300}, windowSize));
        views->show();
        runEvents(50);
    }
    void TearDown() override
    {
        if (views)
            views->destroy();
    }
    EditView& view() const { return views->editView(); }
    ColorRef shown(Point p) const
    {
        view().updateNow();
        return view().surface().pixelAt(p);
    }

    Application& application = testApplication();
    ToolBox tools;
    BitmapDocument* document = nullptr;
    DocumentViews* views = nullptr;
};

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
    ASSERT_TRUE(view().command(801, nullptr));
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
    ASSERT_TRUE(view().command(607, nullptr));
    EXPECT_TRUE(view().isMeshVisible());
    view().invalidateAll();
    // The default mesh is every 64 dots; dot 0 of the picture is on a line.
    Point corner = view().dotToView({0, 0});
    EXPECT_NE(shown({corner.x, corner.y + 10}), white);
    EXPECT_EQ(shown({corner.x + 1, corner.y + 10}), white);
}

} // namespace
