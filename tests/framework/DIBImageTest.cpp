#include "base/ErrorFrame.h"
#include "framework/GraphicsContext.h"
#include "framework/WindowGC.h"
#include "framework/WindowSurface.h"
#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/MaskImage.h"
#include "pixels/TrueColorImage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::shared_ptr<LogicalPalette> grayPalette()
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(256);
    for (int i = 0; i < 256; ++i)
        palette->setColorAt(i, rgb(uint8_t(i), uint8_t(i), uint8_t(i)));
    return palette;
}

TEST(DIBImageTest, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(DIBImage::rowLength(24, 1), 4);
    EXPECT_EQ(DIBImage::rowLength(8, 5), 8);
    EXPECT_EQ(DIBImage::rowLength(1, 33), 8);
    EXPECT_EQ(DIBImage::rowLength(1, 32), 4);

    TrueColorImage wide;
    wide.create({3, 2});
    EXPECT_EQ(wide.stride(), 12);
    EXPECT_EQ(wide.row(1) - wide.bits(), 12);
}

TEST(DIBImageTest, MasksRunBottomUpWithANegativeStrideAndOthersTopDown)
{
    auto mask = MaskImage::newMask({33, 3});
    EXPECT_EQ(mask->stride(), -8);
    EXPECT_EQ(mask->fillHeader({33, 3})[8], 3) << "positive header height: bottom-up";
    IndexedImage indexed;
    indexed.create({5, 3});
    EXPECT_EQ(indexed.stride(), 8);
    DIBImage::Header header = indexed.fillHeader({5, 3});
    int32_t height;
    std::memcpy(&height, &header[8], 4);
    EXPECT_EQ(height, -3);
    EXPECT_EQ(header[0], 40);
    EXPECT_EQ(header[12], 1);
    EXPECT_EQ(header[14], 8);
    // A mask's row 0 is its top row: setting it must land in the last row of memory.
    mask->clear(false);
    mask->setRun(0, 0, 33);
    EXPECT_TRUE(mask->isSet({32, 0}));
    EXPECT_FALSE(mask->isSet({0, 1}));
    EXPECT_EQ(mask->row(0), mask->bits());
}

TEST(DIBImageTest, NewPixelsAreZero)
{
    TrueColorImage image;
    image.create({7, 5});
    for (int y = 0; y < 5; ++y)
        for (int i = 0; i < image.stride(); ++i)
            ASSERT_EQ(image.row(y)[i], 0) << "padding bytes too, since writers copy whole rows";
}

TEST(DIBImageTest, ImpossibleSizesRaiseOutOfMemory)
{
    TrueColorImage image;
    EXPECT_THROW(image.create({0, 5}), RaisedError);
    EXPECT_THROW(image.create({INT32_MAX, 1}), RaisedError);
    EXPECT_TRUE(image.isEmpty());
}

TEST(DIBImageTest, PixelsReadBackAsColourReferences)
{
    IndexedImage indexed(grayPalette());
    indexed.create({4, 4});
    indexed.row(2)[3] = 0x7A;
    EXPECT_EQ(indexed.pixelAt({3, 2}), 0x0100007Au);

    TrueColorImage color;
    color.create({2, 2});
    uint8_t* pixel = color.row(1) + 3;
    pixel[0] = 0x10;
    pixel[1] = 0x20;
    pixel[2] = 0x30;
    EXPECT_EQ(color.pixelAt({1, 1}), 0x00102030u);
}

TEST(DIBImageTest, FillRunWritesTheKindsOwnEncoding)
{
    IndexedImage indexed;
    uint8_t bytes[5] = {};
    indexed.fillRun(bytes, paletteIndex(9), 4);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 5), (std::vector<uint8_t>{9, 9, 9, 9, 0}));

    TrueColorImage color;
    uint8_t bgr[7] = {};
    color.fillRun(bgr, rgb(1, 2, 3), 2);
    EXPECT_EQ(std::vector<uint8_t>(bgr, bgr + 7), (std::vector<uint8_t>{3, 2, 1, 3, 2, 1, 0}));

    MaskImage mask;
    uint8_t bits[2] = {0, 0};
    mask.fillRun(bits, 1, 10);
    EXPECT_EQ(bits[0], 0xFF);
    EXPECT_EQ(bits[1], 0xC0);
}

// Every run within three bytes against a dot-by-dot model, over a pattern of other dots that the
// part bytes at the ends must keep.
TEST(DIBImageTest, MaskRunsChangeExactlyTheirDots)
{
    constexpr uint32_t pattern = 0xA55AC3;
    auto dots = [](const uint8_t* bits) { return uint32_t(bits[0]) << 16 | uint32_t(bits[1]) << 8 | bits[2]; };
    auto run = [](int32_t x0, int32_t x1) { return (0xFFFFFFu >> x0) & ~(0xFFFFFFu >> x1); };
    MaskImage mask;
    mask.create({24, 1});
    for (int32_t x0 = 0; x0 <= 24; ++x0)
        for (int32_t x1 = x0; x1 <= 24; ++x1) {
            uint8_t* row = mask.row(0);
            row[0] = uint8_t(pattern >> 16), row[1] = uint8_t(pattern >> 8), row[2] = uint8_t(pattern);
            mask.setRun(0, x0, x1);
            EXPECT_EQ(dots(row), pattern | run(x0, x1)) << "setRun " << x0 << ".." << x1;
        }
    for (int value : {0, 1})
        for (int32_t count = 0; count <= 24; ++count) {
            uint8_t bits[3] = {uint8_t(pattern >> 16), uint8_t(pattern >> 8), uint8_t(pattern)};
            mask.fillRun(bits, ColorRef(value), count);
            uint32_t expected = value ? pattern | run(0, count) : pattern & ~run(0, count);
            EXPECT_EQ(dots(bits), expected) << "fillRun " << value << " x " << count;
        }
}

// Rows of many widths with runs of every length, some across word edges, whole blocks of 256 dots
// of 1 and of 0 and one whose last word alone differs, and padding past the last dot of 1 or of 0 bits, which belongs
// to no run.
TEST(DIBImageTest, MaskRowRunsAreTheRunsOfOneBits)
{
    uint32_t seed = 7;
    for (bool padding : {true, false})
        for (int32_t width : {1, 7, 31, 32, 33, 63, 64, 65, 100, 200, 800, 1100}) {
            std::vector<bool> model(size_t(width), false);
            for (int32_t x = 0; x < width;) {
                seed = seed * 1103515245 + 12345;
                int32_t end = std::min(x + int32_t(seed >> 16 & 63) + 1, width);
                for (bool value = (seed >> 24 & 1) != 0; x < end; ++x)
                    model[size_t(x)] = value;
            }
            for (int32_t x = 256; x < std::min(width, 1024); ++x)
                model[size_t(x)] = x < 512 || (x >= 768 && x < 1000);
            MaskImage mask;
            mask.create({width, 1});
            mask.clear(padding);
            for (int32_t x = 0; x < width; ++x) {
                uint8_t bit = uint8_t(0x80 >> (x & 7));
                uint8_t& byte = mask.row(0)[x >> 3];
                byte = model[size_t(x)] ? byte | bit : byte & uint8_t(~bit);
            }
            MaskImage::Runs expected;
            for (int32_t x = 0; x < width; ++x)
                if (model[size_t(x)] && (x == 0 || !model[size_t(x) - 1]))
                    expected.emplace_back(x, x);
            for (auto& [x0, x1] : expected)
                for (x1 = x0; x1 < width && model[size_t(x1)];)
                    ++x1;
            MaskImage::Runs runs{{-1, -1}};
            mask.rowRuns(0, runs);
            EXPECT_EQ(runs, expected) << "width " << width << (padding ? ", padding of 1 bits" : ", padding of 0 bits");
        }
}

TEST(DIBImageTest, DuplicateCopiesRowsAndKeepsTheKind)
{
    auto palette = grayPalette();
    IndexedImage indexed(palette);
    indexed.create({3, 2});
    indexed.row(1)[2] = 5;
    auto copy = indexed.duplicate();
    ASSERT_EQ(copy->extent(), (Point{3, 2}));
    EXPECT_EQ(copy->pixelAt({2, 1}), paletteIndex(5));
    indexed.row(1)[2] = 6;
    EXPECT_EQ(copy->pixelAt({2, 1}), paletteIndex(5)) << "the copy has its own pixels";
    EXPECT_EQ(static_cast<IndexedImage&>(*copy).palette(), palette);

    MaskImage empty;
    EXPECT_TRUE(empty.duplicate()->isEmpty());
    EXPECT_EQ(empty.duplicate()->depth(), 1);
}

TEST(DIBImageTest, ClearSetsEveryByte)
{
    auto mask = MaskImage::newMask({9, 2});
    mask->clear(true);
    EXPECT_TRUE(mask->isSet({8, 1}));
    EXPECT_EQ(mask->row(1)[3], 0xFF);
    mask->clear(false);
    EXPECT_FALSE(mask->isSet({0, 0}));
}

TEST(DIBImageTest, TheColourTableFollowsThePalette)
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(2);
    palette->setColorAt(1, rgb(10, 20, 30));
    IndexedImage image(palette);
    EXPECT_EQ(image.colorCount(), 2);
    uint8_t table[8];
    image.fillColorTable(table);
    EXPECT_EQ(std::vector<uint8_t>(table + 4, table + 8), (std::vector<uint8_t>{30, 20, 10, 0}));

    MaskImage mask;
    uint8_t two[8];
    mask.fillColorTable(two);
    EXPECT_EQ(std::vector<uint8_t>(two, two + 8), (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}));
}

// Drawing an image onto a window: the window surface shows what was copied.
class DrawTest : public testing::Test {
protected:
    void SetUp() override
    {
        image.create({4, 2});
        // Columns 0..3 of row 0 are red, green, blue, white; row 1 is black.
        const ColorRef colors[] = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 255)};
        for (int x = 0; x < 4; ++x)
            image.fillRun(image.row(0) + 3 * x, colors[x], 1);
    }
    TrueColorImage image;
    WindowSurface surface{{16, 16}};
};

TEST_F(DrawTest, StretchingRepeatsEachDotZoomTimes)
{
    {
        WindowGC gc(surface);
        gc.drawStretched(image, {0, 0, 4, 2}, {0, 0, 12, 6}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(surface.pixelAt({0, 0}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({2, 2}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({3, 0}), rgb(0, 255, 0));
    EXPECT_EQ(surface.pixelAt({11, 2}), rgb(255, 255, 255));
    EXPECT_EQ(surface.pixelAt({11, 3}), rgb(0, 0, 0));
    EXPECT_EQ(surface.pixelAt({12, 0}), rgb(255, 255, 255)) << "nothing beyond the destination";
}

TEST_F(DrawTest, AMirroredRectangleShowsTheColumnsReversed)
{
    {
        WindowGC gc(surface);
        gc.drawStretched(image, {4, 0, 0, 1}, {0, 0, 4, 1}, RasterOp::sourceCopy);
        gc.drawStretched(image, {0, 0, 4, 1}, {4, 1, 0, 2}, RasterOp::sourceCopy);
    }
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(surface.pixelAt({0, row}), rgb(255, 255, 255)) << row;
        EXPECT_EQ(surface.pixelAt({1, row}), rgb(0, 0, 255)) << row;
        EXPECT_EQ(surface.pixelAt({3, row}), rgb(255, 0, 0)) << row;
    }
}

TEST_F(DrawTest, MirroringBothRectanglesCancelsOut)
{
    {
        WindowGC gc(surface);
        gc.drawStretched(image, {4, 0, 0, 1}, {8, 0, 0, 2}, RasterOp::sourceCopy);
        // Mirrored and clipped: only columns 0 and 1 exist, shown reversed at their scaled place.
        gc.drawStretched(image, {2, 0, -2, 1}, {0, 4, 4, 5}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(surface.pixelAt({0, 0}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({7, 1}), rgb(255, 255, 255));
    EXPECT_EQ(surface.pixelAt({0, 4}), rgb(0, 255, 0));
    EXPECT_EQ(surface.pixelAt({1, 4}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({2, 4}), rgb(255, 255, 255)) << "the columns left of the image stay untouched";
}

TEST_F(DrawTest, TheSourceIsClippedToTheImageAndTheScaleKept)
{
    {
        WindowGC gc(surface);
        // Half of this source lies left of the image; only columns 0 and 1 exist to be drawn.
        gc.drawStretched(image, {-2, 0, 2, 1}, {0, 0, 8, 2}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(surface.pixelAt({3, 0}), rgb(255, 255, 255)) << "the missing columns stay untouched";
    EXPECT_EQ(surface.pixelAt({4, 0}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({7, 1}), rgb(0, 255, 0));
}

TEST_F(DrawTest, DrawAtCopiesUnscaledAndSkipsSourcesOutsideTheImage)
{
    {
        WindowGC gc(surface);
        gc.drawAt(image, {10, 10, 12, 12}, {0, 0}, RasterOp::sourceCopy);
        gc.drawAt(image, {-1, 0, 2, 1}, {5, 5}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(surface.pixelAt({0, 0}), rgb(255, 255, 255));
    EXPECT_EQ(surface.pixelAt({5, 5}), rgb(255, 255, 255)) << "the clipped column keeps its place";
    EXPECT_EQ(surface.pixelAt({6, 5}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({7, 5}), rgb(0, 255, 0));
}

TEST(IndexedDrawTest, IndexedPixelsShowTheirPaletteColours)
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(3);
    palette->setColorAt(2, rgb(0, 128, 255));
    IndexedImage image(palette);
    image.create({2, 1});
    image.row(0)[1] = 2;
    WindowSurface surface({4, 4});
    {
        WindowGC gc(surface);
        gc.drawStretched(image, {0, 0, 2, 1}, {0, 0, 4, 2}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(surface.pixelAt({0, 0}), rgb(0, 0, 0));
    EXPECT_EQ(surface.pixelAt({3, 1}), rgb(0, 128, 255));

    palette->setColorAt(2, rgb(9, 9, 9));
    image.setPalette(palette);
    {
        WindowGC gc(surface);
        gc.drawAt(image, {0, 0, 2, 1}, {0, 3}, RasterOp::sourceCopy);
    }
    EXPECT_EQ(surface.pixelAt({1, 3}), rgb(9, 9, 9));
}

} // namespace
