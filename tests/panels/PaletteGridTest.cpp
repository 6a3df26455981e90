#include "panels/PaletteGrid.h"
#include "core/Aspects.h"
#include "framework/Clock.h"
#include "palette/ColorDragger.h"
#include "palette/MultiColorSelectionModel.h"
#include "palette/PaletteModel.h"
#include "panels/PaletteFlasher.h"
#include "panels/PaletteGridHeader.h"
#include "tests/core/Listener.h"
#include "tests/panels/PanelTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using List = std::vector<int>;
using Visual::MouseEvent;

List listOf(const MultiColorSelectionModel& selection)
{
    List entries;
    for (int k = 0; k < selection.count(); ++k)
        entries.push_back(selection.at(k));
    return entries;
}

// A dialog's selection that drags its block, as the palette edit and sort dialogs do.
class DraggingSelection : public MultiColorSelectionModel, public ColorDragger {
public:
    explicit DraggingSelection(PaletteModel* palette) : MultiColorSelectionModel(palette) {}
    int dragThreshold() const override { return 5; }
    void drop(int d, bool ctrl) override { drops.push_back({d, ctrl}); }
    void* valueFor(const Aspect* aspect) override
    {
        if (aspect == &aspects::ColorSelectionModel::dragger)
            return offer<ColorDragger>(this);
        return MultiColorSelectionModel::valueFor(aspect);
    }
    std::vector<std::pair<int, bool>> drops;
};

// Cells of 10 x 10 pixels; the component is wider than the grid, so that a press can miss it.
class PaletteGridTest : public testing::Test {
protected:
    PaletteGridTest()
    {
        palette.reset();
        for (int i = 0; i < 256; ++i)
            palette.setColorAt(i, rgb(uint8_t(i), 100, uint8_t(255 - i)));
        palette.changed();
        previousClock = Clock::install(&clock);
    }
    ~PaletteGridTest() override { Clock::install(previousClock); }

    // The grid of the test; a new one replaces the last.
    PaletteGrid& grid(ColorSelectionModel& model)
    {
        return shown.show(new PaletteGrid(nullptr, model), {0, 0, 165, 160});
    }
    static Point cellAt(int n) { return {n % 16 * 10 + 5, n / 16 * 10 + 5}; }
    // A press and release on cell n without time passing.
    void click(PaletteGrid& on, int n, bool shift, bool control, MouseEvent::Kind kind = MouseEvent::leftDown)
    {
        on.dispatchMouse(mouseAt(kind, cellAt(n), shift, control));
        on.dispatchMouse(mouseAt(MouseEvent::leftUp, cellAt(n), shift, control));
    }
    void hold(PaletteGrid& on, int64_t ms)
    {
        clock.advance(ms);
        on.idleStep();
    }

    Application& application = testApplication();
    PaletteModel palette;
    MultiColorSelectionModel selection{&palette};
    TestClock clock;
    const Clock* previousClock = nullptr;
    ShownComponent shown;
};

TEST_F(PaletteGridTest, PressesChangeTheSelectionByTheModifiersHeldAtThePress)
{
    struct Row {
        const char* what;
        List before;
        int cell;
        bool shift;
        bool control;
        List after;
        int heard;
    };
    const Row rows[] = {
        {"plain on another cell", {1, 2}, 5, false, false, {5}, 1},
        {"plain on a selected cell", {1, 2}, 2, false, false, {2}, 1},
        {"Ctrl adds", {1, 2}, 5, false, true, {1, 2, 5}, 1},
        {"Ctrl removes", {1, 2}, 2, false, true, {1}, 1},
        {"Shift adds", {1, 2}, 5, true, false, {1, 2, 5}, 1},
        {"Shift on a selected cell", {1, 2}, 2, true, false, {1, 2}, 0},
        {"Ctrl+Shift adds, never removes", {1, 2}, 1, true, true, {1, 2}, 0},
        {"beside the grid", {1, 2}, -1, false, false, {1, 2}, 0},
    };
    for (const Row& row : rows) {
        MultiColorSelectionModel model(&palette);
        for (int i : row.before)
            model.add(i);
        PaletteGrid& cells = grid(model);
        Listener heard(&model);
        if (row.cell < 0) {
            cells.dispatchMouse(mouseAt(MouseEvent::leftDown, {162, 40}));
            cells.dispatchMouse(mouseAt(MouseEvent::leftUp, {162, 40}));
        } else {
            click(cells, row.cell, row.shift, row.control);
        }
        EXPECT_EQ(listOf(model), row.after) << row.what;
        EXPECT_EQ(heard.count(&aspects::ColorSelectionModel::colorSelection), row.heard) << row.what;
        EXPECT_FALSE(cells.isTracking()) << row.what;
    }
}

TEST_F(PaletteGridTest, ADoubleClickIsAPressAndShiftDragsSelectTheCellsEntered)
{
    PaletteGrid& cells = grid(selection);
    click(cells, 7, false, false, MouseEvent::leftDouble);
    EXPECT_EQ(listOf(selection), List{7});

    cells.dispatchMouse(mouseAt(MouseEvent::leftDown, cellAt(0), true));
    for (int n : {1, 1, 17, 1, 16})
        cells.dispatchMouse(mouseAt(MouseEvent::move, cellAt(n), true));
    cells.dispatchMouse(mouseAt(MouseEvent::move, {200, 5}, true));
    cells.dispatchMouse(mouseAt(MouseEvent::leftUp, cellAt(2), true));
    cells.dispatchMouse(mouseAt(MouseEvent::move, cellAt(3), false));
    EXPECT_EQ(listOf(selection), (List{7, 0, 1, 17, 16})) << "each cell as the pointer enters it, until release";
}

TEST_F(PaletteGridTest, CellsShowTheirColourFramedBlackWhenSelectedAndFollowThePalette)
{
    selection.add(17);
    PaletteGrid& cells = grid(selection);
    EXPECT_EQ(cells.surface().pixelAt({15, 15}), palette.colorAt(17)) << "inside";
    EXPECT_EQ(cells.surface().pixelAt({10, 10}), rgb(0, 0, 0)) << "the frame of a selected entry";
    EXPECT_EQ(cells.surface().pixelAt({20, 10}), rgb(255, 255, 255)) << "the frame of another, white above and left";
    EXPECT_EQ(cells.surface().pixelAt({29, 19}), rgb(128, 128, 128)) << "and grey below and right";
    EXPECT_EQ(cells.surface().pixelAt({25, 15}), palette.colorAt(18));

    palette.setColorAt(18, rgb(1, 2, 3));
    palette.changed();
    cells.updateNow();
    EXPECT_EQ(cells.surface().pixelAt({25, 15}), rgb(1, 2, 3)) << "redrawn on PaletteModel::access";
    selection.selectOnly(18);
    cells.updateNow();
    EXPECT_EQ(cells.surface().pixelAt({10, 10}), rgb(255, 255, 255));
    EXPECT_EQ(cells.surface().pixelAt({20, 10}), rgb(0, 0, 0));

    // Neighbouring entries of the frames' own colours still stand apart, across and down.
    for (ColorRef c : {rgb(255, 255, 255), rgb(128, 128, 128)}) {
        for (int n : {33, 34, 49})
            palette.setColorAt(n, c);
        palette.changed();
        cells.updateNow();
        for (Point step : {Point{1, 0}, Point{0, 1}}) {
            int seams = 0;
            for (int i = 11; i < 29; ++i)
                seams += cells.surface().pixelAt({step.x ? i : 15, step.y ? 10 + i : 25}) != c;
            EXPECT_GE(seams, 1) << std::hex << c << " " << step.x;
        }
    }
}

TEST_F(PaletteGridTest, AShortClickNeverBlinksAndAHoldBlinksUntilReleaseLeavingThePaletteAsItWas)
{
    auto before = palette.snapshot();
    Listener heard(&palette);
    PaletteGrid& cells = grid(selection);
    cells.dispatchMouse(mouseAt(MouseEvent::leftDown, cellAt(3)));
    hold(cells, Clock::doubleClickTime() - 1);
    cells.dispatchMouse(mouseAt(MouseEvent::leftUp, cellAt(3)));
    hold(cells, PaletteFlasher::phaseTime * 3);
    EXPECT_EQ(heard.count(), 0) << "released before the double-click time";

    selection.add(40);
    cells.dispatchMouse(mouseAt(MouseEvent::leftDown, cellAt(3), false, true));
    cells.dispatchMouse(mouseAt(MouseEvent::move, {cellAt(3).x + 2, cellAt(3).y - 2}));
    hold(cells, Clock::doubleClickTime());
    EXPECT_EQ(heard.count(), 0) << "blinking starts with the colours saved, nothing changed yet";
    struct Phase {
        ColorRef entry3;
        ColorRef entry40;
    };
    const ColorRef three = palette.colorAt(3), forty = palette.colorAt(40), other = palette.colorAt(41);
    for (const Phase& phase :
         {Phase{rgb(0, 0, 0), rgb(0, 0, 0)}, Phase{three, forty}, Phase{rgb(255, 255, 255), rgb(255, 255, 255)},
          Phase{three, forty}, Phase{three, forty}, Phase{rgb(0, 0, 0), rgb(0, 0, 0)}}) {
        hold(cells, PaletteFlasher::phaseTime - 1);
        hold(cells, 1);
        EXPECT_EQ(palette.colorAt(3), phase.entry3);
        EXPECT_EQ(palette.colorAt(40), phase.entry40);
        EXPECT_EQ(palette.colorAt(41), other);
    }
    EXPECT_EQ(heard.count(), 5) << "every phase but 0 ends with changed";
    cells.dispatchMouse(mouseAt(MouseEvent::move, {100, 100}));
    EXPECT_TRUE(cells.isTracking()) << "once blinking, the pointer may wander";
    cells.dispatchMouse(mouseAt(MouseEvent::leftUp, {100, 100}));
    EXPECT_EQ(palette.snapshot(), before);
    EXPECT_EQ(listOf(selection), (List{3, 40})) << "a press that blinked does not change the selection";
}

TEST_F(PaletteGridTest, MovingAwayBeforeTheDoubleClickTimeEndsTheHoldWithoutBlinking)
{
    selection.add(3);
    selection.add(4);
    PaletteGrid& cells = grid(selection);
    cells.dispatchMouse(mouseAt(MouseEvent::leftDown, cellAt(3)));
    cells.dispatchMouse(mouseAt(MouseEvent::move, {cellAt(3).x + 3, cellAt(3).y}));
    EXPECT_EQ(listOf(selection), List{3}) << "the plain press on a selected cell went on as a click";
    hold(cells, Clock::doubleClickTime() + 10 * PaletteFlasher::phaseTime);
    EXPECT_EQ(palette.colorAt(3), rgb(3, 100, 252));
}

TEST_F(PaletteGridTest, EveryWayOutOfABlinkRestoresThePalette)
{
    auto before = palette.snapshot();
    selection.add(8);
    auto blinkBlack = [&](PaletteGrid& cells) {
        cells.dispatchMouse(mouseAt(MouseEvent::leftDown, cellAt(8)));
        hold(cells, Clock::doubleClickTime());
        hold(cells, PaletteFlasher::phaseTime);
        ASSERT_EQ(palette.colorAt(8), rgb(0, 0, 0));
    };
    blinkBlack(grid(selection));
    grid(selection);
    EXPECT_EQ(palette.snapshot(), before) << "the grid went mid-blink";

    // A palette that goes mid-blink (its document closed) is not touched again.
    auto doomed = std::make_unique<PaletteModel>();
    doomed->reset();
    MultiColorSelectionModel other(doomed.get());
    other.add(8);
    PaletteGrid& cells = grid(other);
    cells.dispatchMouse(mouseAt(MouseEvent::leftDown, cellAt(8)));
    hold(cells, Clock::doubleClickTime());
    hold(cells, PaletteFlasher::phaseTime);
    doomed.reset();
    cells.dispatchMouse(mouseAt(MouseEvent::move, cellAt(8)));
    EXPECT_FALSE(cells.isTracking());
    grid(selection);
}

TEST_F(PaletteGridTest, ADraggerMovesTheSelectedBlockByWholeCellsInsideTheGrid)
{
    struct Row {
        const char* what;
        Point moveBy;
        bool control;
        std::vector<std::pair<int, bool>> drops;
        List after;
    };
    // The block is entries 17, 18 and 34: columns 1 to 2, rows 1 to 2; the press is on 18.
    const Row rows[] = {
        {"a release inside the threshold is a click", {4, -4}, false, {}, {18}},
        {"one column right, one row down", {12, 8}, false, {{17, false}}, {17, 34, 18}},
        {"Ctrl at the press", {-6, 0}, true, {{-1, true}}, {17, 34, 18}},
        {"the outline stays in the grid", {-500, 500}, false, {{-1 + 13 * 16, false}}, {17, 34, 18}},
        {"dragged back where it was", {-5, 0}, false, {}, {17, 34, 18}},
    };
    for (const Row& row : rows) {
        DraggingSelection model(&palette);
        for (int i : {17, 34, 18})
            model.add(i);
        PaletteGrid& cells = grid(model);
        Point press = cellAt(18);
        Point to{press.x + row.moveBy.x, press.y + row.moveBy.y};
        cells.dispatchMouse(mouseAt(MouseEvent::leftDown, press, false, row.control));
        cells.dispatchMouse(mouseAt(MouseEvent::move, to, false, row.control));
        cells.dispatchMouse(mouseAt(MouseEvent::leftUp, to, false, row.control));
        EXPECT_EQ(model.drops, row.drops) << row.what;
        EXPECT_EQ(listOf(model), row.after) << row.what;
    }
}

TEST_F(PaletteGridTest, TheDraggedOutlineFollowsThePointer)
{
    DraggingSelection model(&palette);
    model.add(17);
    PaletteGrid& cells = grid(model);
    cells.dispatchMouse(mouseAt(MouseEvent::leftDown, cellAt(17)));
    cells.dispatchMouse(mouseAt(MouseEvent::move, cellAt(17 + 16 * 3 + 2)));
    cells.updateNow();
    EXPECT_EQ(cells.surface().pixelAt({30, 40}), rgb(0, 0, 0)) << "the outline of cell 67";
    EXPECT_EQ(cells.surface().pixelAt({31, 41}), rgb(255, 255, 255));
    cells.dispatchMouse(mouseAt(MouseEvent::leftUp, cellAt(17 + 16 * 3 + 2)));
    cells.updateNow();
    EXPECT_EQ(cells.surface().pixelAt({31, 41}), palette.colorAt(67)) << "gone after the drop";
    EXPECT_EQ(model.drops, (std::vector<std::pair<int, bool>>{{50, false}}));
}

TEST_F(PaletteGridTest, HeadersSelectWholeRowsAndColumns)
{
    auto line = [](int first, int step) {
        List entries;
        for (int k = 15; k >= 0; --k)
            entries.push_back(first + k * step);
        return entries;
    };
    struct Row {
        const char* what;
        bool rows;
        bool active;
        List before;
        int cell;
        bool shift;
        bool control;
        List after;
    };
    List rowTwo = line(32, 1), columnTwo = line(2, 16);
    List oneThenRowTwo = rowTwo;
    oneThenRowTwo.insert(oneThenRowTwo.begin(), 1);
    const Row rows[] = {
        {"plain row", true, true, {1}, 2, false, false, rowTwo},
        {"Shift adds the row", true, true, {1}, 2, true, false, oneThenRowTwo},
        {"Ctrl adds the row", true, true, {1}, 2, false, true, oneThenRowTwo},
        {"Ctrl toggles a full row off", true, true, oneThenRowTwo, 2, false, true, {1}},
        {"plain column", false, true, {1}, 2, false, false, columnTwo},
        {"inactive", true, false, {1}, 2, false, false, {1}},
    };
    for (const Row& row : rows) {
        MultiColorSelectionModel model(&palette);
        for (int i : row.before)
            model.add(i);
        auto* header = new PaletteGridHeader(nullptr, model,
                                             row.rows ? aspects::ColorSelectionModel::paletteSelection
                                                      : aspects::ColorSelectionModel::columnSelection,
                                             row.rows ? 1 : 16, row.rows ? 16 : 1, row.active);
        shownAt(*header, row.rows ? Rect{0, 0, 10, 160} : Rect{0, 0, 160, 10});
        Point at = row.rows ? Point{5, row.cell * 10 + 5} : Point{row.cell * 10 + 5, 5};
        header->dispatchMouse(mouseAt(MouseEvent::leftDown, at, row.shift, row.control));
        header->dispatchMouse(mouseAt(MouseEvent::leftUp, at, row.shift, row.control));
        EXPECT_EQ(listOf(model), row.after) << row.what;
        header->destroy();
    }
}

TEST_F(PaletteGridTest, AShiftDragAlongAHeaderAddsEveryLineItEnters)
{
    auto* header =
        new PaletteGridHeader(nullptr, selection, aspects::ColorSelectionModel::paletteSelection, 1, 16, true);
    shownAt(*header, {0, 0, 10, 160});
    header->dispatchMouse(mouseAt(MouseEvent::leftDown, {5, 5}, true));
    header->dispatchMouse(mouseAt(MouseEvent::move, {5, 15}, true));
    header->dispatchMouse(mouseAt(MouseEvent::move, {5, 25}, true));
    header->dispatchMouse(mouseAt(MouseEvent::leftUp, {5, 35}, true));
    EXPECT_EQ(selection.count(), 48) << "rows 0, 1 and 2";
    EXPECT_TRUE(selection.includes(47));
    EXPECT_FALSE(selection.includes(48));
    header->destroy();
}

} // namespace
