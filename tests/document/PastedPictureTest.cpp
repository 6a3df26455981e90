#include "document/PastedPicture.h"
#include "palette/PaletteModel.h"
#include "pixels/DecodedPicture.h"
#include "pixels/IndexedImage.h"
#include "pixels/MaskImage.h"
#include "pixels/TrueColorImage.h"
#include "tests/formats/BmpBuilder.h"

#include <gtest/gtest.h>

namespace {

std::span<const uint8_t> spanOf(const std::string& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

class PastedPictureTest : public testing::Test {
protected:
    PastedPictureTest()
    {
        palette.reset();
        palette.setColorAt(0, rgb(255, 255, 255));
        palette.setColorAt(1, rgb(200, 0, 0));
        palette.setColorAt(2, rgb(0, 200, 0));
        palette.setColorAt(3, rgb(0, 0, 200));
        palette.changed();
    }

    PasteTarget indexed() const { return {&palette, paletteIndex(5)}; }
    static PasteTarget fullColor() { return {nullptr, rgb(9, 8, 7)}; }

    // A one-row 8-bit DIB of the values whose colour table is colors (0x00RRGGBB).
    static std::string dib(std::vector<uint8_t> values, std::vector<uint32_t> colors)
    {
        BmpBuilder b;
        b.width = int32_t(values.size());
        b.colors = std::move(colors);
        b.colorsUsed = uint32_t(b.colors.size());
        b.rows = {std::move(values)};
        return b.bytes().substr(14);
    }

    static std::vector<uint8_t> values(const DIBImage& image)
    {
        return std::vector<uint8_t>(image.row(0), image.row(0) + image.width());
    }

    PaletteModel palette;
};

TEST_F(PastedPictureTest, MarkedValuesAreDisplayPositionsWhateverTheirColours)
{
    std::string bytes = dib({0, 3, 200}, {0x123456, 0x654321});
    std::shared_ptr<DIBImage> image = fromDib(indexed(), spanOf(bytes), 0, true);
    ASSERT_TRUE(image);
    EXPECT_EQ(values(*image), (std::vector<uint8_t>{0, 3, 200}));
    EXPECT_EQ(static_cast<IndexedImage&>(*image).palette(), palette.platformPalette());
}

TEST_F(PastedPictureTest, UnmarkedValuesKeepEqualColoursAndTakeTheNearestOtherwise)
{
    // Entry 0 is the palette's colour at 0; entry 1 is green, nearest to 2; entry 2 is the palette's
    // white, which is not its colour at 2, so it goes to the nearest: 0. Value 7 has no entry.
    std::string bytes = dib({0, 1, 2, 7}, {0xFFFFFF, 0x00C800, 0xFFFFFF});
    std::shared_ptr<DIBImage> image = fromDib(indexed(), spanOf(bytes), 0, false);
    ASSERT_TRUE(image);
    EXPECT_EQ(values(*image), (std::vector<uint8_t>{0, 2, 0, 7}));
}

TEST_F(PastedPictureTest, TrueColourIntoIndexedTakesTheNearestEntries)
{
    BmpBuilder b;
    b.width = 3;
    b.bits = 24;
    b.rows = {{0, 0, 190, 250, 250, 250, 190, 0, 10}};
    std::shared_ptr<DIBImage> image = fromDib(indexed(), spanOf(b.bytes().substr(14)), 0, false);
    ASSERT_TRUE(image);
    EXPECT_EQ(values(*image), (std::vector<uint8_t>{1, 0, 3}));
}

TEST_F(PastedPictureTest, IndexedIntoFullColourTakesTheTableColours)
{
    std::string bytes = dib({1, 0, 9}, {0x010203, 0x0A0B0C});
    std::shared_ptr<DIBImage> image = fromDib(fullColor(), spanOf(bytes), 0, true);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->depth(), 24);
    EXPECT_EQ(image->pixelAt({0, 0}), rgb(0x0A, 0x0B, 0x0C));
    EXPECT_EQ(image->pixelAt({1, 0}), rgb(1, 2, 3));
    EXPECT_EQ(image->pixelAt({2, 0}), rgb(0, 0, 0)) << "a value without an entry is black";
}

TEST_F(PastedPictureTest, BitFieldDibsAreDecodedByTheDesktop)
{
    // 16 bits, 5-6-5 masks after a 40-byte header: pure red and pure blue.
    BmpBuilder b;
    b.width = 2;
    b.height = -1;
    b.bits = 16;
    b.compression = 3;
    b.rows = {{0x00, 0xF8, 0x1F, 0x00}};
    std::string bytes = b.bytes().substr(14);
    bytes.insert(40, std::string("\x00\xF8\x00\x00\xE0\x07\x00\x00\x1F\x00\x00\x00", 12));
    std::shared_ptr<DIBImage> image = fromDib(fullColor(), spanOf(bytes), 0, false);
    ASSERT_TRUE(image);
    // Five bits of red and blue: the desktop may or may not repeat the top bits below them.
    EXPECT_GE(redOf(image->pixelAt({0, 0})), 0xF8);
    EXPECT_EQ(image->pixelAt({0, 0}) & 0xFFFF00, 0u);
    EXPECT_GE(blueOf(image->pixelAt({1, 0})), 0xF8);
    EXPECT_EQ(image->pixelAt({1, 0}) & 0x00FFFF, 0u);
    image = fromDib(indexed(), spanOf(bytes), 0, false);
    ASSERT_TRUE(image);
    EXPECT_EQ(values(*image), (std::vector<uint8_t>{1, 3}));
}

TEST_F(PastedPictureTest, FaultyDibsAndFilesAreIgnored)
{
    std::string bytes = dib({1, 2}, {0, 0});
    EXPECT_FALSE(fromDib(indexed(), spanOf(bytes.substr(0, bytes.size() - 1)), 0, false));
    EXPECT_FALSE(fromBmpFile(indexed(), spanOf(bytes)));
    EXPECT_TRUE(fromBmpFile(indexed(), spanOf("BM" + std::string(12, '\0') + bytes)));
}

TEST_F(PastedPictureTest, TransparentDotsTakeTheBackgroundColour)
{
    DecodedPicture rgba;
    auto pixels = std::make_shared<TrueColorImage>();
    pixels->create({2, 1});
    pixels->fillRun(pixels->row(0), rgb(0, 200, 0), 2);
    rgba.image = pixels;
    rgba.clearDots = MaskImage::newMask({2, 1});
    rgba.clearDots->clear(false);
    rgba.clearDots->setRun(0, 1, 2);
    std::shared_ptr<DIBImage> image = fromPicture(fullColor(), rgba);
    EXPECT_EQ(image->pixelAt({0, 0}), rgb(0, 200, 0));
    EXPECT_EQ(image->pixelAt({1, 0}), rgb(9, 8, 7));
    image = fromPicture(indexed(), rgba);
    EXPECT_EQ(values(*image), (std::vector<uint8_t>{2, 5}));

    // An indexed picture keeps its table for the matching; clear entries are the background.
    DecodedPicture withTable;
    auto indices = std::make_shared<IndexedImage>();
    indices->create({3, 1});
    indices->row(0)[0] = 0;
    indices->row(0)[1] = 1;
    indices->row(0)[2] = 2;
    withTable.image = indices;
    withTable.colors = {rgb(255, 255, 255), rgb(0, 0, 200), rgb(0, 0, 0)};
    withTable.clearValues = {0, 0, 1};
    image = fromPicture(indexed(), withTable);
    EXPECT_EQ(values(*image), (std::vector<uint8_t>{0, 3, 5}));
}

} // namespace
