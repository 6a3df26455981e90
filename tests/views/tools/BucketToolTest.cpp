#include "views/tools/BucketTool.h"
#include "base/BusyPointer.h"
#include "base/ScopedService.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "document/SelectionCommands.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "palette/ColorSelectionModel.h"
#include "panels/PaletteGrid.h"
#include "panels/PaletteGridDialog.h"
#include "pixels/Region.h"
#include "resources/Accelerators.h"
#include "resources/CommandIds.h"
#include "resources/VirtualKey.h"
#include "tests/framework/DialogControls.h"
#include "tests/views/EditViewFixture.h"
#include "tests/views/tools/FakeToolEnvironment.h"
#include "views/tools/BorderColorsDialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::string>;

// '.' '#' 'o' are three colours; '*' is the drawing colour.
ColorRef colorOf(char dot, bool fullColor)
{
    int k = int(std::string(".#o*").find(dot));
    return fullColor ? rgb(uint8_t(50 * k), 0, 0) : paletteIndex(uint8_t(k == 3 ? 9 : k));
}

// A bucket in a fake view, at zoom 2, of a picture made of rows.
class BucketToolTest : public testing::Test {
protected:
    void open(const Rows& dots, bool fullColor)
    {
        document.reset(new BitmapDocument(NewParams::current()));
        Point size{int32_t(dots[0].size()), int32_t(dots.size())};
        document->newContent({fullColor, 0, rgb(0, 0, 0), {4, 4}, size}, "/nonexistent/default.rgb", "t");
        for (int32_t y = 0; y < size.y; ++y)
            for (int32_t x = 0; x < size.x; ++x)
                document->fillRect({x, y, x + 1, y + 1}, colorOf(dots[size_t(y)][size_t(x)], fullColor));
        document->setDrawingColor(colorOf('*', fullColor));
        document->setBorderColors({1});
        view.picture = document.get();
        view.pictureSize = size;
        view.zoomFactor = 2;
    }
    void press(Point dot, bool shift = false) { tool.press(FakeToolEnvironment::pressAt(view.pixelOf(dot), shift)); }
    Rows rows() const
    {
        Rows result;
        for (int32_t y = 0; y < view.pictureSize.y; ++y) {
            std::string row;
            for (int32_t x = 0; x < view.pictureSize.x; ++x)
                for (char k : std::string(".#o*"))
                    if (document->pixelAt({x, y}) == colorOf(k, document->isFullColor()))
                        row += k;
            result.push_back(row);
        }
        return result;
    }

    struct Deleter {
        void operator()(BitmapDocument* d) const { delete d; }
    };
    Application& application = testApplication();
    std::unique_ptr<BitmapDocument, Deleter> document;
    FakeToolEnvironment view;
    BucketTool tool{view};
};

const Rows walls = {"..#...", "..#.o.", "..####", "......"};

// Counts the times the wait pointer shows.
class CountingBusyPointer : public BusyPointerService {
public:
    void showWait() override { ++waits; }
    void restore() override {}
    void discardInput() override {}
    int waits = 0;

private:
    ScopedService<installBusyPointerService> m_installed{this};
};

TEST_F(BucketToolTest, APressFillsTheAreaInEitherUnitAndDepthAndUndoesAsOneStep)
{
    for (bool fullColor : {false, true})
        for (Point unit : {Point{1, 1}, Point{4, 4}}) {
            SCOPED_TRACE(testing::Message() << (fullColor ? "full colour" : "8-bit") << ", unit " << unit.x);
            open(walls, fullColor);
            view.unit = unit;
            CountingBusyPointer busy;
            press({1, 3});
            EXPECT_EQ(busy.waits, 1) << "the wait pointer shows while it fills";
            EXPECT_EQ(rows(), (Rows{"**#...", "**#.o.", "**####", "******"})) << "a fill is dot by dot in any unit";
            press({3, 0}, true);
            Rows second = fullColor ? Rows{"**#***", "**#*o*", "**####", "******"}  // Shift is a plain fill
                                    : Rows{"**#***", "**#***", "**####", "******"}; // up to the border colour '#'
            EXPECT_EQ(rows(), second);
            document->undo();
            EXPECT_EQ(rows(), (Rows{"**#...", "**#.o.", "**####", "******"})) << "only the last fill goes";
            EXPECT_EQ(view.beeps, 0);
        }
}

TEST_F(BucketToolTest, PressesOutsideThePictureOrTheSelectionBeepAndChangeNothing)
{
    open(walls, false);
    press({6, 0});
    press({-1, 2}, true);
    EXPECT_EQ(view.beeps, 2);
    Region region;
    region.setRect({0, 0, 2, 2});
    selectionCommands::select(*document, region);
    press({4, 3});
    EXPECT_EQ(view.beeps, 3);
    EXPECT_EQ(rows(), walls);
    press({1, 1});
    EXPECT_EQ(rows(), (Rows{"**#...", "**#.o.", "..####", "......"})) << "inside, the fill stops at its edge";
    EXPECT_EQ(view.beeps, 3);
}

TEST_F(BucketToolTest, ThePointerShowsShiftOnIndexedPicturesAndCapsLockAsACross)
{
    open(walls, false);
    EXPECT_EQ(tool.pointer({}), "BUCKET_CURS");
    EXPECT_EQ(tool.pointer({true}), "BUCKET_OPT_CURS");
    view.capsLockOn = true;
    EXPECT_EQ(tool.pointer({true}), "CROSS_POINT_CURS");
    view.capsLockOn = false;
    open(walls, true);
    EXPECT_EQ(tool.pointer({true}), "BUCKET_CURS") << "no border colours on a full-colour picture";
}

PaletteGrid& gridOf(ModalDialog& dialog)
{
    return *static_cast<PaletteGrid*>(control(dialog, PaletteGridDialog::gridId).component());
}

std::vector<int> selected(ModalDialog& dialog)
{
    std::vector<int> entries;
    for (int i = 0; i < 256; ++i)
        if (gridOf(dialog).selection().includes(i))
            entries.push_back(i);
    return entries;
}

TEST_F(BucketToolTest, TheBorderColoursDialogShowsPicksResetsAndReplacesTheListOnOk)
{
    open(walls, false);
    document->setBorderColors({1, 7});
    ScriptedDialogs script;
    script.answerNext([&](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "塗りつぶし境界色");
        EXPECT_EQ(selected(d), (std::vector<int>{1, 7}));
        ASSERT_NE(view.picker.target(), nullptr) << "the view picks for the dialog meanwhile";
        view.picker.target()->picked(document->pixelAt({4, 1}), false);
        EXPECT_EQ(selected(d), (std::vector<int>{1, 2, 7}));
        d.press(cancelButtonId);
    });
    EXPECT_TRUE(tool.openOptions());
    EXPECT_EQ(document->borderColors(), (std::vector<uint8_t>{1, 7})) << "Cancel leaves the list";
    EXPECT_EQ(view.picker.target(), nullptr) << "picking ends with the dialog";

    script.answerNext([&](ModalDialog& d) {
        control(d, 100).click();
        EXPECT_TRUE(selected(d).empty()) << "reset";
        view.picker.target()->picked(paletteIndex(9), false);
        view.picker.target()->picked(paletteIndex(0), true);
        d.press(okButtonId);
    });
    EXPECT_TRUE(runBorderColorsDialog(*document, view.picker));
    EXPECT_EQ(document->borderColors(), (std::vector<uint8_t>{9, 0})) << "in the order chosen";

    open(walls, true);
    tool.openOptions();
    EXPECT_EQ(script.shownCount(), 2) << "a full-colour picture has no border colours";
}

TEST_F(BucketToolTest, EnterInTheFreshBorderColoursDialogPressesOk)
{
    open(walls, false);
    document->setBorderColors({1, 7});
    ScriptedDialogs script;
    script.answerNext([&](ModalDialog& d) { syntheticInput::pressKey(*d.focusedControl(), keys::enter, 0); });
    EXPECT_TRUE(runBorderColorsDialog(*document, view.picker)) << "not \"All\", which keeps the dialog open";
    EXPECT_EQ(document->borderColors(), (std::vector<uint8_t>{1, 7}));
}

// The real edit view of an indexed picture, with the bucket current.
class BucketEditViewTest : public EditViewFixture {};

TEST_F(BucketEditViewTest, TheToolsCommandAgainOpensTheDialogAndPressesInTheViewPickForIt)
{
    open({8, 6}, {116, 96}, 4);
    document->newContent({false, 0, paletteIndex(0), {4, 4}, {8, 6}}, "/nonexistent/default.rgb", "t");
    document->fillRect({2, 3, 3, 4}, paletteIndex(0x35));
    tools.setTool(ToolBox::bucket);
    ScriptedDialogs script;
    script.answerNext([&](ModalDialog& d) {
        syntheticInput::pressMouse(view(), view().dotToView({2, 3}), syntheticInput::Button::left);
        syntheticInput::releaseMouse(view(), view().dotToView({2, 3}), syntheticInput::Button::left);
        EXPECT_EQ(selected(d), (std::vector<int>{0x35}));
        d.press(okButtonId);
    });
    EXPECT_TRUE(view().command(commands::bucketTool, nullptr));
    EXPECT_EQ(script.shownCount(), 1);
    EXPECT_EQ(document->borderColors(), (std::vector<uint8_t>{0x35}));
    EXPECT_EQ(document->pixelAt({0, 0}), paletteIndex(0)) << "the press picked and did not fill";

    syntheticInput::pressMouse(view(), view().dotToView({0, 0}), syntheticInput::Button::left, Accelerator::shift);
    syntheticInput::releaseMouse(view(), view().dotToView({0, 0}), syntheticInput::Button::left);
    EXPECT_EQ(document->pixelAt({7, 5}), document->drawingColor()) << "the border fill after the dialog";
    EXPECT_EQ(document->pixelAt({2, 3}), paletteIndex(0x35));
}

} // namespace
