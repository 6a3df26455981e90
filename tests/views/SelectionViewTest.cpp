#include "document/BitmapSelectionPlug.h"
#include "document/SelectionRecord.h"
#include "framework/CursorFlash.h"
#include "framework/MemoryGC.h"
#include "framework/ScriptedKeyState.h"
#include "framework/SyntheticInput.h"
#include "framework/WindowGC.h"
#include "pixels/DIBImage.h"
#include "resources/Accelerators.h"
#include "resources/CommandIds.h"
#include "resources/VirtualKey.h"
#include "tests/views/EditViewFixture.h"
#include "views/BitmapSubView.h"
#include "views/NudgeStep.h"
#include "views/tools/TransformMode.h"

#include <gtest/gtest.h>

namespace {

using namespace editViewColors;
using Visual::KeyEvent;

constexpr ColorRef blue = 0x00FF0000;
constexpr ColorRef marker = 0x0000FF00;
// White seen through the inverting outline.
constexpr ColorRef whiteOutlined = 0x007F7F7F;

class SelectionViewTest : public EditViewFixture {
protected:
    // A selection of rect, floating with dots of one colour.
    void float_(const Rect& rect, ColorRef color)
    {
        auto record = std::make_shared<SelectionRecord>();
        record->region.setRect(rect);
        record->floatingImage = document->image()->newOfSameKind();
        record->floatingImage->create({rect.width(), rect.height()});
        makeGC(*record->floatingImage)->fillRect(record->floatingImage->bounds(), color);
        record->transparentColor = document->backgroundColor();
        document->selectionPlug().setSelection(record);
    }
    void select(const Rect& rect)
    {
        auto record = std::make_shared<SelectionRecord>();
        record->region.setRect(rect);
        document->selectionPlug().setSelection(record);
    }
    Rect selected() const { return document->selection() ? document->selection()->region.bounds() : Rect{}; }
    void blink()
    {
        Timer unused;
        view().outline().tick(unused);
    }
    // A key pressed and released with its repeat count, past the chord window.
    void press(uint32_t key, int repeat = 1, bool shift = false, bool control = false)
    {
        view().keyEvent({KeyEvent::down, key, repeat, "", shift, control});
        view().keyEvent({KeyEvent::up, key, 1, "", shift, control});
    }
};

TEST_F(SelectionViewTest, AFloatingImageShowsOverThePictureAndLeavesItsOldPlaceWhenMoved)
{
    open({16, 12}, {116, 96}, 4);
    float_({4, 2, 6, 4}, blue);
    Point inside = view().dotToView({5, 3});
    EXPECT_EQ(shown({inside.x + 1, inside.y + 1}), blue);
    EXPECT_EQ(document->image()->pixelAt({5, 3}), white) << "the picture under it is untouched";
    Point beside = view().dotToView({6, 3});
    EXPECT_EQ(shown({beside.x + 1, beside.y + 1}), white);

    document->selectionPlug().moveBy({3, 0}, false);
    EXPECT_EQ(shown({inside.x + 1, inside.y + 1}), white) << "the old place shows the picture again";
    Point moved = view().dotToView({8, 3});
    EXPECT_EQ(shown({moved.x + 1, moved.y + 1}), blue);
    EXPECT_EQ(shown(view().dotToView({1, 1})), red);
}

TEST_F(SelectionViewTest, TheOutlineIsMadeAnewOnlyWhenTheSelectionOrTheZoomChanges)
{
    open({64, 64}, {116, 96}, 2);
    select({10, 10, 20, 20});
    const SelectionOutline& outline = view().outline();
    ASSERT_EQ(outline.rebuildCount(), 1);
    view().scrollTo({view().origin().x + 3, view().origin().y + 2});
    blink();
    blink();
    view().setZoom(2, {30, 30});
    shown({0, 0});
    EXPECT_EQ(outline.rebuildCount(), 1) << "scrolling, blinking and the same zoom keep it";
    view().setZoom(3, {30, 30});
    EXPECT_EQ(outline.rebuildCount(), 2);
    document->selectionPlug().moveBy({1, 0}, false);
    EXPECT_EQ(outline.rebuildCount(), 2) << "a move carries the frame along";
    select({10, 10, 21, 20});
    EXPECT_EQ(outline.rebuildCount(), 3) << "another shape makes it anew";
    document->commitSelection();
    EXPECT_EQ(outline.rebuildCount(), 3) << "no selection: nothing to make";
    EXPECT_FALSE(outline.isBlinking()) << "the timer stops with the selection";
}

TEST_F(SelectionViewTest, TheOutlineFramesTheSelectionAtTheZoomAndFollowsScrolling)
{
    open({64, 64}, {116, 96}, 2);
    view().setZoom(2, {32, 32});
    select({20, 20, 30, 30});
    Rect frame = view().dotsToView({20, 20, 30, 30});
    EXPECT_EQ(shown({frame.left, frame.top + 5}), whiteOutlined);
    EXPECT_EQ(shown({frame.right - 1, frame.bottom - 1}), whiteOutlined);
    EXPECT_EQ(shown({frame.left + 1, frame.top + 5}), white) << "one pixel wide";
    EXPECT_EQ(shown({frame.left - 1, frame.top + 5}), white);

    view().scrollTo({view().origin().x + 1, view().origin().y});
    frame = view().dotsToView({20, 20, 30, 30});
    EXPECT_EQ(shown({frame.left, frame.top + 5}), whiteOutlined);
    EXPECT_EQ(shown({frame.left + 2, frame.top + 5}), white) << "no trace where the frame was";

    document->selectionPlug().moveBy({3, 1}, false);
    Rect moved = view().dotsToView({23, 21, 33, 31});
    EXPECT_EQ(shown({moved.left, moved.top + 5}), whiteOutlined) << "the frame goes with a move";
    EXPECT_EQ(shown({moved.right - 1, moved.bottom - 1}), whiteOutlined);
    EXPECT_EQ(shown({frame.left, frame.top + 5}), white) << "and leaves no trace";
}

TEST_F(SelectionViewTest, ABlinkRedrawsTheBandAlone)
{
    setCursorFlashTimeForTests(1000);
    open({64, 64}, {116, 96}, 2);
    view().setZoom(2, {32, 32});
    select({20, 20, 30, 30});
    ASSERT_TRUE(view().outline().isBlinking());
    Rect frame = view().dotsToView({20, 20, 30, 30});
    Point band{frame.left, frame.top + 5}, within{frame.left + 5, frame.top + 5}, without{frame.left - 5, frame.top};
    ASSERT_EQ(shown(band), whiteOutlined);
    {
        // Marks that only a repaint would wipe out.
        WindowGC gc(view().surface());
        gc.fillRect(Rect::fromSize(within, {1, 1}), marker).fillRect(Rect::fromSize(without, {1, 1}), marker);
    }
    blink();
    EXPECT_EQ(shown(band), white) << "the hidden phase";
    EXPECT_EQ(shown(within), marker) << "inside the frame nothing was drawn";
    EXPECT_EQ(shown(without), marker) << "nor outside it";
    blink();
    EXPECT_EQ(shown(band), whiteOutlined);
    EXPECT_EQ(shown(within), marker);

    setCursorFlashTimeForTests(0);
    select({20, 20, 24, 24});
    EXPECT_FALSE(view().outline().isBlinking()) << "a desktop cursor that does not blink: a steady frame";
    setCursorFlashTimeForTests(std::nullopt);
}

TEST(NudgeStep, UnitsShiftAndMeshCells)
{
    struct Row {
        Point unit;
        std::optional<Point> mesh;
        bool shift, control;
        Point step;
    };
    for (const Row& row : {
             Row{{1, 1}, Point{16, 16}, false, false, {1, 1}},
             Row{{1, 1}, Point{16, 16}, true, false, {8, 8}},
             Row{{8, 4}, Point{16, 16}, true, false, {64, 32}},
             Row{{1, 1}, Point{16, 12}, false, true, {16, 12}},
             Row{{8, 5}, Point{20, 12}, false, true, {16, 10}},
             Row{{8, 8}, Point{4, 4}, false, true, {8, 8}},
             Row{{2, 2}, std::nullopt, false, true, {2, 2}},
         })
        EXPECT_EQ(nudgeStep(row.unit, row.mesh, row.shift, row.control), row.step)
            << row.unit.x << "x" << row.unit.y << " shift " << row.shift << " control " << row.control;
}

TEST_F(SelectionViewTest, DirectionKeysNudgeTheSelectionByUnitsTimesTheRepeatCount)
{
    open({128, 128}, {116, 96}, 1);
    tools.setTool(ToolBox::rect);
    document->fillRect({10, 10, 11, 11}, red);
    select({10, 10, 20, 20});
    press(keys::right);
    EXPECT_EQ(selected(), (Rect{11, 10, 21, 20}));
    EXPECT_EQ(document->pixelAt({10, 10}), white) << "a plain selection is cut out as it moves";
    EXPECT_EQ(document->pixelAt({11, 10}), red);
    press(keys::down, 3);
    EXPECT_EQ(selected(), (Rect{11, 13, 21, 23})) << "times the repeat count";
    press(keys::numpad(7), 1, true);
    EXPECT_EQ(selected(), (Rect{3, 5, 13, 15})) << "Shift: 8 units, keypad 7 up and left";

    tools.setUnit(ToolBox::block);
    document->setBlockSize({4, 8});
    press(keys::right, 2);
    EXPECT_EQ(selected(), (Rect{11, 5, 21, 15}));
    document->setMeshSettings({10, 20}, 0);
    press(keys::down, 1, false, true);
    EXPECT_EQ(selected(), (Rect{11, 21, 21, 31})) << "Ctrl: a mesh cell in whole blocks";
    tools.setUnit(ToolBox::dot);

    tools.setTool(ToolBox::draw);
    press(keys::right);
    EXPECT_EQ(selected(), (Rect{11, 21, 21, 31})) << "the Draw tool's square takes the keys";
    tools.setTool(ToolBox::rect);
    document->commitSelection();
    press(keys::right);
    EXPECT_EQ(document->selection(), nullptr);
}

TEST_F(SelectionViewTest, AMouseTransformHoldsTheViewUntilTheToolChangesOrTheSelectionGoes)
{
    open({16, 12}, {116, 96}, 4);
    tools.setTool(ToolBox::pencil);
    EXPECT_TRUE(view().command(commands::rotateWithMouse, nullptr));
    EXPECT_EQ(view().transform(), nullptr) << "nothing to turn";
    select({2, 2, 6, 6});
    view().command(commands::rotateWithMouse, nullptr);
    ASSERT_NE(view().transform(), nullptr);
    EXPECT_TRUE(document->isInteractive());
    syntheticInput::moveMouse(view(), view().dotToView({4, 4}), false);
    EXPECT_EQ(view().pointer(), "HUMMER_CURS");
    syntheticInput::moveMouse(view(), view().dotToView({10, 3}), false);
    EXPECT_EQ(view().pointer(), "STOP_CURS");
    press(keys::right);
    EXPECT_EQ(selected(), (Rect{2, 2, 6, 6})) << "a nudge only beeps";
    tools.setTool(ToolBox::rect);
    EXPECT_EQ(view().transform(), nullptr);
    EXPECT_FALSE(document->isInteractive());

    view().command(commands::scaleWithMouse, nullptr);
    ASSERT_NE(view().transform(), nullptr);
    document->commitSelection();
    EXPECT_EQ(view().transform(), nullptr) << "the selection went";
    EXPECT_FALSE(document->isInteractive());
}

TEST_F(SelectionViewTest, SelectingToolsShowTheArrowOverTheSelection)
{
    open({16, 12}, {116, 96}, 4);
    select({2, 2, 6, 6});
    ScriptedKeyState keyState;
    struct Row {
        int tool;
        bool capsLock;
        const char* inside;
        const char* outside;
    };
    for (const Row& row :
         {Row{ToolBox::rect, false, "", "CROSS_HAIR_CURS"}, Row{ToolBox::ellipse, false, "", "CROSS_HAIR_CURS"},
          Row{ToolBox::lasso, false, "", "LASSO_CURS"}, Row{ToolBox::lasso, true, "", "CROSS_POINT_CURS"},
          Row{ToolBox::text, false, "", "TEXT"}, Row{ToolBox::pencil, false, "PENCIL_CURS", "PENCIL_CURS"},
          Row{ToolBox::eyedropper, true, "EYEDROPPER_CROSS_CURS", "EYEDROPPER_CROSS_CURS"}}) {
        tools.setTool(row.tool);
        keyState.setCapsLock(row.capsLock);
        syntheticInput::moveMouse(view(), view().dotToView({3, 3}), false);
        EXPECT_EQ(view().pointer(), row.inside) << row.tool;
        syntheticInput::moveMouse(view(), view().dotToView({8, 3}), false);
        EXPECT_EQ(view().pointer(), row.outside) << row.tool;
    }
}

TEST_F(SelectionViewTest, TabPicksUpTheFloatingImageWhereItCovers)
{
    open({16, 12}, {116, 96}, 4);
    float_({1, 0, 3, 2}, blue);
    view().command(commands::firstDrawSize + 1, nullptr);
    syntheticInput::pressMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({1, 1}), syntheticInput::Button::left);
    ASSERT_EQ(footprint()->position(), (Point{0, 0}));
    view().keyEvent({KeyEvent::down, keys::tab});
    view().keyEvent({KeyEvent::up, keys::tab});
    document->commitSelection();
    document->fillRect(document->bounds(), white);
    syntheticInput::pressMouse(view(), view().dotToView({8, 8}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({8, 8}), syntheticInput::Button::left);
    view().keyEvent({KeyEvent::down, 'Z'});
    view().keyEvent({KeyEvent::up, 'Z'});
    EXPECT_EQ(document->pixelAt({9, 8}), blue) << "the floating image over (1, 0)";
    EXPECT_EQ(document->pixelAt({9, 9}), blue) << "and over the picture's red dot (1, 1)";
    EXPECT_EQ(document->pixelAt({8, 8}), white) << "the picture where it does not cover";
    EXPECT_EQ(document->pixelAt({8, 9}), white);

    float_({4, 4, 5, 5}, blue);
    view().command(commands::firstDrawSize, nullptr);
    syntheticInput::pressMouse(view(), view().dotToView({4, 4}), syntheticInput::Button::left);
    syntheticInput::releaseMouse(view(), view().dotToView({4, 4}), syntheticInput::Button::left);
    view().keyEvent({KeyEvent::down, keys::tab});
    EXPECT_EQ(document->drawingColor(), blue) << "a one-dot square picks the colour seen";
}

TEST_F(SelectionViewTest, ShowSelectionOnlyFitsTheWindowToTheSelection)
{
    open({64, 64}, {316, 196}, 2);
    Point before = views->size();
    ASSERT_TRUE(views->command(commands::showSelectionOnly, nullptr));
    EXPECT_EQ(views->size(), before) << "no selection: nothing changes";

    select({8, 6, 28, 26});
    views->command(commands::showSelectionOnly, nullptr);
    runEvents(20);
    EXPECT_EQ(view().size(), (Point{40, 40}));
    EXPECT_EQ(views->size(), (Point{40 + DocumentViews::barThickness, 40 + DocumentViews::barThickness}));
    EXPECT_EQ(view().origin(), (Point{8, 6})) << "the selection's corner at the view's";

    views->showSubView(3);
    select({20, 20, 70, 40});
    views->command(commands::showSelectionOnly, nullptr);
    runEvents(20);
    EXPECT_EQ(view().size(), (Point{88, 40})) << "only the part inside the picture";
    EXPECT_EQ(views->subSize().x, 44 * 3 + 3);
    EXPECT_EQ(views->size().x, 44 * 3 + 3 + DocumentViews::splitterThickness + 88 + DocumentViews::barThickness);
}

} // namespace
