#include "base/ScriptedMessageBox.h"
#include "dialogs/PaletteEditDialog.h"
#include "dialogs/PaletteRotationDialog.h"
#include "dialogs/PaletteSortDialog.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "document/UndoRecord.h"
#include "framework/Clipboard.h"
#include "framework/Clock.h"
#include "framework/ScriptedColorChooser.h"
#include "framework/ScriptedDialogs.h"
#include "framework/SyntheticInput.h"
#include "palette/ColorSelectionModel.h"
#include "panels/PaletteGrid.h"
#include "panels/PaletteGridDialog.h"
#include "resources/Accelerators.h"
#include "resources/DialogTemplates.h"
#include "resources/VirtualKey.h"
#include "tests/core/Listener.h"
#include "tests/framework/DialogControls.h"
#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Step = ScriptedDialogs::Step;

PaletteGrid& gridOf(ModalDialog& dialog)
{
    return *static_cast<PaletteGrid*>(control(dialog, PaletteGridDialog::gridId).component());
}

Point cellCentre(ModalDialog& dialog, int n)
{
    Rect cell = gridOf(dialog).geometry().cellRect(n);
    return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

// A press on cell from, a move to cell to and the release there; from == to is a click.
void dragCell(ModalDialog& dialog, int from, int to, bool ctrl = false)
{
    using Visual::MouseEvent;
    PaletteGrid& grid = gridOf(dialog);
    Point a = cellCentre(dialog, from);
    Point b = cellCentre(dialog, to);
    MouseEvent press{MouseEvent::leftDown, a};
    press.leftButton = true;
    press.control = ctrl;
    grid.dispatchMouse(press);
    MouseEvent move{MouseEvent::move, b};
    move.leftButton = true;
    move.control = ctrl;
    grid.dispatchMouse(move);
    MouseEvent release{MouseEvent::leftUp, b};
    release.control = ctrl;
    grid.dispatchMouse(release);
}

void key(ModalDialog& dialog, uint32_t k, uint8_t modifiers = 0)
{
    syntheticInput::pressKey(control(dialog, PaletteGridDialog::gridId), k, modifiers);
}

class PaletteDialogsTest : public testing::Test {
protected:
    PaletteDialogsTest() { testApplication(); }

    // An indexed 16 x 16 picture whose dot (x, y) is entry x + 16y; entry i is (i, 255 - i, 2i).
    BitmapDocument& makeDocument()
    {
        auto* document = new BitmapDocument(preferences);
        document->newContent({false, 0, 0, {4, 4}, {16, 16}}, "/nonexistent/default.rgb", "untitled");
        for (int i = 0; i < 256; ++i)
            document->palette()->setColorAt(i, rgb(uint8_t(i), uint8_t(255 - i), uint8_t(2 * i)));
        document->palette()->changed();
        for (int i = 0; i < 256; ++i)
            document->fillRect(Rect::fromSize({i % 16, i / 16}, {1, 1}), paletteIndex(uint8_t(i)));
        document->setModified(false);
        UndoRecord::instance().forget(document);
        listeners.push_back(std::make_unique<Listener>(document));
        return *document;
    }

    static std::vector<ColorRef> colors(const BitmapDocument& document)
    {
        std::vector<ColorRef> all;
        for (int i = 0; i < 256; ++i)
            all.push_back(document.palette()->colorAt(i));
        return all;
    }

    NewParams preferences;
    std::vector<std::unique_ptr<Listener>> listeners;
    ScriptedDialogs script;
};

TEST_F(PaletteDialogsTest, TheEditDialogChangesColoursAtOnceAndOkMakesThemOneUndoStep)
{
    BitmapDocument& document = makeDocument();
    const std::vector<ColorRef> before = colors(document);
    BitmapPalette& palette = *document.palette();
    ScriptedColorChooser chooser;
    script.answerNext([&](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "パレットの編集");
        EXPECT_EQ(control(d, 101).text(), "---");
        EXPECT_EQ(control(d, 108).itemCount(), 5);
        EXPECT_EQ(control(d, 108).itemText(0), "512色");
        EXPECT_EQ(control(d, 108).currentIndex(), 4);
        dragCell(d, 100, 100);
        EXPECT_EQ(control(d, 101).text(), "100");
        EXPECT_EQ(control(d, 103).text(), "155");
        EXPECT_EQ(control(d, 100).color(), rgb(100, 155, 200));
        control(d, 102).step(+1);
        control(d, 104).pageStep(-1);
        EXPECT_EQ(palette.colorAt(100), rgb(101, 91, 200)) << "arrow and page steps act at once";
        EXPECT_EQ(control(d, 105).text(), "200");
        key(d, keys::insert, syntheticInput::keypad);
        EXPECT_EQ(palette.colorAt(100), rgb(100, 90, 199)) << "keypad 0 with Num Lock off";
        key(d, keys::numpad(4), Accelerator::control);
        key(d, keys::numpad(6));
        EXPECT_EQ(palette.colorAt(100), rgb(164, 90, 200));
        control(d, 108).select(0);
        EXPECT_EQ(palette.precision(), 3);
        EXPECT_EQ(palette.colorAt(100), rgb(0xB6, 0x49, 0xDB));
        EXPECT_EQ(control(d, 101).text(), "  5") << "the channels show at the precision";
        chooser.answerNext(rgb(0x20, 0x40, 0xFF));
        control(d, 100).click();
        EXPECT_EQ(palette.colorAt(100), rgb(0x24, 0x49, 0xFF)) << "the chosen colour, quantised";
        EXPECT_EQ(chooser.requests(), std::vector<ColorRef>{rgb(0xB6, 0x49, 0xDB)});
        d.press(okButtonId);
    });
    EXPECT_TRUE(runPaletteEditDialog(document));
    EXPECT_TRUE(document.isModified());
    document.undo();
    EXPECT_EQ(colors(document), before);
    EXPECT_EQ(palette.precision(), 8);
}

TEST_F(PaletteDialogsTest, AnyOtherEndRestoresAndNeitherItNorAnUnchangedOkModifies)
{
    struct Row {
        const char* what;
        bool ok;
        bool change;
    };
    const Row rows[] = {
        {"closed after a change", false, true},
        {"OK with nothing changed", true, false},
        {"OK after changing back", true, true},
    };
    for (const Row& row : rows) {
        BitmapDocument& document = makeDocument();
        const std::vector<ColorRef> before = colors(document);
        script.answerNext([&](ModalDialog& d) {
            dragCell(d, 7, 7);
            if (row.change) {
                control(d, 102).step(+1);
                if (row.ok)
                    control(d, 102).step(-1);
            }
            if (row.ok)
                d.press(okButtonId);
        });
        EXPECT_EQ(runPaletteEditDialog(document), row.ok) << row.what;
        EXPECT_EQ(colors(document), before) << row.what;
        EXPECT_FALSE(document.isModified()) << row.what;
        EXPECT_FALSE(UndoRecord::instance().canUndo(&document)) << row.what;
    }
}

TEST_F(PaletteDialogsTest, GradationDragsToneAndRestoreActOnTheSelection)
{
    BitmapDocument& document = makeDocument();
    BitmapPalette& palette = *document.palette();
    const std::vector<ColorRef> before = colors(document);
    ScriptedMessageBox messages;
    messages.answerNext(alertAnswer::ok);
    script.answerNext([&](ModalDialog& d) {
        palette.setColorAt(2, rgb(0, 0, 0));
        palette.setColorAt(10, rgb(255, 0, 0));
        palette.changed();
        dragCell(d, 10, 10);
        dragCell(d, 2, 2, true);
        dragCell(d, 6, 6, true);
        control(d, 109).click();
        EXPECT_EQ(palette.colorAt(6), rgb(127, 0, 0));

        // A plain drag moves the colours, a Ctrl drag copies them.
        dragCell(d, 10, 10);
        dragCell(d, 10, 11);
        EXPECT_EQ(palette.colorAt(11), rgb(255, 0, 0));
        EXPECT_EQ(palette.colorAt(10), before[11]);
        dragCell(d, 11, 27, true);
        EXPECT_EQ(palette.colorAt(27), rgb(255, 0, 0));
        EXPECT_EQ(palette.colorAt(11), rgb(255, 0, 0));
        EXPECT_TRUE(gridOf(d).selection().includes(27));
        EXPECT_FALSE(gridOf(d).selection().includes(11));

        control(d, 107).click();
        EXPECT_EQ(palette.colorAt(27), rgb(255, 127, 127)) << "the tone dialog's OK keeps its colours";
        control(d, 107).click();
        EXPECT_EQ(palette.colorAt(27), rgb(255, 127, 127)) << "its cancel puts them back";
        control(d, 110).click();
        EXPECT_EQ(colors(document), before) << "restore goes back to the opening";
        d.press(okButtonId);
    });
    script.answerNext([&](ModalDialog& d) {
        control(d, 100).slide(1440);
        EXPECT_EQ(palette.colorAt(27), rgb(0, 255, 255)) << "the colour follows the slider";
        control(d, 100).slide(720);
        control(d, 101).slide(0);
        d.press(okButtonId);
    });
    script.answerNext([&](ModalDialog& d) {
        control(d, 102).slide(128);
        EXPECT_NE(palette.colorAt(27), rgb(255, 127, 127));
        d.press(cancelButtonId);
    });
    EXPECT_TRUE(runPaletteEditDialog(document));
    EXPECT_EQ(messages.messageIds(), std::vector<int>{143});
    EXPECT_FALSE(document.isModified());
}

TEST_F(PaletteDialogsTest, TheSortRenumbersThePixelsAndOkKeepsPixelsAndPaletteAsOneStep)
{
    BitmapDocument& document = makeDocument();
    const std::vector<ColorRef> before = colors(document);
    for (bool ok : {false, true}) {
        script.answerNext([&](ModalDialog& d) {
            EXPECT_EQ(d.caption(), "パレットの並び替え");
            dragCell(d, 5, 5);
            dragCell(d, 5, 6);
            EXPECT_EQ(document.pixelAt({5, 0}), paletteIndex(6));
            EXPECT_EQ(document.pixelAt({6, 0}), paletteIndex(5));
            EXPECT_EQ(document.palette()->colorAt(6), before[5]);
            if (ok)
                d.press(okButtonId);
        });
        EXPECT_EQ(runPaletteSortDialog(document), ok);
        EXPECT_EQ(document.isModified(), ok);
        EXPECT_EQ(document.pixelAt({5, 0}), paletteIndex(ok ? 6 : 5)) << ok;
    }
    document.undo();
    EXPECT_EQ(document.pixelAt({5, 0}), paletteIndex(5));
    EXPECT_EQ(colors(document), before);
}

TEST_F(PaletteDialogsTest, ARotationStepsOnThePlatformTimerAndEveryEndPutsTheColoursBack)
{
    BitmapDocument& document = makeDocument();
    const std::vector<ColorRef> before = colors(document);
    TestClock clock;
    const Clock* systemClock = Clock::install(&clock);
    for (bool stopFirst : {true, false}) {
        script.answerNext([&](ModalDialog& d) {
            EXPECT_EQ(d.caption(), "パレット回転アニメ");
            EXPECT_FALSE(control(d, 100).isEnabled()) << "nothing to rotate yet";
            EXPECT_TRUE(control(d, 102).isChecked());
            control(d, 90).click();
            EXPECT_TRUE(control(d, 100).isEnabled());
            EXPECT_FALSE(control(d, 101).isEnabled());
            control(d, 103).click();
            control(d, 105).pageStep(+1);
            EXPECT_EQ(control(d, 104).text(), "11");
            control(d, 105).step(-12);
            EXPECT_EQ(control(d, 104).text(), "1");
            control(d, 100).click();
            EXPECT_FALSE(control(d, 100).isEnabled());
            EXPECT_TRUE(control(d, 101).isEnabled());
            clock.advance(16);
            EXPECT_TRUE(runEvents(0, [&] { return document.palette()->colorAt(0) == before[1]; }))
                << "one step backward: each colour one entry down";
            if (stopFirst) {
                control(d, 101).click();
                EXPECT_EQ(colors(document), before);
                d.press(okButtonId);
            }
        });
        runPaletteRotationDialog(document);
        EXPECT_EQ(colors(document), before) << stopFirst;
        EXPECT_FALSE(document.isModified());
        EXPECT_FALSE(UndoRecord::instance().canUndo(&document));
    }
    Clock::install(systemClock);
}

TEST_F(PaletteDialogsTest, CopiedColoursPasteAtTheirEntriesAndDragIntoPlace)
{
    BitmapDocument& source = makeDocument();
    BitmapDocument& target = makeDocument();
    for (int i = 0; i < 256; ++i)
        target.palette()->setColorAt(i, rgb(9, 9, 9));
    target.palette()->changed();
    script.answerNext([&](ModalDialog& d) {
        dragCell(d, 200, 200);
        dragCell(d, 3, 3, true);
        dragCell(d, 17, 17, true);
        key(d, 'C', Accelerator::control);
        d.press(okButtonId);
    });
    EXPECT_TRUE(runPaletteEditDialog(source));
    clipboard::Bytes text = clipboard::bytesOf("text/plain");
    EXPECT_EQ(std::string(text.span().begin(), text.span().end()), "#03FC06\n#11EE22\n#C83790\n");

    BitmapPalette& palette = *target.palette();
    // A paste dragged into place, then the edit closed: everything goes back.
    script.answerNext([&](ModalDialog& d) { key(d, keys::insert, Accelerator::shift); });
    script.answerNext([&](ModalDialog& d) {
        EXPECT_EQ(d.caption(), "パレットの貼り付け");
        EXPECT_EQ(palette.colorAt(17), rgb(17, 238, 34)) << "pasted at the entries they came from";
        dragCell(d, 3, 19);
        EXPECT_EQ(palette.colorAt(33), rgb(17, 238, 34));
        EXPECT_EQ(palette.colorAt(17), rgb(9, 9, 9)) << "the old places get their colours back";
        EXPECT_TRUE(gridOf(d).selection().includes(216));
        d.press(okButtonId);
    });
    EXPECT_FALSE(runPaletteEditDialog(target));
    EXPECT_EQ(palette.colorAt(33), rgb(9, 9, 9));

    // A cancelled paste restores; a confirmed one stays with the edit's OK.
    script.answerNext([&](ModalDialog& d) {
        key(d, 'V', Accelerator::control);
        EXPECT_EQ(palette.colorAt(3), rgb(9, 9, 9));
        key(d, 'V', Accelerator::control);
        EXPECT_EQ(palette.colorAt(3), rgb(3, 252, 6));
        d.press(okButtonId);
    });
    script.answerNext([](ModalDialog& d) { d.press(cancelButtonId); });
    script.answerNext([](ModalDialog& d) { d.press(okButtonId); });
    EXPECT_TRUE(runPaletteEditDialog(target));
    EXPECT_EQ(palette.colorAt(200), rgb(200, 55, 144));
    EXPECT_TRUE(target.isModified());
}

TEST_F(PaletteDialogsTest, APasteTakesOnlyWhatAnotherProgramsBytesReallyHold)
{
    using Items = std::vector<std::pair<std::string, std::vector<uint8_t>>>;
    // The palette object: version 0x0300, a count, then red, green, blue and flags per entry.
    auto object = [](int stated, int present) {
        std::vector<uint8_t> bytes{0x00, 0x03, uint8_t(stated), uint8_t(stated >> 8)};
        for (int i = 0; i < present; ++i)
            bytes.insert(bytes.end(), {uint8_t(i), 7, 7, 0});
        return bytes;
    };
    struct Row {
        const char* what;
        Items items;
        int pasted;
        int firstEntry;
    };
    const Row rows[] = {
        {"no palette at all", {{"text/plain", {'#', '0', '0'}}}, 0, 0},
        {"a header cut short", {{"application/x-tilvaner-palette", {0x00, 0x03, 0x05}}}, 0, 0},
        {"more entries stated than sent", {{"application/x-tilvaner-palette", object(200, 3)}}, 3, 0},
        {"300 entries", {{"application/x-tilvaner-palette", object(300, 300)}}, 256, 0},
        {"an order block",
         {{"application/x-tilvaner-palette", object(2, 2)}, {"application/x-tilvaner-palette-order", {40, 41}}},
         2,
         40},
    };
    for (const Row& row : rows) {
        BitmapDocument& document = makeDocument();
        const std::vector<ColorRef> before = colors(document);
        clipboard::publish(row.items);
        int pasted = -1;
        script.answerNext([&](ModalDialog& d) {
            int shown = script.shownCount();
            key(d, 'V', Accelerator::control);
            if (script.shownCount() == shown)
                pasted = 0;
            d.press(okButtonId);
        });
        if (row.pasted > 0)
            script.answerNext([&](ModalDialog& d) {
                pasted = 0;
                for (int i = 0; i < 256; ++i)
                    pasted += document.palette()->colorAt(i) != before[size_t(i)] ? 1 : 0;
                EXPECT_EQ(document.palette()->colorAt(row.firstEntry), rgb(0, 7, 7)) << row.what;
                d.press(okButtonId);
            });
        runPaletteEditDialog(document);
        EXPECT_EQ(pasted, row.pasted) << row.what;
        if (row.pasted == 0) {
            EXPECT_EQ(colors(document), before) << row.what;
            EXPECT_FALSE(document.isModified()) << row.what;
        }
    }
}

} // namespace
