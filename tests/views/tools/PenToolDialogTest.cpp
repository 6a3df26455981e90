#include "views/tools/PenToolDialog.h"
#include "framework/Component.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "framework/WindowSurface.h"
#include "resources/Bitmaps.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr ColorRef black = rgb(0, 0, 0);
constexpr ColorRef white = rgb(255, 255, 255);

// The pen shapes as the resources have them: how many, and the largest width and height.
struct Shapes {
    int count = 0;
    Point largest;
};

Shapes penShapes()
{
    Shapes shapes;
    for (int id = bitmaps::firstPenShape; const BitmapResource* bitmap = findBitmap(id); ++id) {
        ++shapes.count;
        shapes.largest = {std::max(shapes.largest.x, bitmap->width), std::max(shapes.largest.y, bitmap->height)};
    }
    return shapes;
}

bool inkAt(const BitmapResource& bitmap, Point p)
{
    return !(bitmap.rows[size_t(p.y * bitmap.rowLength() + p.x / 8)] & (0x80 >> (p.x % 8)));
}

Visual::Component& cells(ModalDialog& d)
{
    return *control(d, 100).component();
}

// The black frame around the chosen cell: its top row is the first row with black in it (the pens
// keep a margin of 3 inside their cells), its bottom row the last.
Rect blackFrame(Visual::Component& c)
{
    WindowSurface& surface = c.surface();
    Point size = c.size();
    Rect frame{size.x, size.y, 0, 0};
    for (int y = 0; y < size.y; ++y)
        for (int x = 0; x < size.x; ++x)
            if (surface.pixelAt({x, y}) == black) {
                if (frame.top == size.y)
                    frame.top = y;
                if (y == frame.top)
                    frame = {std::min(frame.left, x), frame.top, std::max(frame.right, x + 1), y + 1};
                frame.bottom = y + 1;
            }
    return frame;
}

// Waits until the chosen cell's frame is drawn at its place.
Rect frameOnceDrawn(Visual::Component& c, int32_t left)
{
    runEvents(0, [&] { return blackFrame(c).left == left; });
    return blackFrame(c);
}

Point centreOf(const Rect& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class PenToolDialogTest : public testing::Test {
protected:
    PenToolDialogTest() { testApplication(); }

    std::optional<int> run(int penIndex, ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runPenToolDialog(penIndex);
    }

    // Where the first cell starts, read from the frame of the pen the dialog opened with.
    int32_t firstLeft(Visual::Component& c, int penIndex)
    {
        runEvents(0, [&] { return blackFrame(c).right > 0; });
        return blackFrame(c).left - penIndex * cell.x;
    }

    Shapes shapes = penShapes();
    Point cell{shapes.largest.x + 6, shapes.largest.y + 6};
};

TEST_F(PenToolDialogTest, EachPenShapeHasAWhiteCellOfTheLargestSizePlusSixWithThePenCentred)
{
    ASSERT_EQ(shapes.count, 9) << "resources 500 to 508";
    for (int i = 0; i < shapes.count; ++i) {
        run(i, [&](ModalDialog& d) {
            EXPECT_EQ(d.caption(), "ペンの太さ設定");
            Visual::Component& row = cells(d);
            EXPECT_GE(row.size().x, shapes.count * cell.x) << "the control holds the whole row";
            EXPECT_GE(row.size().y, cell.y);
            int32_t left = firstLeft(row, i);
            Rect frame = blackFrame(row);
            EXPECT_EQ(frame, Rect::fromSize({left + i * cell.x, frame.top}, cell)) << "pen " << i;

            const BitmapResource& pen = *findBitmap(bitmaps::firstPenShape + i);
            Point offset{frame.left + (cell.x - pen.width) / 2, frame.top + (cell.y - pen.height) / 2};
            for (int y = frame.top + 1; y < frame.bottom - 1; ++y)
                for (int x = frame.left + 1; x < frame.right - 1; ++x) {
                    Point p{x - offset.x, y - offset.y};
                    bool ink = p.x >= 0 && p.y >= 0 && p.x < pen.width && p.y < pen.height && inkAt(pen, p);
                    ASSERT_EQ(row.surface().pixelAt({x, y}), ink ? black : white)
                        << "pen " << i << " at " << x - frame.left << ", " << y - frame.top;
                }
            d.press(cancelButtonId);
        });
    }
}

TEST_F(PenToolDialogTest, AClickChoosesACellAndOkAnswersIt)
{
    std::optional<int> chosen = run(2, [&](ModalDialog& d) {
        Visual::Component& row = cells(d);
        int32_t left = firstLeft(row, 2);
        Rect fifth = Rect::fromSize({left + 5 * cell.x, blackFrame(row).top}, cell);
        syntheticInput::pressMouse(row, centreOf(fifth), syntheticInput::Button::left);
        EXPECT_EQ(frameOnceDrawn(row, fifth.left), fifth) << "the frame moves to the cell clicked";

        // Past the last cell there is nothing to choose.
        Rect beyond = Rect::fromSize({left + shapes.count * cell.x, fifth.top}, cell);
        if (beyond.left < row.size().x) {
            syntheticInput::pressMouse(row, {beyond.left, centreOf(beyond).y}, syntheticInput::Button::left);
            runEvents(20);
            EXPECT_EQ(blackFrame(row), fifth);
        }
        d.press(okButtonId);
    });
    EXPECT_EQ(chosen, 5);
}

TEST_F(PenToolDialogTest, CancelAnswersNothingEvenAfterAClick)
{
    std::optional<int> chosen = run(0, [&](ModalDialog& d) {
        Visual::Component& row = cells(d);
        Rect third = Rect::fromSize({firstLeft(row, 0) + 3 * cell.x, blackFrame(row).top}, cell);
        syntheticInput::pressMouse(row, centreOf(third), syntheticInput::Button::left);
        d.press(cancelButtonId);
    });
    EXPECT_EQ(chosen, std::nullopt);
}

} // namespace
