#include "document/PaletteSort.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/NewParams.h"
#include "document/PaletteSession.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// An indexed 16 x 16 picture whose dot (x, y) is entry x + 16y, over a palette of distinct colours.
class PaletteSortTest : public testing::Test {
protected:
    void SetUp() override
    {
        document->newContent({false, 0, 0, {4, 4}, {16, 16}}, "/nonexistent/default.rgb", "t");
        for (int i = 0; i < 256; ++i)
            document->palette()->setColorAt(i, rgb(uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)));
        document->palette()->changed();
        for (int i = 0; i < 256; ++i)
            document->fillRect(Rect::fromSize({i % 16, i / 16}, {1, 1}), paletteIndex(uint8_t(i)));
        document->setModified(false);
        UndoRecord::instance().forget(document.get());
    }

    // The colour every dot shows.
    std::vector<ColorRef> look() const
    {
        std::vector<ColorRef> dots;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                dots.push_back(document->palette()->colorAt(int(document->pixelAt({x, y}) & 0xFF)));
        return dots;
    }
    std::vector<ColorRef> pixels() const
    {
        std::vector<ColorRef> dots;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                dots.push_back(document->pixelAt({x, y}));
        return dots;
    }
    std::vector<ColorRef> colors() const
    {
        std::vector<ColorRef> all;
        for (int i = 0; i < 256; ++i)
            all.push_back(document->palette()->colorAt(i));
        return all;
    }

    std::unique_ptr<BitmapDocument> document = std::make_unique<BitmapDocument>(NewParams::current());
};

TEST_F(PaletteSortTest, ASortMovesColoursAndRenumbersDotsSoThePictureLooksTheSame)
{
    struct Row {
        std::vector<int> entries;
        int d;
        std::vector<int> moved;
    };
    const Row rows[] = {
        {{5}, 1, {6}},           {{0, 1}, 1, {1, 2}}, {{200, 3, 17}, 16, {19, 33, 216}},
        {{15, 16}, -15, {0, 1}}, {{250}, 10, {250}},
    };
    for (const Row& row : rows) {
        SetUp();
        std::vector<ColorRef> before = look();
        std::vector<ColorRef> palette = colors();
        EXPECT_EQ(sortPaletteEntries(*document, row.entries, row.d), row.moved);
        EXPECT_EQ(look(), before) << row.entries[0] << " by " << row.d;
        if (row.moved != row.entries) {
            EXPECT_NE(colors(), palette);
            EXPECT_TRUE(document->isModified());
        }
    }
    SetUp();
    sortPaletteEntries(*document, std::vector<int>{5}, 1);
    EXPECT_EQ(document->pixelAt({5, 0}), paletteIndex(6));
    EXPECT_EQ(document->pixelAt({6, 0}), paletteIndex(5));
}

TEST_F(PaletteSortTest, AKeptSortIsOneStepThatUndoesPixelsAndPaletteAndRedoes)
{
    const std::vector<ColorRef> pixelsBefore = pixels();
    const std::vector<ColorRef> colorsBefore = colors();
    std::vector<ColorRef> sortedPixels;
    std::vector<ColorRef> sortedColors;
    {
        PaletteSession session(*document, PaletteSession::Scope::paletteAndImage);
        sortPaletteEntries(*document, std::vector<int>{3, 4, 40}, 17);
        sortedPixels = pixels();
        sortedColors = colors();
        session.keep();
    }
    EXPECT_TRUE(document->isModified());
    document->undo();
    EXPECT_EQ(pixels(), pixelsBefore);
    EXPECT_EQ(colors(), colorsBefore);
    document->undo();
    EXPECT_EQ(pixels(), sortedPixels);
    EXPECT_EQ(colors(), sortedColors);
}

TEST_F(PaletteSortTest, AnyOtherEndPutsEverythingBackAndAnUnchangedPaletteMakesNoStep)
{
    const std::vector<ColorRef> pixelsBefore = pixels();
    const std::vector<ColorRef> colorsBefore = colors();
    // Cancelled, and left by an error: the session's end puts the picture back either way.
    for (bool cancelled : {true, false}) {
        try {
            PaletteSession session(*document, PaletteSession::Scope::paletteAndImage);
            sortPaletteEntries(*document, std::vector<int>{0, 255}, 0);
            sortPaletteEntries(*document, std::vector<int>{9}, 100);
            if (cancelled)
                session.restore();
            else
                throw 1;
        } catch (int) {
        }
        EXPECT_EQ(pixels(), pixelsBefore) << cancelled;
        EXPECT_EQ(colors(), colorsBefore) << cancelled;
        EXPECT_FALSE(document->isModified()) << cancelled;
        EXPECT_FALSE(UndoRecord::instance().canUndo(document.get())) << cancelled;
    }
    {
        PaletteSession session(*document, PaletteSession::Scope::paletteAndImage);
        sortPaletteEntries(*document, std::vector<int>{9}, 1);
        sortPaletteEntries(*document, std::vector<int>{10}, -1);
        session.keep();
    }
    EXPECT_EQ(pixels(), pixelsBefore);
    EXPECT_FALSE(document->isModified()) << "a sort dragged there and back";
    EXPECT_FALSE(UndoRecord::instance().canUndo(document.get()));
    {
        PaletteSession session(*document, PaletteSession::Scope::palette);
        document->palette()->setColorAt(7, rgb(1, 2, 3));
        document->palette()->setColorAt(7, colorsBefore[7]);
        session.keep();
    }
    EXPECT_FALSE(document->isModified()) << "the same colours again change nothing";
    EXPECT_FALSE(UndoRecord::instance().canUndo(document.get()));
}

TEST_F(PaletteSortTest, AFloatingSelectionGoesDownBeforeTheCopyIsTaken)
{
    auto record = std::make_shared<SelectionRecord>();
    record->region.setRect({0, 0, 2, 1});
    document->selectionPlug().setSelection(record);
    document->selectionPlug().moveBy({0, 2}, false);
    const std::vector<ColorRef> shown = look();
    {
        PaletteSession session(*document, PaletteSession::Scope::paletteAndImage);
        EXPECT_EQ(document->selection(), nullptr);
        sortPaletteEntries(*document, std::vector<int>{0}, 1);
        session.keep();
    }
    EXPECT_EQ(look(), shown);
    document->undo();
    EXPECT_EQ(look(), shown) << "undo gives back the committed picture";
}

} // namespace
