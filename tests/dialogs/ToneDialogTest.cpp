#include "dialogs/ToneDialog.h"
#include "core/Aspects.h"
#include "dialogs/ToneCells.h"
#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "framework/WindowSurface.h"
#include "resources/Bitmaps.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef black = rgb(0, 0, 0);
constexpr ColorRef white = rgb(255, 255, 255);

ToneCells& cells(ModalDialog& d)
{
    return static_cast<ToneCells&>(*control(d, 100).component());
}

bool frameIs(ToneCells& c, const Rect& cell, ColorRef color)
{
    for (int32_t x = cell.left; x < cell.right; ++x)
        if (c.surface().pixelAt({x, cell.top}) != color || c.surface().pixelAt({x, cell.bottom - 1}) != color)
            return false;
    for (int32_t y = cell.top; y < cell.bottom; ++y)
        if (c.surface().pixelAt({cell.left, y}) != color || c.surface().pixelAt({cell.right - 1, y}) != color)
            return false;
    return true;
}

class ToneDialogTest : public testing::Test {
protected:
    ToneDialogTest()
    {
        testApplication();
        document = new BitmapDocument(NewParams::current());
        document->newContent({true, 0, white, {8, 8}, {4, 4}}, "", "t");
        listener = std::make_unique<Listener>(document);
    }

    bool run(ScriptedDialogs::Step step)
    {
        ScriptedDialogs script;
        script.answerNext(std::move(step));
        return runToneDialog(*document);
    }

    BitmapDocument* document;
    std::unique_ptr<Listener> listener;
};

TEST_F(ToneDialogTest, EachToneHasACellWithItsPatternAndTheCurrentOneIsFramed)
{
    document->setDrawingTone(3);
    listener->clear();
    EXPECT_FALSE(run([&](ModalDialog& d) {
        ToneCells& c = cells(d);
        ASSERT_EQ(c.count(), 12) << "resources 600 to 611";
        ASSERT_TRUE(Rect::fromSize({}, c.size()).contains({c.cellRect(11).right - 1, c.cellRect(11).bottom - 1}))
            << "room for every cell";
        runEvents(0, [&] { return frameIs(c, c.cellRect(3), black); });
        for (int t = 0; t < c.count(); ++t) {
            Rect cell = c.cellRect(t);
            ASSERT_EQ(cell.width(), 18);
            ASSERT_EQ(cell.height(), 18);
            EXPECT_TRUE(frameIs(c, cell, t == 3 ? black : white)) << "tone " << t;
            const BitmapResource& tone = *findBitmap(bitmaps::firstTone + t);
            for (int32_t y = 0; y < 14; ++y)
                for (int32_t x = 0; x < 14; ++x) {
                    bool ink = !(tone.rows[size_t(y % 8 * tone.rowLength())] & (0x80 >> (x % 8)));
                    ASSERT_EQ(c.surface().pixelAt({cell.left + 2 + x, cell.top + 2 + y}), ink ? black : white)
                        << "tone " << t << " at " << x << ", " << y;
                }
        }
        d.press(cancelButtonId);
    }));
    EXPECT_EQ(listener->count(), 0);
}

TEST_F(ToneDialogTest, AClickChoosesAToneThatOkSets)
{
    EXPECT_TRUE(run([&](ModalDialog& d) {
        ToneCells& c = cells(d);
        Rect seventh = c.cellRect(7);
        syntheticInput::pressMouse(c, {seventh.left + 9, seventh.top + 9}, syntheticInput::Button::left);
        EXPECT_EQ(c.selected(), 7);
        syntheticInput::pressMouse(c, {c.size().x - 1, c.size().y - 1}, syntheticInput::Button::left);
        EXPECT_EQ(c.selected(), 7) << "nothing to choose past the last cell";
        d.press(okButtonId);
    }));
    EXPECT_EQ(document->drawingTone(), 7);
    EXPECT_EQ(listener->count(&aspects::BitmapDocument::drawingTone), 1);
}

TEST_F(ToneDialogTest, CancelKeepsTheToneEvenAfterAClick)
{
    document->setDrawingTone(2);
    EXPECT_FALSE(run([&](ModalDialog& d) {
        ToneCells& c = cells(d);
        Rect first = c.cellRect(0);
        syntheticInput::pressMouse(c, {first.left + 9, first.top + 9}, syntheticInput::Button::left);
        d.press(cancelButtonId);
    }));
    EXPECT_EQ(document->drawingTone(), 2);
}

} // namespace
