#include "document/BitmapDocument.h"
#include "document/NewParams.h"
#include "document/PencilStroke.h"
#include "document/StraightLine.h"
#include "document/UndoRecord.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr ColorRef white = 0x00FFFFFF;
constexpr ColorRef red = 0x000000FF;

struct DocumentDeleter {
    void operator()(BitmapDocument* document) const { delete document; }
};
using Document = std::unique_ptr<BitmapDocument, DocumentDeleter>;

// A white full-colour picture drawing in red.
Document picture(Point size)
{
    Document document(new BitmapDocument(NewParams::current()));
    document->newContent({true, 0, white, {16, 16}, size}, "", "t");
    document->setDrawingColor(red);
    return document;
}

int32_t countRed(const BitmapDocument& document, const Rect& area)
{
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x)
            count += document.pixelAt({x, y}) == red;
    return count;
}

TEST(PencilStrokeTest, AStrokeDrawsBetweenTheDotsItReachesAndJoinsTheLastEnd)
{
    Document document = picture({20, 10});
    {
        PencilStroke stroke(*document, 0);
        stroke.press({2, 2});
        stroke.moveTo({6, 2});
        stroke.moveTo({6, 2});
        stroke.moveTo({6, 5});
        EXPECT_EQ(stroke.end(), (Point{6, 5}));
    }
    EXPECT_EQ(countRed(*document, document->bounds()), 5 + 3) << "each dot once, the corner shared";
    {
        PencilStroke join(*document, 0);
        join.press({12, 5}, Point{6, 5});
    }
    EXPECT_EQ(countRed(*document, {7, 5, 13, 6}), 6) << "the join runs from the press to the old end";
    EXPECT_EQ(countRed(*document, document->bounds()), 5 + 3 + 6);
}

TEST(PencilStrokeTest, UndoTakesBackTheLastStrokeOnlyEvenAfterAnotherDocumentsStep)
{
    Document first = picture({20, 10}), second = picture({20, 10});
    PencilStroke(*second, 0).press({2, 2});
    PencilStroke(*first, 0).press({1, 1});
    {
        PencilStroke stroke(*first, 0);
        stroke.press({5, 5});
        stroke.moveTo({9, 5});
    }
    first->undo();
    EXPECT_EQ(first->pixelAt({1, 1}), red) << "the earlier stroke stays";
    EXPECT_EQ(countRed(*first, {5, 5, 10, 6}), 0);
    first->undo();
    EXPECT_EQ(countRed(*first, {5, 5, 10, 6}), 5) << "a second Undo redoes";
    EXPECT_EQ(second->pixelAt({2, 2}), red) << "the other picture keeps its dot";
}

TEST(PencilStrokeTest, UndoRestoresEveryTileTheLargestPenReaches)
{
    // A 16 x 16 pen centred just left of a tile edge paints into the next tile and the tile below.
    Document document = picture({600, 300});
    {
        PencilStroke stroke(*document, 8);
        stroke.press({252, 253});
        stroke.moveTo({254, 254});
    }
    EXPECT_GT(countRed(*document, {256, 0, 270, 300}), 0) << "this proves nothing unless the next tile is painted";
    EXPECT_GT(countRed(*document, {240, 256, 270, 270}), 0);
    document->undo();
    EXPECT_EQ(countRed(*document, document->bounds()), 0);
}

TEST(StraightLineTest, ASquarePenCoversTheLineWithBothEndsAndUndoesAsOneStep)
{
    Document document = picture({20, 12});
    drawStraightLine(*document, {3, 4}, {9, 4}, 4);
    // Width 4 puts the square at d - 2 ... d + 1 on each axis.
    EXPECT_EQ(countRed(*document, document->bounds()), (9 + 1 - 3 + 3) * 4);
    EXPECT_EQ(countRed(*document, {1, 2, 11, 6}), (9 + 1 - 3 + 3) * 4);
    drawStraightLine(*document, {15, 0}, {15, 11}, 1);
    document->undo();
    EXPECT_EQ(countRed(*document, {15, 0, 16, 12}), 0) << "the second line went";
    EXPECT_EQ(countRed(*document, {1, 2, 11, 6}), 40) << "the first stays";
}

TEST(StraightLineTest, ALineOffThePictureDrawsWhatFallsInside)
{
    Document document = picture({10, 10});
    drawStraightLine(*document, {-5, 3}, {4, 3}, 1);
    EXPECT_EQ(countRed(*document, document->bounds()), 5);
    drawStraightLine(*document, {-50, -50}, {-40, -40}, 3);
    EXPECT_EQ(countRed(*document, document->bounds()), 5);
}

} // namespace
