#include "document/BitmapDocument.h"
#include "core/Aspects.h"
#include "document/BitmapPalette.h"
#include "document/NewParams.h"
#include "document/Pen.h"
#include "document/UndoRecord.h"
#include "pixels/DIBImage.h"
#include "pixels/MaskImage.h"
#include "resources/Bitmaps.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Follows a document and writes down what it hears, with the damage of every redraw; leaving it ends
// the document.
struct Observer : Listener {
    explicit Observer(BitmapDocument* document) : Listener(document)
    {
        onUpdate = [this, document](const Aspect* aspect) {
            if (aspect == &aspects::ImageView::Plug::access)
                damage.push_back(document->damage());
        };
    }
    std::vector<Rect> damage;
};

class DocumentTest : public testing::Test {
protected:
    BitmapDocument* makeDocument(bool fullColor, Point size = {16, 8})
    {
        auto* document = new BitmapDocument(NewParams::current());
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.fullColor = fullColor;
        params.imageSize = size;
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        observers.push_back(std::make_unique<Observer>(document));
        return document;
    }
    void TearDown() override { observers.clear(); }

    Observer& observer(size_t i = 0) { return *observers[i]; }
    std::vector<std::unique_ptr<Observer>> observers;
};

std::shared_ptr<MaskImage> fullMask(Point size)
{
    auto mask = MaskImage::newMask(size);
    mask->clear(true);
    return mask;
}

int countIndex(const BitmapDocument& document, uint8_t index)
{
    int count = 0;
    Rect box = document.bounds();
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            count += document.pixelAt({x, y}) == paletteIndex(index);
    return count;
}

TEST_F(DocumentTest, ANewIndexedPictureStartsFromThePreferences)
{
    BitmapDocument* document = makeDocument(false);
    EXPECT_FALSE(document->isFullColor());
    EXPECT_EQ(document->drawingColor(), paletteIndex(1));
    EXPECT_EQ(document->backgroundColor(), paletteIndex(0));
    EXPECT_EQ(document->meshColor(), paletteIndex(1));
    EXPECT_EQ(document->meshSize(), (Point{64, 64}));
    EXPECT_EQ(countIndex(*document, 0), 16 * 8);
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(document->title(), "untitled");
    EXPECT_EQ(document->drawingRGB(), rgb(128, 0, 0)) << "index 1 of the stock colours";
    EXPECT_NE(document->valueFor(&aspects::BitmapPalette::access), nullptr);

    BitmapDocument* color = makeDocument(true);
    EXPECT_TRUE(color->isFullColor());
    EXPECT_EQ(color->pixelAt({3, 3}), rgb(255, 255, 255));
    EXPECT_EQ(color->valueFor(&aspects::BitmapPalette::access), nullptr);
    color->setDrawingColor(rgb(1, 2, 3));
    EXPECT_EQ(color->drawingRGB(), rgb(1, 2, 3));
}

TEST_F(DocumentTest, ColourAndToneChangesAreSentOnlyWhenTheyChange)
{
    BitmapDocument* document = makeDocument(false);
    document->setDrawingColor(paletteIndex(1));
    document->setDrawingTone(0);
    EXPECT_TRUE(observer().heard().empty());
    document->setBackgroundColor(paletteIndex(7));
    document->setDrawingTone(4);
    EXPECT_EQ(observer().names(),
              (std::vector<std::string>{"BitmapDocument::drawingColor", "BitmapDocument::drawingTone"}));
    ASSERT_TRUE(document->tonePattern());
    EXPECT_EQ((*document->tonePattern())[0], 0xAA);
    document->setDrawingTone(0);
    EXPECT_FALSE(document->tonePattern());
}

TEST_F(DocumentTest, MaskFillsReportTheirAreaAndMissesSendNothing)
{
    BitmapDocument* document = makeDocument(true);
    auto mask = MaskImage::newMask({4, 4});
    mask->clear(false);
    mask->setRun(1, 1, 3);
    document->fillMask(*mask, {14, 6}, rgb(9, 8, 7), nullptr);
    EXPECT_EQ(document->pixelAt({15, 7}), rgb(9, 8, 7));
    EXPECT_EQ(document->pixelAt({14, 7}), rgb(255, 255, 255));
    EXPECT_EQ(observer().damage, (std::vector<Rect>{{14, 6, 16, 8}}));
    EXPECT_TRUE(document->isModified());

    observer().clear();
    document->fillMask(*mask, {100, 100}, rgb(9, 8, 7), nullptr);
    document->fillRect({-5, -5, 0, 3}, rgb(1, 1, 1));
    EXPECT_TRUE(observer().heard().empty());
}

TEST_F(DocumentTest, PastesOfOtherDepthsConvertAndReportTheirArea)
{
    BitmapDocument* document = makeDocument(true);
    BitmapDocument* indexed = makeDocument(false);
    indexed->fillRect({0, 0, 2, 2}, paletteIndex(13)); // pure red among the stock colours
    observer().damage.clear();
    document->pasteImage(*indexed->image(), {10, 5});
    EXPECT_EQ(document->pixelAt({11, 6}), rgb(255, 0, 0));
    EXPECT_EQ(document->pixelAt({12, 6}), rgb(0, 0, 0)) << "index 0 of the stock colours is black";
    EXPECT_EQ(observer().damage, (std::vector<Rect>{{10, 5, 16, 8}}));
}

TEST_F(DocumentTest, PenDabsAreCentredInTheDrawingColourAndTakeTheirToneFromThePen)
{
    BitmapDocument* document = makeDocument(false);
    document->setDrawingColor(paletteIndex(9));
    Pen pen;
    pen.setSquare(4, 4);
    document->drawPen(pen, {0, 0});
    // Centred on (0, 0), only the lower right quarter is inside.
    EXPECT_EQ(document->pixelAt({1, 1}), paletteIndex(9));
    EXPECT_EQ(document->pixelAt({2, 0}), paletteIndex(0));
    EXPECT_EQ(observer().damage.back(), (Rect{0, 0, 2, 2}));
    EXPECT_TRUE(document->isModified());

    // A 3 x 3 square whose corner lands on (5, 3): with tone 3 the ink follows the image's grid,
    // whose rows 3 and 4 read 0x55 and 0x88, not the pen's own rows.
    Pen toned;
    toned.setSquare(3, 3);
    toned.setTone(bitmaps::firstTone + 3);
    document->drawPen(toned, {6, 4});
    EXPECT_EQ(document->pixelAt({5, 3}), paletteIndex(0)) << "0x55 blocks odd columns";
    EXPECT_EQ(document->pixelAt({6, 3}), paletteIndex(9));
    EXPECT_EQ(document->pixelAt({5, 4}), paletteIndex(9)) << "0x88 lets column 5 through";
    EXPECT_EQ(observer().damage.back(), (Rect{5, 3, 8, 6}));

    observer().clear();
    document->drawPen(toned, {-5, 0});
    EXPECT_TRUE(observer().heard().empty()) << "a dab wholly outside sends nothing";
}

TEST_F(DocumentTest, PaletteStepsStopAtTheEndsAndRowsWrap)
{
    BitmapDocument* document = makeDocument(false);
    BitmapPalette& palette = *document->palette();
    document->setDrawingColor(paletteIndex(250));
    palette.stepDrawingRow(1);
    EXPECT_EQ(document->drawingColor(), paletteIndex(10));
    document->setDrawingColor(paletteIndex(255));
    palette.stepDrawingIndex(1);
    EXPECT_EQ(document->drawingColor(), paletteIndex(255));
    document->setDrawingColor(paletteIndex(0));
    palette.stepDrawingIndex(-1);
    EXPECT_EQ(document->drawingColor(), paletteIndex(0));
    palette.stepDrawingRow(-1);
    EXPECT_EQ(document->drawingColor(), paletteIndex(240));
}

TEST_F(DocumentTest, PaletteChangesReachTheDocumentAndRedrawEverything)
{
    BitmapDocument* document = makeDocument(false);
    BitmapPalette& palette = *document->palette();
    palette.setColorAt(0, rgb(10, 20, 30));
    palette.changed();
    EXPECT_EQ(observer().names(), (std::vector<std::string>{"BitmapPalette::access", "ImageView::Plug::access"}));
    EXPECT_EQ(observer().damage.back(), document->bounds());
}

TEST_F(DocumentTest, UndoRestoresTheOldestStateAndASecondUndoRedoes)
{
    BitmapDocument* document = makeDocument(false);
    UndoRecord::instance().beginUndo(document);
    document->savePixelsForUndo({0, 0, 4, 4});
    document->fillRect({0, 0, 4, 4}, paletteIndex(1));
    document->savePixelsForUndo({2, 2, 6, 6}); // overlaps the first save
    document->fillRect({2, 2, 6, 6}, paletteIndex(2));

    document->undo();
    EXPECT_EQ(countIndex(*document, 0), 16 * 8) << "back to the state before both fills";
    document->undo();
    EXPECT_EQ(document->pixelAt({0, 0}), paletteIndex(1));
    EXPECT_EQ(document->pixelAt({3, 3}), paletteIndex(2));
    EXPECT_EQ(document->pixelAt({5, 5}), paletteIndex(2));
}

TEST_F(DocumentTest, PaletteUndoSwapsTheColoursBackAndForth)
{
    BitmapDocument* document = makeDocument(false);
    BitmapPalette& palette = *document->palette();
    ColorRef before = palette.colorAt(3);
    UndoRecord::instance().beginUndo(document);
    document->savePaletteForUndo();
    palette.setColorAt(3, rgb(1, 2, 3));
    palette.changed();
    document->undo();
    EXPECT_EQ(palette.colorAt(3), before);
    document->undo();
    EXPECT_EQ(palette.colorAt(3), rgb(1, 2, 3));
}

TEST_F(DocumentTest, UndoStepsNeverCrossDocuments)
{
    BitmapDocument* first = makeDocument(false);
    BitmapDocument* second = makeDocument(false);
    UndoRecord::instance().beginUndo(first);
    first->savePixelsForUndo({0, 0, 2, 2});
    first->fillRect({0, 0, 2, 2}, paletteIndex(4));
    second->savePixelsForUndo({0, 0, 2, 2}); // starts a step of its own
    second->fillRect({0, 0, 2, 2}, paletteIndex(6));
    EXPECT_EQ(UndoRecord::instance().owner(), second);
    first->undo();
    EXPECT_EQ(first->pixelAt({0, 0}), paletteIndex(4)) << "the first document's step is gone";
    EXPECT_EQ(second->pixelAt({0, 0}), paletteIndex(6)) << "and it never replays the other's pixels";
    second->undo();
    EXPECT_EQ(second->pixelAt({0, 0}), paletteIndex(0));

    observers.pop_back(); // the second document's last dependent leaves: it ends and drops its step
    EXPECT_EQ(UndoRecord::instance().owner(), nullptr);
}

TEST_F(DocumentTest, ClearingSavesForUndoAndFillsWithTheBackground)
{
    BitmapDocument* document = makeDocument(true);
    document->fillRect(document->bounds(), rgb(50, 50, 50));
    document->clearMask(nullptr, {0, 0});
    UndoRecord::instance().beginUndo(document);
    auto mask = fullMask({2, 2});
    document->clearMask(mask.get(), {3, 3});
    EXPECT_EQ(document->pixelAt({4, 4}), rgb(255, 255, 255));
    document->undo();
    EXPECT_EQ(document->pixelAt({4, 4}), rgb(50, 50, 50));
}

} // namespace
