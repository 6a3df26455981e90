#include "document/ColorReplacement.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/NewParams.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr Point size{9, 7};

uint8_t startingEntry(int32_t x, int32_t y)
{
    return uint8_t((x * 5 + y * 3) % 8 + (y % 2) * 16);
}

// An indexed 9 x 7 picture of a few entries in two rows of the palette.
class ColorReplacementTest : public testing::Test {
protected:
    ColorReplacementTest() { reset(); }

    void reset()
    {
        document = std::make_unique<BitmapDocument>(NewParams::current());
        document->newContent({false, 0, 0, {4, 4}, size}, "/nonexistent/default.rgb", "t");
        for (int32_t y = 0; y < size.y; ++y)
            for (int32_t x = 0; x < size.x; ++x)
                document->fillRect(Rect::fromSize({x, y}, {1, 1}), paletteIndex(startingEntry(x, y)));
        document->setModified(false);
        UndoRecord::instance().forget(document.get());
    }

    // A selection that may reach past the picture, as a moved one can.
    void select(const Rect& rect)
    {
        auto record = std::make_shared<SelectionRecord>();
        record->region.setRect(rect);
        document->selectionPlug().setSelection(record);
        UndoRecord::instance().forget(document.get());
    }

    std::vector<int> entries() const
    {
        std::vector<int> dots;
        for (int32_t y = 0; y < size.y; ++y)
            for (int32_t x = 0; x < size.x; ++x)
                dots.push_back(int(document->pixelAt({x, y}) & 0xFF));
        return dots;
    }

    // The starting picture with every dot inside rect given by change(x, y, entry).
    static std::vector<int> expected(const Rect& rect, const std::function<int(int32_t, int32_t, int)>& change)
    {
        std::vector<int> dots;
        for (int32_t y = 0; y < size.y; ++y)
            for (int32_t x = 0; x < size.x; ++x) {
                int was = startingEntry(x, y);
                dots.push_back(rect.contains({x, y}) ? change(x, y, was) : was);
            }
        return dots;
    }

    std::unique_ptr<BitmapDocument> document;
};

TEST_F(ColorReplacementTest, OnlyTargetDotsInsideTheSelectionChangeAndOneUndoPutsThemBack)
{
    struct Row {
        const char* name;
        Rect selection;
        bool floating;
        std::function<void(BitmapDocument&)> command;
        std::function<int(int32_t, int32_t, int)> change;
    };
    const std::vector<int> targets{3, 4, 17};
    auto isTarget = [&](int v) { return v == 3 || v == 4 || v == 17; };
    const Row rows[] = {
        {"one result",
         {1, 1, 6, 5},
         false,
         [&](BitmapDocument& d) { replaceColors(d, targets, std::vector{7}); },
         [&](int32_t, int32_t, int v) { return isTarget(v) ? 7 : v; }},
        {"two results make a checkerboard anchored at the picture's corner",
         {2, 1, 9, 7},
         false,
         [&](BitmapDocument& d) {
             replaceColors(d, targets, std::vector{1, 2});
         },
         [&](int32_t x, int32_t y, int v) { return isTarget(v) ? ((x + y) % 2 ? 2 : 1) : v; }},
        {"a selection partly outside the picture",
         {-3, -2, 4, 3},
         false,
         [&](BitmapDocument& d) { replaceColors(d, targets, std::vector{7}); },
         [&](int32_t, int32_t, int v) { return isTarget(v) ? 7 : v; }},
        {"a floating selection goes down first",
         {1, 1, 6, 5},
         true,
         [&](BitmapDocument& d) { replaceColors(d, targets, std::vector{7}); },
         [&](int32_t, int32_t, int v) { return isTarget(v) ? 7 : v; }},
        {"a row assignment keeps each dot's column",
         {0, 2, 8, 6},
         false,
         [](BitmapDocument& d) { assignPaletteRow(d, 0x37); },
         [](int32_t, int32_t, int v) { return 0x30 + v % 16; }},
        {"row 0xF0 on a floating selection",
         {-1, -1, 5, 9},
         true,
         [](BitmapDocument& d) { assignPaletteRow(d, 0xF5); },
         [](int32_t, int32_t, int v) { return 0xF0 + v % 16; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reset();
        select(row.selection);
        if (row.floating)
            document->lift(true);
        std::vector<int> before = entries();
        row.command(*document);
        EXPECT_EQ(entries(), expected(row.selection, row.change));
        EXPECT_TRUE(document->isModified());
        ASSERT_TRUE(document->selection());
        EXPECT_FALSE(document->selection()->floatingImage);
        EXPECT_EQ(document->selection()->region.bounds(), row.selection);
        document->undo();
        EXPECT_EQ(entries(), before);
        document->undo();
        EXPECT_EQ(entries(), expected(row.selection, row.change)) << "a second undo redoes";
    }
}

TEST_F(ColorReplacementTest, PreviewDropsExchangeOrCopyAndOnlyAConfirmedChangeIsAStep)
{
    const Rect area{1, 0, 7, 5};
    select(area);
    {
        ReplacementPreview preview(*document);
        preview.selectEntries(std::vector{3, 4});
        preview.drop(1, false);
        // 3 and 4 show at 4 and 5; 5, displaced, takes the place 3 left.
        EXPECT_EQ(entries(), expected(area, [](int32_t, int32_t, int v) {
                      return v == 4 ? 3 : v == 5 ? 4 : v == 3 ? 5 : v;
                  }));
        EXPECT_EQ(preview.entries(), (std::vector{4, 5}));
        preview.drop(-1, false);
        EXPECT_EQ(entries(), expected(area, [](int32_t, int32_t, int v) { return v; }));
        preview.keep();
    }
    EXPECT_FALSE(document->isModified()) << "there and back changes nothing";
    EXPECT_FALSE(UndoRecord::instance().canUndo(document.get()));

    {
        ReplacementPreview preview(*document);
        preview.selectEntries(std::vector{2});
        preview.drop(16, true);
        EXPECT_EQ(entries(), expected(area, [](int32_t, int32_t, int v) { return v == 18 ? 2 : v; }));
        preview.drop(16 * 20, false);
        EXPECT_EQ(preview.entries(), std::vector{18}) << "a drop off the palette moves nothing";
        preview.keep();
    }
    std::vector<int> kept = entries();
    EXPECT_TRUE(document->isModified());
    document->undo();
    EXPECT_EQ(entries(), expected(area, [](int32_t, int32_t, int v) { return v; }));
    document->undo();
    EXPECT_EQ(entries(), kept);

    document->setModified(false);
    {
        ReplacementPreview preview(*document);
        preview.selectEntries(std::vector{0});
        preview.drop(1, false);
        EXPECT_NE(entries(), kept);
    }
    EXPECT_EQ(entries(), kept) << "an end without OK puts the dots back";
    EXPECT_FALSE(document->isModified());
}

TEST_F(ColorReplacementTest, APictureWithoutASelectionIsLeftAlone)
{
    std::vector<int> before = entries();
    replaceColors(*document, std::vector{3}, std::vector{7});
    assignPaletteRow(*document, 0x20);
    ReplacementPreview(*document).drop(1, false);
    EXPECT_EQ(entries(), before);
    EXPECT_FALSE(document->isModified());
}

} // namespace
