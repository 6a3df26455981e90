#include "document/ClipboardImage.h"
#include "document/BitmapDocument.h"
#include "document/BitmapPalette.h"
#include "document/BitmapSelectionPlug.h"
#include "document/NewParams.h"
#include "document/PastedPicture.h"
#include "document/SelectionRecord.h"
#include "document/UndoRecord.h"
#include "pixels/DIBImage.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ClipboardImageTest : public testing::Test {
protected:
    BitmapDocument* picture(bool fullColor, Point size)
    {
        auto* document = new BitmapDocument(NewParams::current());
        NewDocumentParams params = NewDocumentParams::fromPreferences(NewParams::current());
        params.fullColor = fullColor;
        params.imageSize = size;
        params.backgroundIndex = 0;
        params.backgroundColor = rgb(255, 255, 255);
        document->newContent(params, "/nonexistent/default.rgb", "untitled");
        listeners.push_back(std::make_unique<Listener>(document));
        return document;
    }
    static void select(BitmapDocument& document, const Region& region)
    {
        auto record = std::make_shared<SelectionRecord>();
        record->region = region;
        document.selectionPlug().setSelection(record);
    }
    static std::vector<uint8_t> copyOf(const BitmapDocument& document)
    {
        std::optional<clipboardImage::SelectionCopy> copy = clipboardImage::SelectionCopy::of(document);
        if (!copy)
            return {};
        std::vector<uint8_t> dib(copy->size());
        copy->write(dib);
        return dib;
    }
    static uint32_t u32(const std::vector<uint8_t>& b, size_t at)
    {
        return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
    }
    void TearDown() override { listeners.clear(); }

    std::vector<std::unique_ptr<Listener>> listeners;
};

TEST_F(ClipboardImageTest, AnEllipseCopiesAsItsRectangleWithBackgroundCorners)
{
    BitmapDocument& document = *picture(false, {24, 16});
    document.palette()->setColorAt(7, rgb(1, 2, 3));
    document.palette()->changed();
    document.fillRect(document.bounds(), paletteIndex(7));
    Region ellipse;
    ellipse.setEllipse({2, 2, 21, 14});
    select(document, ellipse);
    std::vector<uint8_t> dib = copyOf(document);
    Rect box = ellipse.bounds();
    ASSERT_EQ(dib.size(), 40u + 1024 + size_t(box.height()) * size_t(DIBImage::rowLength(8, box.width())));
    EXPECT_EQ(u32(dib, 0), 40u);
    EXPECT_EQ(u32(dib, 4), uint32_t(box.width()));
    EXPECT_EQ(u32(dib, 8), uint32_t(box.height())) << "positive: bottom row first";
    EXPECT_EQ(u32(dib, 12), 0x00080001u);
    for (size_t at = 16; at < 40; at += 4)
        EXPECT_EQ(u32(dib, at), 0u) << at;
    EXPECT_EQ(u32(dib, 40 + 4 * 7), 0x00010203u) << "entry 7: blue, green, red, 0";
    size_t stride = size_t(DIBImage::rowLength(8, box.width()));
    auto value = [&](int x, int y) { return dib[1064 + size_t(box.height() - 1 - y) * stride + size_t(x)]; };
    ASSERT_FALSE(ellipse.contains(box.topLeft()));
    EXPECT_EQ(value(0, 0), 0) << "a corner outside the ellipse is the background";
    EXPECT_EQ(value(box.width() / 2, box.height() / 2), 7);
    EXPECT_EQ(value(box.width() / 2, 0), 7);
}

TEST_F(ClipboardImageTest, AFullColourCopyIsBlueGreenRedWithoutATable)
{
    BitmapDocument& document = *picture(true, {4, 3});
    document.fillRect({1, 1, 2, 2}, rgb(10, 20, 30));
    Region rect;
    rect.setRect({1, 0, 3, 2});
    select(document, rect);
    std::vector<uint8_t> dib = copyOf(document);
    ASSERT_EQ(dib.size(), 40u + 2 * 8);
    EXPECT_EQ(u32(dib, 12), 0x00180001u);
    EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 40, dib.begin() + 48),
              (std::vector<uint8_t>{30, 20, 10, 255, 255, 255, 0, 0}))
        << "the bottom row first";
}

TEST_F(ClipboardImageTest, AFloatingImageCopiesItsOwnPixelsNotTheComposite)
{
    // Behind the figure at (3, 0), the floating image shows the figure there.
    BitmapDocument& document = *picture(false, {6, 2});
    document.fillRect({0, 0, 2, 1}, paletteIndex(4));
    document.fillRect({3, 0, 4, 1}, paletteIndex(9));
    Region rect;
    rect.setRect({0, 0, 2, 1});
    select(document, rect);
    document.setPasteMode(2);
    document.selectionPlug().moveBy({3, 0}, false);
    ASSERT_EQ(document.pixelAt({3, 0}), paletteIndex(9));
    std::vector<uint8_t> dib = copyOf(document);
    ASSERT_EQ(dib.size(), 40u + 1024 + 4);
    EXPECT_EQ(std::vector<uint8_t>(dib.begin() + 1064, dib.begin() + 1066), (std::vector<uint8_t>{4, 4}));
}

TEST_F(ClipboardImageTest, AMarkedCopyPastesWithItsIndicesIntoAnotherPalette)
{
    BitmapDocument& from = *picture(false, {4, 4});
    from.fillRect({0, 0, 2, 4}, paletteIndex(3));
    from.fillRect({2, 0, 4, 4}, paletteIndex(200));
    Region all;
    all.setRect(from.bounds());
    select(from, all);
    std::vector<uint8_t> dib = copyOf(from);

    BitmapDocument& to = *picture(false, {8, 8});
    for (int i = 0; i < 256; ++i)
        to.palette()->setColorAt(i, rgb(uint8_t(255 - i), uint8_t(i), 7));
    to.palette()->changed();
    std::shared_ptr<DIBImage> image = fromDib(PasteTarget::of(to), dib, 0, true);
    ASSERT_TRUE(image);
    Point origin = clipboardImage::placement(to, image->extent(), {4, 4}, {1, 1});
    EXPECT_EQ(origin, (Point{2, 2}));
    UndoRecord::instance().beginUndo(&to);
    clipboardImage::install(to, image, origin);
    ASSERT_TRUE(to.selection() && to.selection()->floatingImage);
    EXPECT_EQ(to.selection()->region.bounds(), (Rect{2, 2, 6, 6}));
    to.commitSelection();
    EXPECT_EQ(to.pixelAt({2, 2}), paletteIndex(3));
    EXPECT_EQ(to.pixelAt({5, 5}), paletteIndex(200));
    to.undo();
    EXPECT_EQ(to.pixelAt({2, 2}), paletteIndex(0)) << "the paste is one undo step";
    EXPECT_FALSE(to.selection());
}

TEST_F(ClipboardImageTest, PlacementCentresOnTheSelectionAndSnapsToTheUnit)
{
    BitmapDocument& document = *picture(false, {32, 32});
    struct Case {
        Point size, centre, unit, origin;
    };
    for (Case c : {Case{{4, 4}, {10, 10}, {1, 1}, {8, 8}}, Case{{4, 4}, {10, 10}, {16, 16}, {0, 0}},
                   Case{{4, 4}, {100, -5}, {1, 1}, {29, -2}}, Case{{64, 64}, {16, 16}, {1, 1}, {-16, -16}},
                   Case{{5, 3}, {23, 23}, {8, 8}, {16, 16}}})
        EXPECT_EQ(clipboardImage::placement(document, c.size, c.centre, c.unit), c.origin)
            << c.size.x << " at " << c.centre.x << "," << c.centre.y << " unit " << c.unit.x;
    Region rect;
    rect.setRect({20, 4, 30, 8});
    select(document, rect);
    EXPECT_EQ(clipboardImage::placement(document, {2, 2}, {0, 0}, {1, 1}), (Point{24, 5}));
}

TEST_F(ClipboardImageTest, ACutClearsAPlainSelectionAndDropsAFloatingOne)
{
    BitmapDocument& document = *picture(false, {6, 2});
    document.fillRect(document.bounds(), paletteIndex(4));
    Region rect;
    rect.setRect({0, 0, 2, 2});
    select(document, rect);
    clipboardImage::removeCut(document);
    EXPECT_FALSE(document.selection());
    EXPECT_EQ(document.pixelAt({1, 1}), paletteIndex(0));
    EXPECT_EQ(document.pixelAt({2, 1}), paletteIndex(4));

    select(document, rect);
    document.selectionPlug().moveBy({3, 0}, true);
    clipboardImage::removeCut(document);
    EXPECT_FALSE(document.selection());
    EXPECT_EQ(document.pixelAt({3, 0}), paletteIndex(4)) << "the picture under the floating image is as it was";
    EXPECT_EQ(document.pixelAt({0, 0}), paletteIndex(0));
}

} // namespace
