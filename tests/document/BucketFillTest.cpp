#include "document/BucketFill.h"
#include "base/ScriptedMessageBox.h"
#include "document/BitmapSelectionPlug.h"
#include "document/PencilStroke.h"
#include "document/UndoRecord.h"
#include "resources/StringTable.h"
#include "tests/document/DotDocuments.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {
// While set, the allocations that may fail (new (std::nothrow)) of this many bytes and more do.
size_t g_refuseFrom = SIZE_MAX;
} // namespace

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    if (size >= g_refuseFrom)
        return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

namespace {

const Dots walls = {"..#...", "..#.o.", "..####", "......"};

struct FillCase {
    const char* name;
    Rect selection; // empty: none
    Point click;
    bool border;
    Dots after;
};

const FillCase fillCases[] = {
    {"the area of the clicked colour, 4-connected", {}, {0, 0}, false, {"**#...", "**#.o.", "**####", "******"}},
    {"a one-dot area", {}, {4, 1}, false, {"..#...", "..#.*.", "..####", "......"}},
    {"a wall of another colour", {}, {2, 0}, false, {"..*...", "..*.o.", "..****", "......"}},
    {"stops at the selection's edge", {1, 0, 4, 4}, {1, 3}, false, {".*#...", ".*#.o.", ".*####", ".***.."}},
    {"border fill spreads over every other colour", {}, {5, 0}, true, {"..#***", "..#***", "..####", "......"}},
    {"border fill inside a selection", {0, 0, 6, 2}, {0, 1}, true, {"**#...", "**#.o.", "..####", "......"}},
};

TEST(BucketFillTest, FillsTheAreaInsideTheSelectionAndUndoesAsOneStep)
{
    for (const FillCase& c : fillCases)
        for (bool fullColor : {false, true}) {
            if (c.border && fullColor)
                continue;
            SCOPED_TRACE(testing::Message() << c.name << (fullColor ? ", full colour" : ", 8-bit"));
            Document document = picture(walls, fullColor);
            document->setBorderColors({1});
            if (!c.selection.isEmpty())
                select(*document, c.selection);
            BucketClick click = c.border ? borderFill(*document, c.click) : bucketFill(*document, c.click);
            EXPECT_EQ(click, BucketClick::onPicture);
            EXPECT_EQ(shown(*document), c.after);
            EXPECT_TRUE(document->isModified());
            document->undo();
            EXPECT_EQ(shown(*document), walls) << "undo";
            document->undo();
            EXPECT_EQ(shown(*document), c.after) << "redo";
        }
}

std::vector<ColorRef> pixels(const BitmapDocument& document)
{
    std::vector<ColorRef> all;
    for (int32_t y = 0; y < document.bounds().height(); ++y)
        for (int32_t x = 0; x < document.bounds().width(); ++x)
            all.push_back(document.pixelAt({x, y}));
    return all;
}

// The plain fill's undo repaints its area with the colour it had and its redo repaints the fill;
// through a tone both must give back every dot, however often they alternate.
TEST(BucketFillTest, UndoAndRedoThroughAToneGiveBackEveryDot)
{
    const Dots wide = {"..#.......#.", "..#.o..o..#.", "..####..###.", "............", "o.....#....."};
    for (bool fullColor : {false, true})
        for (bool selected : {false, true}) {
            SCOPED_TRACE(testing::Message() << (fullColor ? "full colour" : "8-bit") << (selected ? ", selected" : ""));
            Document document = picture(wide, fullColor);
            document->setDrawingTone(5);
            if (selected)
                select(*document, {1, 1, 11, 5});
            std::vector<ColorRef> before = pixels(*document);
            bucketFill(*document, {3, 3});
            std::vector<ColorRef> after = pixels(*document);
            EXPECT_NE(after, before);
            EXPECT_NE(shown(*document)[3].find('.'), std::string::npos) << "the tone leaves dots as they were";
            for (int round = 0; round < 2; ++round) {
                document->undo();
                EXPECT_EQ(pixels(*document), before) << "undo " << round;
                document->undo();
                EXPECT_EQ(pixels(*document), after) << "redo " << round;
            }
        }
}

TEST(BucketFillTest, ClicksThatChangeNothing)
{
    Document document = picture({"..*", "#.."}, false);
    document->setBorderColors({1});
    EXPECT_EQ(bucketFill(*document, {2, 0}), BucketClick::onPicture) << "already the drawing colour";
    EXPECT_EQ(borderFill(*document, {0, 1}), BucketClick::onPicture) << "on a border colour";
    EXPECT_EQ(bucketFill(*document, {3, 0}), BucketClick::outsidePicture);
    EXPECT_EQ(borderFill(*document, {0, -1}), BucketClick::outsidePicture);
    select(*document, {0, 0, 1, 1});
    EXPECT_EQ(bucketFill(*document, {1, 0}), BucketClick::outsideSelection);
    EXPECT_EQ(borderFill(*document, {1, 1}), BucketClick::outsideSelection);
    EXPECT_EQ(shown(*document), (Dots{"..*", "#.."}));
    EXPECT_FALSE(document->isModified());
}

TEST(BucketFillTest, BorderFillOnFullColourFillsTheSameColour)
{
    Document document = picture(walls, true);
    EXPECT_EQ(borderFill(*document, {0, 0}), BucketClick::onPicture);
    EXPECT_EQ(shown(*document), (Dots{"**#...", "**#.o.", "**####", "******"}));
}

// A selection moved half off the picture: the fill reads and paints only what lies on it.
TEST(BucketFillTest, AFloatingSelectionIsWrittenFirstAndNothingPastThePictureIsRead)
{
    Document document = picture({"##....", "##....", "......"}, false);
    select(*document, {0, 0, 2, 2});
    document->selectionPlug().moveBy({-1, 1}, false);
    EXPECT_EQ(bucketFill(*document, {0, 2}), BucketClick::onPicture);
    EXPECT_EQ(shown(*document), (Dots{"......", "*.....", "*....."}));
    document->undo();
    EXPECT_EQ(shown(*document), (Dots{"......", "#.....", "#....."})) << "the floating image again";
}

TEST(BucketFillTest, EachFillIsAStepOfItsOwnDocument)
{
    Document first = picture(walls, false), second = picture(walls, false);
    PencilStroke(*first, 0).press({5, 3});
    bucketFill(*second, {0, 0});
    bucketFill(*first, {0, 0});
    first->undo();
    EXPECT_EQ(shown(*first), (Dots{"..#...", "..#.o.", "..####", ".....*"})) << "the stroke before stays";
    second->undo();
    EXPECT_EQ(shown(*second)[0], "**#...") << "the other document's step went with the first fill";
}

// Again in a filled area, or through a tone over dots already painted: no step, no change.
TEST(BucketFillTest, AFillThatChangesNothingKeepsTheLastStepToUndo)
{
    Document document = picture(walls, false);
    document->setBorderColors({1});
    borderFill(*document, {5, 0});
    borderFill(*document, {4, 1});
    document->undo();
    EXPECT_EQ(shown(*document), walls) << "the undo took back the fill, not a second one of nothing";

    // A checker tone leaves every other dot of the area as it was; those dots, filled again through
    // the same tone, change nothing.
    document->setDrawingTone(4);
    bucketFill(*document, {0, 3});
    Dots toned = shown(*document);
    Point left = toned[3][0] == '.' ? Point{0, 3} : Point{1, 3};
    ASSERT_EQ(toned[size_t(left.y)][size_t(left.x)], '.');
    bucketFill(*document, left);
    EXPECT_EQ(shown(*document), toned);
    document->undo();
    EXPECT_EQ(shown(*document), walls) << "the toned fill is the step undone";
}

// The one fill that cannot complete: its queue of runs has no room to grow. Then it paints nothing
// and says so.
TEST(BucketFillTest, AFillWhoseQueueCannotGrowPaintsNothingAndShowsTheTooComplexMessage)
{
    Dots comb(4, std::string(1001, '#'));
    for (size_t y = 1; y < 3; ++y)
        for (size_t x = 1; x < comb[y].size(); x += 2)
            comb[y][x] = '.';
    Document document = picture(comb, false);
    PencilStroke(*document, 0).press({1, 1});
    ScriptedMessageBox box;
    g_refuseFrom = 4096;
    bool completed = guardCallback([&] { bucketFill(*document, {0, 0}); });
    g_refuseFrom = SIZE_MAX;
    EXPECT_FALSE(completed) << "the quiet error ends the click";
    EXPECT_EQ(box.messageIds(), std::vector<int>{messages::tooComplex});
    document->undo();
    EXPECT_EQ(shown(*document), comb) << "nothing painted, and the stroke before can still be undone";
    document->undo();
    EXPECT_TRUE(guardCallback([&] { bucketFill(*document, {0, 0}); }));
    EXPECT_EQ(shown(*document)[3], std::string(1001, '*')) << "with room to grow the same fill completes";
}

} // namespace
