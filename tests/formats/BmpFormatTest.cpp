#include "formats/BmpFormat.h"
#include "base/ErrorFrame.h"
#include "palette/PaletteModel.h"
#include "pixels/IndexedImage.h"
#include "pixels/TrueColorImage.h"
#include "tests/formats/BmpBuilder.h"
#include "tests/formats/FileFailures.h"
#include "tests/formats/FormatTest.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class BmpFormatTest : public FormatTest {
protected:
    BmpFormatTest() : FormatTest(makeBmpFormat(), "bmp") {}
};

uint8_t indexAt(const DIBImage& image, int x, int y)
{
    return uint8_t(image.pixelAt({x, y}) & 0xFF);
}

TEST_F(BmpFormatTest, OneBitRowsUnpackFromTheMostSignificantBit)
{
    // Width 11: one whole byte and a partial one whose unused low bits are set, to catch a
    // whole-byte shortcut taken on the partial byte.
    BmpBuilder bmp{.width = 11, .height = 2, .bits = 1, .colors = {0x000000, 0xFFFFFF}};
    bmp.rows = {{0xFF, 0xBF}, {0x00, 0x5F}};
    auto image = read(bmp.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->depth(), 8);
    EXPECT_EQ(image->stride(), 12);
    const char* expected[] = {"00000000010", "11111111101"}; // top row first: the file's last row
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 11; ++x)
            EXPECT_EQ(indexAt(*image, x, y), expected[y][x] - '0') << x << "," << y;
    EXPECT_EQ(palette.colorAt(1), rgb(255, 255, 255));
}

TEST_F(BmpFormatTest, PaddingBytesOfAFileNeverReachThePictureOrTheNextFile)
{
    // Width 3, one byte of pixels per row: the file's padding fills the rest of the image's row.
    BmpBuilder bmp{.width = 3, .height = 1, .bits = 8, .colors = std::vector<uint32_t>(256)};
    bmp.rows = {{1, 2, 3, 0xEE}};
    auto image = read(bmp.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->row(0)[3], 0);
    EXPECT_EQ(uint8_t(written(*image)[1078 + 3]), 0);
}

TEST_F(BmpFormatTest, FourBitRowsTakeTheHighNibbleFirst)
{
    BmpBuilder bmp{.width = 3, .height = -1, .bits = 4, .colors = {0x000000, 0x0000FF, 0x00FF00}};
    bmp.colorsUsed = 3;
    bmp.rows = {{0x12, 0x0F}};
    auto image = read(bmp.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(indexAt(*image, 0, 0), 1);
    EXPECT_EQ(indexAt(*image, 1, 0), 2);
    EXPECT_EQ(indexAt(*image, 2, 0), 0) << "the last pixel of an odd width is a high nibble";
    EXPECT_EQ(palette.colorAt(2), rgb(0, 255, 0));
    EXPECT_EQ(palette.colorAt(3), rgb(0, 0, 0));
}

TEST_F(BmpFormatTest, EightBitPixelsBeyondTheColourCountKeepTheirValues)
{
    BmpBuilder bmp{.width = 2, .height = 1, .bits = 8, .colorsUsed = 16};
    bmp.colors.assign(16, 0x102030);
    bmp.rows = {{200, 15}};
    auto image = read(bmp.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(indexAt(*image, 0, 0), 200);
    EXPECT_EQ(indexAt(*image, 1, 0), 15);
    EXPECT_EQ(palette.colorAt(15), rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(palette.colorAt(16), rgb(0, 0, 0));
}

TEST_F(BmpFormatTest, BothRowOrdersGiveTheSamePicture)
{
    BmpBuilder bottomUp{.width = 1, .height = 3, .bits = 8, .colors = std::vector<uint32_t>(256)};
    bottomUp.rows = {{3}, {2}, {1}};
    BmpBuilder topDown = bottomUp;
    topDown.height = -3;
    topDown.rows = {{1}, {2}, {3}};
    for (const BmpBuilder& bmp : {bottomUp, topDown}) {
        auto image = read(bmp.bytes());
        ASSERT_TRUE(image);
        EXPECT_EQ(image->extent(), (Point{1, 3}));
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(indexAt(*image, 0, y), y + 1);
    }
}

TEST_F(BmpFormatTest, TrueColourSkipsItsTableAndFollowsTheDataOffset)
{
    BmpBuilder bmp{.width = 2, .height = 1, .bits = 24, .colorsUsed = 2, .dataOffset = 100};
    bmp.colors = {0x111111, 0x222222};
    bmp.rows = {{0x10, 0x20, 0x30, 0x01, 0x02, 0x03}};
    palette.reset();
    palette.setColorAt(0, rgb(7, 7, 7));
    auto image = read(bmp.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->depth(), 24);
    EXPECT_EQ(image->pixelAt({0, 0}), rgb(0x30, 0x20, 0x10));
    EXPECT_EQ(image->pixelAt({1, 0}), rgb(0x03, 0x02, 0x01));
    EXPECT_EQ(palette.colorAt(0), rgb(7, 7, 7)) << "a colour file leaves the palette alone";

    bmp.writeDataOffset = false; // offset 0: rows follow the table
    bmp.dataOffset = 0;
    image = read(bmp.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelAt({1, 0}), rgb(0x03, 0x02, 0x01));
}

TEST_F(BmpFormatTest, LongerInfoHeadersPutTheColourTableAfterThem)
{
    for (uint32_t headerSize : {108u, 124u}) {
        BmpBuilder bmp{.width = 1, .height = 1, .bits = 8, .headerSize = headerSize, .colorsUsed = 2};
        bmp.colors = {0x000000, 0xABCDEF};
        bmp.rows = {{1}};
        auto image = read(bmp.bytes());
        ASSERT_TRUE(image) << headerSize;
        EXPECT_EQ(palette.colorAt(1), rgb(0xAB, 0xCD, 0xEF)) << headerSize;
    }
}

struct RefusalRow {
    const char* what;
    BmpBuilder bmp;
    int32_t code;
    friend void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.what; }
};

class BmpRefusalTest : public BmpFormatTest, public testing::WithParamInterface<RefusalRow> {};

TEST_P(BmpRefusalTest, IsRefusedWithItsCode)
{
    BmpBuilder bmp = GetParam().bmp;
    if (bmp.rows.empty())
        bmp.rows.assign(bmp.height == 0 ? 0 : 2, std::vector<uint8_t>(size_t(std::clamp(bmp.width, 0, 100)) * 3));
    EXPECT_EQ(readError(bmp.bytes()), GetParam().code) << GetParam().what;
}

BmpBuilder with(std::function<void(BmpBuilder&)> change)
{
    BmpBuilder bmp{.width = 2, .height = 2, .bits = 24};
    change(bmp);
    return bmp;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BmpRefusalTest,
    testing::Values(
        RefusalRow{"run-length", with([](BmpBuilder& b) { b.compression = 1; }), errorQuiet},
        RefusalRow{"16 bits", with([](BmpBuilder& b) { b.bits = 16; }), errorQuiet},
        RefusalRow{"32 bits", with([](BmpBuilder& b) { b.bits = 32; }), errorQuiet},
        RefusalRow{"two planes", with([](BmpBuilder& b) { b.planes = 2; }), errorQuiet},
        RefusalRow{"short info header", with([](BmpBuilder& b) { b.headerSize = 39; }), errorQuiet},
        RefusalRow{"zero width", with([](BmpBuilder& b) { b.width = 0; }), errorQuiet},
        RefusalRow{"negative width", with([](BmpBuilder& b) { b.width = -5; }), errorQuiet},
        RefusalRow{"zero height", with([](BmpBuilder& b) { b.height = 0; }), errorQuiet},
        RefusalRow{"table too long", with([](BmpBuilder& b) { b.colorsUsed = 257; }), errorQuiet},
        RefusalRow{"width 10001", with([](BmpBuilder& b) { b.width = 10001; }), errorImageTooLarge},
        RefusalRow{"height 10001", with([](BmpBuilder& b) { b.height = 10001; }), errorImageTooLarge},
        RefusalRow{"height -10001", with([](BmpBuilder& b) { b.height = -10001; }), errorImageTooLarge},
        RefusalRow{"most negative height", with([](BmpBuilder& b) { b.height = INT32_MIN; }), errorImageTooLarge},
        RefusalRow{"rows missing", with([](BmpBuilder& b) { b.height = 50; }), errorFileTooShort},
        RefusalRow{"pixels inside the info header", with([](BmpBuilder& b) { b.dataOffset = 14; }), errorQuiet},
        RefusalRow{"pixels inside the declared colour table", with([](BmpBuilder& b) {
                       b.bits = 8;
                       b.colorsUsed = 4;
                       b.colors = {0, 1, 2, 3};
                       b.dataOffset = 14 + 40 + 12;
                   }),
                   errorQuiet},
        RefusalRow{"pixels inside the colour table of all 16 colours", with([](BmpBuilder& b) {
                       b.bits = 4;
                       b.colors.assign(16, 0);
                       b.dataOffset = 14 + 40 + 60;
                   }),
                   errorQuiet}),
    [](const testing::TestParamInfo<RefusalRow>& info) { return "row" + std::to_string(info.index); });

TEST_F(BmpFormatTest, ShortOrForeignFilesAreRefused)
{
    EXPECT_EQ(readError("BM\x10\0\0"), errorFileTooShort);
    EXPECT_EQ(readError(std::string(60, 'x')), errorQuiet);
    BmpBuilder truncatedTable{
        .width = 1, .height = 1, .bits = 8, .colorsUsed = 200, .colors = std::vector<uint32_t>(200)};
    std::string bytes = truncatedTable.bytes().substr(0, 100);
    EXPECT_EQ(readError(bytes), errorFileTooShort);
    BmpBuilder farData{.width = 2, .height = 2, .bits = 24, .dataOffset = 5000};
    EXPECT_EQ(readError(farData.bytes().substr(0, 4000)), errorFileTooShort) << "rows past the end";
}

TEST_F(BmpFormatTest, TheWidestAllowedPictureOpens)
{
    BmpBuilder bmp{.width = 10000, .height = 1, .bits = 1, .colors = {0, 0xFFFFFF}};
    bmp.rows = {std::vector<uint8_t>(1250, 0xFF)};
    auto image = read(bmp.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(indexAt(*image, 9999, 0), 1);
}

TEST_F(BmpFormatTest, EightBitFilesAreWrittenWithAFullTableBottomRowFirst)
{
    palette.reset();
    palette.setColorAt(4, rgb(1, 2, 3));
    IndexedImage image(palette.platformPalette());
    image.create({5, 2});
    image.row(0)[0] = 4;
    image.row(1)[4] = 9;
    std::string bytes = written(image);
    ASSERT_EQ(bytes.size(), 1094u);
    auto u32 = [&](size_t at) {
        return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
               uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
    };
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(u32(2), 1094u);
    EXPECT_EQ(u32(6), 0u);
    EXPECT_EQ(u32(10), 1078u);
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(u32(18), 5u);
    EXPECT_EQ(u32(22), 2u) << "positive height: bottom row first";
    EXPECT_EQ(u32(26), 0x00080001u) << "one plane, 8 bits";
    for (size_t at = 30; at < 54; at += 4)
        EXPECT_EQ(u32(at), 0u) << "no compression and zero fields, offset " << at;
    EXPECT_EQ(bytes.substr(54 + 16, 4), std::string("\x03\x02\x01\x00", 4));
    EXPECT_EQ(uint8_t(bytes[1078 + 4]), 9) << "the first row in the file is the bottom one";
    EXPECT_EQ(uint8_t(bytes[1086]), 4);
}

TEST_F(BmpFormatTest, TrueColourFilesRoundTripWithOddWidths)
{
    TrueColorImage image;
    image.create({7, 3});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            image.fillRun(image.row(y) + 3 * x, rgb(uint8_t(x * 30), uint8_t(y * 70), uint8_t(x + y)), 1);
    std::string bytes = written(image);
    EXPECT_EQ(bytes.size(), 54u + 3 * 24);
    auto back = read(bytes);
    ASSERT_TRUE(back);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(back->pixelAt({x, y}), image.pixelAt({x, y}));
}

TEST_F(BmpFormatTest, AFileThatCannotBeCreatedIsLeftAsItWas)
{
    TrueColorImage image;
    image.create({4, 4});
    auto [code, kept] = writeOverKeptFileWithoutFiles(image);
    EXPECT_EQ(code, systemError(systemTooManyOpenFiles));
    EXPECT_EQ(kept, "the user's picture");
}

TEST_F(BmpFormatTest, AFailedWriteLeavesNoPartialFile)
{
    TrueColorImage image;
    image.create({100, 100});
    format->file.setFullPath(pathOf("partial.bmp"));
    int32_t code = 0;
    try {
        FileSizeLimit limit(2000);
        format->writeImage(image, palette);
    } catch (...) {
        code = currentError();
    }
    EXPECT_EQ(code, errorWriteFailed);
    EXPECT_FALSE(std::filesystem::exists(pathOf("partial.bmp")));
}

} // namespace
