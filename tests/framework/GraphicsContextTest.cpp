#include "framework/MemoryGC.h"
#include "framework/WindowGC.h"
#include "framework/WindowSurface.h"
#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/MaskImage.h"
#include "pixels/Region.h"
#include "pixels/TrueColorImage.h"

#include "tests/framework/EventLoop.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphicsContextTest, FillAndFrameTouchExactlyTheirDots)
{
    WindowSurface surface({8, 8});
    {
        WindowGC gc(surface);
        gc.fillRect({0, 0, 8, 8}, rgb(0, 0, 0)).frameRect({1, 1, 5, 4}, rgb(255, 0, 0));
    }
    EXPECT_EQ(surface.pixelAt({1, 1}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({4, 3}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({2, 2}), rgb(0, 0, 0)) << "a frame leaves the inside alone";
    EXPECT_EQ(surface.pixelAt({5, 1}), rgb(0, 0, 0)) << "right and bottom are exclusive";
    EXPECT_EQ(surface.pixelAt({1, 4}), rgb(0, 0, 0));
}

TEST(GraphicsContextTest, PaletteIndexColoursResolveThroughTheSelectedPalette)
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(4);
    palette->setColorAt(3, rgb(1, 2, 3));
    WindowSurface surface({2, 1});
    {
        WindowGC gc(surface, palette);
        gc.fillRect({0, 0, 1, 1}, paletteIndex(3));
    }
    EXPECT_EQ(surface.pixelAt({0, 0}), rgb(1, 2, 3));
}

TEST(GraphicsContextTest, LinesLeaveOutTheirEndPoint)
{
    WindowSurface surface({6, 6});
    {
        WindowGC gc(surface);
        gc.fillRect({0, 0, 6, 6}, rgb(255, 255, 255));
        gc.select(GraphicsPen{rgb(0, 0, 0), 1}).moveTo({0, 0}).lineTo({4, 4});
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(surface.pixelAt({i, i}), rgb(0, 0, 0)) << i;
    EXPECT_EQ(surface.pixelAt({4, 4}), rgb(255, 255, 255));
    EXPECT_EQ(surface.pixelAt({1, 0}), rgb(255, 255, 255));
}

TEST(GraphicsContextTest, InvertModeDrawnTwiceLeavesNoTrace)
{
    WindowSurface surface({6, 6});
    {
        WindowGC gc(surface);
        gc.fillRect({0, 0, 6, 6}, rgb(10, 200, 30));
    }
    for (int pass = 0; pass < 2; ++pass) {
        WindowGC gc(surface);
        gc.setInvertMode().select(GraphicsPen{rgb(0, 0, 0), 1}).moveTo({0, 2}).lineTo({6, 2});
        if (pass == 0) {
            EXPECT_EQ(surface.pixelAt({3, 2}), rgb(245, 55, 225));
        }
    }
    EXPECT_EQ(surface.pixelAt({3, 2}), rgb(10, 200, 30));
}

TEST(GraphicsContextTest, PatternsStayFixedToTheirOrigin)
{
    // Column 0 of the pattern is ink (bit 0), the rest paper.
    Brush stripes =
        Brush::patterned({0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F}, rgb(0, 0, 0), rgb(255, 255, 255));
    WindowSurface surface({16, 2});
    {
        WindowGC gc(surface);
        gc.selectPattern(stripes, {11, 0}); // 11 mod 8 = 3: ink lands on columns 3 and 11
        gc.fillRect({0, 0, 16, 2}, stripes);
    }
    EXPECT_EQ(surface.pixelAt({3, 0}), rgb(0, 0, 0));
    EXPECT_EQ(surface.pixelAt({11, 1}), rgb(0, 0, 0));
    EXPECT_EQ(surface.pixelAt({4, 0}), rgb(255, 255, 255));
}

TEST(GraphicsContextTest, ClipBoxFollowsIntersections)
{
    WindowSurface surface({20, 10});
    WindowGC gc(surface);
    EXPECT_EQ(gc.clipBox(), (Rect{0, 0, 20, 10}));
    gc.intersectClip({2, 2, 15, 8}).intersectClip({5, 0, 30, 5});
    EXPECT_EQ(gc.clipBox(), (Rect{5, 2, 15, 5}));
    gc.fillRect({0, 0, 20, 10}, rgb(0, 0, 0));
    EXPECT_EQ(surface.pixelAt({4, 3}), rgb(255, 255, 255));
}

// Whole-number enlargements onto a window take a shortcut past the painter; both must agree dot for
// dot, also where the clip cuts a dot in two.
TEST(GraphicsContextTest, ZoomedCopiesMatchThePainterInsideTheClip)
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(256);
    palette->setColorAt(1, rgb(200, 0, 0));
    palette->setColorAt(2, rgb(0, 0, 200));
    IndexedImage indexed(palette);
    indexed.create({4, 3});
    indexed.row(1)[2] = 1;
    indexed.row(2)[3] = 2;
    TrueColorImage full;
    full.create({4, 3});
    full.row(1)[6] = 10, full.row(1)[7] = 20, full.row(1)[8] = 30;
    for (const DIBImage* image : {static_cast<const DIBImage*>(&indexed), static_cast<const DIBImage*>(&full)}) {
        WindowSurface zoomed({20, 20}), mirrored({20, 20});
        {
            WindowGC gc(zoomed);
            gc.fillRect({0, 0, 20, 20}, rgb(1, 1, 1));
            gc.intersectClip({4, 5, 13, 11});
            gc.drawStretched(*image, {0, 0, 4, 3}, {1, 2, 13, 11}, RasterOp::sourceCopy);
        }
        {
            // A mirrored copy goes through the painter; mirroring twice gives the same picture.
            WindowGC gc(mirrored);
            gc.fillRect({0, 0, 20, 20}, rgb(1, 1, 1));
            gc.intersectClip({4, 5, 13, 11});
            gc.drawStretched(*image, {4, 3, 0, 0}, {13, 11, 1, 2}, RasterOp::sourceCopy);
        }
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(zoomed.pixelAt({x, y}), mirrored.pixelAt({x, y})) << x << "," << y;
        EXPECT_EQ(zoomed.pixelAt({3, 5}), rgb(1, 1, 1)) << "left of the clip";
        EXPECT_EQ(zoomed.pixelAt({7, 5}), image == &indexed ? rgb(200, 0, 0) : rgb(30, 20, 10));
    }
}

TEST(MemoryGCTest, DrawingIntoAnIndexedImageWritesPaletteIndices)
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(8);
    palette->setColorAt(5, rgb(250, 0, 0));
    IndexedImage image(palette);
    image.create({6, 3});
    {
        auto gc = makeGC(image);
        gc->fillRect({0, 0, 2, 1}, paletteIndex(7));
        gc->fillRect({2, 0, 4, 1}, rgb(255, 10, 10)); // nearest entry: 5
    }
    EXPECT_EQ(image.pixelAt({1, 0}), paletteIndex(7));
    EXPECT_EQ(image.pixelAt({3, 0}), paletteIndex(5));
    EXPECT_EQ(image.pixelAt({4, 0}), paletteIndex(0));
    EXPECT_EQ(image.pixelAt({0, 1}), paletteIndex(0));
}

TEST(MemoryGCTest, CopyingBetweenIndexedImagesCopiesIndicesNotColours)
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(4); // all black: colours would not tell the indices apart
    IndexedImage source(palette), target(palette);
    source.create({2, 1});
    source.row(0)[0] = 3;
    source.row(0)[1] = 2;
    target.create({2, 1});
    {
        auto gc = makeGC(target);
        gc->drawAt(source, {0, 0, 2, 1}, {0, 0}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(target.pixelAt({0, 0}), paletteIndex(3));
    EXPECT_EQ(target.pixelAt({1, 0}), paletteIndex(2));
}

TEST(MemoryGCTest, ColourSourcesIntoAnIndexedImageTakeTheNearestEntries)
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(3);
    palette->setColorAt(1, rgb(255, 0, 0));
    palette->setColorAt(2, rgb(255, 255, 255));
    TrueColorImage color;
    color.create({2, 1});
    color.fillRun(color.row(0), rgb(250, 5, 5), 1);
    color.fillRun(color.row(0) + 3, rgb(240, 240, 240), 1);
    auto mask = MaskImage::newMask({2, 1});
    mask->clear(false);
    mask->setRun(0, 1, 2);
    IndexedImage target(palette);
    target.create({2, 2});
    {
        auto gc = makeGC(target);
        gc->drawAt(color, {0, 0, 2, 1}, {0, 0}, RasterOp::sourceCopy);
        gc->drawAt(*mask, {0, 0, 2, 1}, {0, 1}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(target.pixelAt({0, 0}), paletteIndex(1));
    EXPECT_EQ(target.pixelAt({1, 0}), paletteIndex(2));
    EXPECT_EQ(target.pixelAt({0, 1}), paletteIndex(0)) << "a mask's black";
    EXPECT_EQ(target.pixelAt({1, 1}), paletteIndex(2)) << "a mask's white";
}

TEST(MemoryGCTest, RasterOperationsCombineWithWhatIsThere)
{
    TrueColorImage source, target;
    source.create({1, 1});
    source.fillRun(source.row(0), rgb(0x0F, 0xF0, 0x33), 1);
    target.create({3, 1});
    for (int x = 0; x < 3; ++x)
        target.fillRun(target.row(0) + 3 * x, rgb(0xFF, 0x0F, 0x11), 1);
    {
        auto gc = makeGC(target);
        gc->drawAt(source, {0, 0, 1, 1}, {0, 0}, RasterOp::sourceInvert);
        gc->drawAt(source, {0, 0, 1, 1}, {1, 0}, RasterOp::sourceAnd);
        gc->drawAt(source, {0, 0, 1, 1}, {2, 0}, RasterOp::sourcePaint);
    }
    EXPECT_EQ(target.pixelAt({0, 0}), rgb(0xF0, 0xFF, 0x22));
    EXPECT_EQ(target.pixelAt({1, 0}), rgb(0x0F, 0x00, 0x11));
    EXPECT_EQ(target.pixelAt({2, 0}), rgb(0xFF, 0xFF, 0x33));
}

TEST(MemoryGCTest, DrawingIntoATrueColourImageWritesBlueGreenRed)
{
    TrueColorImage image;
    image.create({3, 2});
    {
        auto gc = makeGC(image);
        gc->fillRect({1, 1, 3, 2}, rgb(0x30, 0x20, 0x10));
    }
    EXPECT_EQ(image.pixelAt({2, 1}), rgb(0x30, 0x20, 0x10));
    EXPECT_EQ(image.row(1)[3], 0x10);
    EXPECT_EQ(image.pixelAt({0, 1}), rgb(0, 0, 0));
}

TEST(MemoryGCTest, DrawingIntoAMaskSetsBitsOnRelease)
{
    auto mask = MaskImage::newMask({10, 4});
    mask->clear(false);
    {
        auto gc = makeGC(*mask);
        gc->fillRect({2, 1, 9, 3}, rgb(255, 255, 255));
        gc->fillRect({4, 2, 5, 3}, rgb(0, 0, 0));
    }
    EXPECT_TRUE(mask->isSet({2, 1}));
    EXPECT_TRUE(mask->isSet({8, 2}));
    EXPECT_FALSE(mask->isSet({4, 2}));
    EXPECT_FALSE(mask->isSet({9, 1}));
    EXPECT_FALSE(mask->isSet({2, 0}));
}

// The box of the ink of colour within area of surface, or an empty box.
Rect inkBox(WindowSurface& surface, const Rect& area, ColorRef colour)
{
    Rect box;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (surface.pixelAt({x, y}) == colour)
                box = box.united({x, y, x + 1, y + 1});
    return box;
}

TEST(GraphicsContextTest, TextIsDrawnInItsBoxAsPlacedAndCutAtItsEdges)
{
    testApplication();
    const Rect box{10, 10, 70, 50};
    struct Row {
        GraphicsContext::TextPlacement placement;
        const char* name;
    };
    for (Row row : {Row{GraphicsContext::TextPlacement::centre, "centre"},
                    Row{GraphicsContext::TextPlacement::bottomCentre, "bottomCentre"},
                    Row{GraphicsContext::TextPlacement::bottomLeft, "bottomLeft"}}) {
        WindowSurface surface({80, 60});
        {
            WindowGC gc(surface);
            gc.fillRect({0, 0, 80, 60}, rgb(255, 255, 255));
            gc.drawText(box, "8", rgb(0, 0, 0), row.placement);
        }
        Rect ink = inkBox(surface, {0, 0, 80, 60}, rgb(0, 0, 0));
        ASSERT_FALSE(ink.isEmpty()) << row.name;
        EXPECT_EQ(ink.intersected(box), ink) << row.name << ": nothing outside the box";
        EXPECT_EQ(surface.pixelAt({box.left + 1, box.top + 1}), rgb(255, 255, 255))
            << row.name << ": the background stays";
        int middle = (box.left + box.right) / 2;
        if (row.placement == GraphicsContext::TextPlacement::bottomLeft)
            EXPECT_LT(ink.left - box.left, 4) << row.name;
        else
            EXPECT_LE(std::abs((ink.left + ink.right) / 2 - middle), 2) << row.name;
        if (row.placement == GraphicsContext::TextPlacement::centre)
            EXPECT_LE(std::abs((ink.top + ink.bottom) / 2 - (box.top + box.bottom) / 2), 3) << row.name;
        else
            EXPECT_GT(ink.bottom, box.bottom - 8) << row.name << ": the text sits on the bottom";
    }

    WindowSurface small({20, 20});
    {
        WindowGC gc(small);
        gc.fillRect({0, 0, 20, 20}, rgb(255, 255, 255));
        gc.drawText({0, 0, 3, 3}, "WWW", rgb(0, 0, 0), GraphicsContext::TextPlacement::centre);
    }
    Rect cut = inkBox(small, {0, 0, 20, 20}, rgb(0, 0, 0));
    EXPECT_EQ(cut.intersected({0, 0, 3, 3}), cut) << "text longer than its box is cut";

    // A box lower than a line takes a smaller font: the whole text, not its lower half.
    auto inkOf = [](const Rect& box) {
        WindowSurface surface({80, 60});
        {
            WindowGC gc(surface);
            gc.fillRect({0, 0, 80, 60}, rgb(255, 255, 255));
            gc.drawText(box, "88", rgb(0, 0, 0), GraphicsContext::TextPlacement::bottomLeft);
        }
        return inkBox(surface, {0, 0, 80, 60}, rgb(0, 0, 0));
    };
    Rect tall = inkOf({0, 0, 80, 60});
    Rect low = inkOf({0, 50, 80, 58});
    ASSERT_FALSE(low.isEmpty());
    EXPECT_EQ(low.intersected({0, 50, 80, 58}), low);
    EXPECT_LT(low.width(), tall.width()) << "the digits are smaller";
}

} // namespace
