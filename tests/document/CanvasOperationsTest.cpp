#include "document/CanvasOperations.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/DocumentWindows.h"
#include "document/NewParams.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr ColorRef white = 0x00FFFFFF;
constexpr ColorRef red = 0x000000FF;

struct RecordedWindows : DocumentWindowService {
    void openWindow(Model& document) override { windows.push_back(std::make_unique<Listener>(&document)); }
    std::vector<std::unique_ptr<Listener>> windows;
};

TEST(CanvasRectTest, TheAnchorKeepsItsSideOrTheMiddleTruncatedTowardZero)
{
    struct Row {
        Point oldSize, newSize;
        int32_t anchor;
        Rect rect;
    };
    const Row rows[] = {
        {{10, 10}, {6, 6}, 4, {2, 2, 8, 8}},       {{10, 10}, {6, 6}, 8, {4, 4, 10, 10}},
        {{10, 10}, {6, 6}, 0, {0, 0, 6, 6}},       {{10, 10}, {13, 13}, 4, {-1, -1, 12, 12}},
        {{10, 10}, {13, 13}, 8, {-3, -3, 10, 10}}, {{10, 8}, {7, 11}, 2, {3, 0, 10, 11}},
        {{10, 8}, {7, 11}, 3, {0, -1, 7, 10}},     {{10, 8}, {7, 11}, 7, {1, -3, 8, 8}},
    };
    for (const Row& row : rows) {
        Rect rect = canvasRect(row.oldSize, row.newSize, row.anchor);
        EXPECT_EQ(rect, row.rect) << row.oldSize.x << "x" << row.oldSize.y << " to " << row.newSize.x << "x"
                                  << row.newSize.y << " about " << row.anchor;
    }
}

class CanvasTest : public testing::Test {
protected:
    void SetUp() override
    {
        document->newContent({true, 0, white, {4, 4}, {10, 10}}, "", "t");
        document->fillRect({2, 2, 3, 3}, red);
    }

    std::unique_ptr<BitmapDocument> document = std::make_unique<BitmapDocument>(NewParams::current());
};

TEST_F(CanvasTest, ALargerCanvasAddsTheBackgroundAndUndoAndRedoAlternate)
{
    resizeCanvas(*document, {-1, -1, 12, 12});
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 13, 13}));
    EXPECT_EQ(document->pixelAt({3, 3}), red);
    EXPECT_EQ(document->pixelAt({0, 0}), white);
    EXPECT_EQ(document->pixelAt({12, 12}), white);
    EXPECT_TRUE(document->isModified());
    document->undo();
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 10, 10}));
    EXPECT_EQ(document->pixelAt({2, 2}), red);
    document->undo();
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 13, 13}));
    EXPECT_EQ(document->pixelAt({3, 3}), red);
}

TEST_F(CanvasTest, AFloatingSelectionIsDroppedBeforeTheStepThatUndoesTheCanvasAlone)
{
    auto record = std::make_shared<SelectionRecord>();
    record->region.setRect({2, 2, 3, 3});
    document->selectionPlug().setSelection(record);
    document->selectionPlug().moveBy({4, 4}, false);
    resizeCanvas(*document, {4, 4, 8, 8});
    EXPECT_EQ(document->selection(), nullptr);
    EXPECT_EQ(document->pixelAt({2, 2}), red) << "the moved dot, written into the picture";
    document->undo();
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 10, 10}));
    EXPECT_EQ(document->pixelAt({6, 6}), red) << "undo gives the canvas back, the dropped selection kept";
    EXPECT_EQ(document->pixelAt({2, 2}), white);
}

TEST_F(CanvasTest, ACutCanvasCutsTheAnimationFrameAndUndoGivesTheOldFrameBackWithThePicture)
{
    document->animation().setSize({8, 6});
    resizeCanvas(*document, {0, 0, 5, 12});
    EXPECT_EQ(document->animation().size(), (Point{5, 6}));
    document->undo();
    EXPECT_EQ(document->bounds(), (Rect{0, 0, 10, 10}));
    EXPECT_EQ(document->animation().size(), (Point{8, 6}));
    document->undo();
    EXPECT_EQ(document->animation().size(), (Point{5, 6})) << "the step done again cuts it again";
}

TEST_F(CanvasTest, ANewDocumentFromARectIsAnIndependentModifiedCopy)
{
    RecordedWindows windows;
    DocumentWindowService* previous = installDocumentWindows(&windows);
    auto indexed = std::make_unique<BitmapDocument>(NewParams::current());
    indexed->newContent({false, 0, white, {4, 4}, {10, 10}}, "/nonexistent/default.rgb", "t");
    indexed->fillRect({3, 3, 4, 4}, paletteIndex(7));
    indexed->setModified(false);
    BitmapDocument* copy = newDocumentFrom(*indexed, {2, 2, 6, 6});
    installDocumentWindows(previous);
    ASSERT_TRUE(copy);
    ASSERT_EQ(windows.windows.size(), 1u);
    EXPECT_EQ(copy->bounds(), (Rect{0, 0, 4, 4}));
    EXPECT_EQ(copy->pixelAt({1, 1}), paletteIndex(7));
    EXPECT_TRUE(copy->isModified());
    EXPECT_FALSE(indexed->isModified());
    ASSERT_TRUE(copy->palette());
    EXPECT_NE(copy->palette(), indexed->palette());
    ColorRef before = indexed->palette()->colorAt(7);
    copy->palette()->setColorAt(7, before ^ 0x00FFFFFF);
    EXPECT_EQ(indexed->palette()->colorAt(7), before) << "each has its own palette";
}

} // namespace
