#include "document/OutlineShapes.h"
#include "document/BitmapSelectionPlug.h"
#include "document/SelectionRecord.h"
#include "tests/document/DotDocuments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// A plain selection of rect as it is, also where it reaches past the picture, as a moved selection
// becomes once written into the picture.
void selectExactly(BitmapDocument& document, const Rect& rect)
{
    auto record = std::make_shared<SelectionRecord>();
    record->region.setRect(rect);
    document.selectionPlug().setSelection(record);
}

const Dots dot = {".......", ".......", "...#...", ".......", "......."};

struct OutlineCase {
    const char* name;
    Dots before;
    Rect selection;
    int width;
    bool corners;
    Dots after;
};

const OutlineCase outlineCases[] = {
    {"with corners a square", dot, {0, 0, 7, 5}, 1, true, {".......", "..***..", "..*#*..", "..***..", "......."}},
    {"without corners a diamond", dot, {0, 0, 7, 5}, 1, false, {".......", "...*...", "..*#*..", "...*...", "......."}},
    {"the twelve dots two steps away",
     dot,
     {0, 0, 7, 5},
     2,
     false,
     {"...*...", "..***..", ".**#**.", "..***..", "...*..."}},
    {"cut at the selection's edge",
     dot,
     {0, 0, 4, 5},
     2,
     true,
     {".***...", ".***...", ".**#...", ".***...", ".***..."}},
    {"two colours of shape, neither painted over",
     {".......", ".......", "..#o...", ".......", "......."},
     {0, 0, 7, 5},
     1,
     true,
     {".......", ".****..", ".*#o*..", ".****..", "......."}},
    {"a shape outside the selection grows nothing into it", dot, {4, 0, 7, 5}, 2, true, dot},
    // Had the dots past the picture counted as shapes, row 0 and column 0 would be painted too.
    {"a selection reaching past the picture",
     {".......", ".......", "..#....", ".......", "......."},
     {-3, -3, 5, 5},
     1,
     true,
     {".......", ".***...", ".*#*...", ".***...", "......."}},
};

TEST(OutlineShapesTest, OutlinesTheShapesInsideTheSelectionAsOneStep)
{
    for (const OutlineCase& c : outlineCases)
        for (bool fullColor : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (fullColor ? ", full colour" : ", 8-bit"));
            Document document = picture(c.before, fullColor);
            selectExactly(*document, c.selection);
            outlineShapes(*document, c.width, c.corners);
            EXPECT_EQ(shown(*document), c.after);
            EXPECT_EQ(document->isModified(), c.after != c.before);
            document->undo();
            EXPECT_EQ(shown(*document), c.before) << "undo";
        }
}

TEST(OutlineShapesTest, TheWidestOutlineIsTheFullSquareOrDiamond)
{
    Document document = picture(Dots(131, std::string(131, '.')), false);
    document->fillRect({65, 65, 66, 66}, colorOf('#', false));
    selectionCommands::selectAll(*document);
    for (bool corners : {true, false}) {
        outlineShapes(*document, 64, corners);
        int64_t painted = 0;
        for (const std::string& row : shown(*document))
            painted += std::count(row.begin(), row.end(), '*');
        EXPECT_EQ(painted, corners ? 129 * 129 - 1 : 2 * 64 * 65) << (corners ? "square" : "diamond");
        document->undo();
    }
}

TEST(OutlineShapesTest, AFloatingImageIsWrittenFirstAndComesBackWithTheSameUndo)
{
    Document document = picture({"......", ".#....", "......", "......"}, false);
    select(*document, {0, 0, 3, 3});
    document->selectionPlug().moveBy({2, 1}, false);
    outlineShapes(*document, 1, true);
    EXPECT_EQ(shown(*document), (Dots{"......", "..***.", "..*#*.", "..***."}));
    ASSERT_TRUE(document->selection());
    EXPECT_FALSE(document->selection()->floatingImage) << "a plain selection of the same region stays";
    document->undo();
    EXPECT_EQ(shown(*document), (Dots{"......", "......", "...#..", "......"}));
    ASSERT_TRUE(document->selection());
    EXPECT_TRUE(document->selection()->floatingImage) << "floating again";
}

// An outline in the background colour paints what is there already: no step, so the last one can
// still be undone.
TEST(OutlineShapesTest, AnOutlineThatChangesNothingKeepsTheLastStepToUndo)
{
    Document document = picture(dot, true);
    selectionCommands::selectAll(*document);
    outlineShapes(*document, 1, true);
    document->setDrawingColor(colorOf('.', true));
    outlineShapes(*document, 1, true);
    document->undo();
    EXPECT_EQ(shown(*document), dot);
}

} // namespace
