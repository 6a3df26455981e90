#include "formats/TiffFormat.h"
#include "base/ErrorFrame.h"
#include "formats/FormatTable.h"
#include "formats/PackedRows.h"
#include "formats/TiffFile.h"
#include "palette/PaletteModel.h"
#include "pixels/IndexedImage.h"
#include "pixels/TrueColorImage.h"
#include "tests/formats/FormatTest.h"
#include "tests/formats/TiffBuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The field types by the names the format gives them.
constexpr uint16_t SHORT = TiffFile::typeShort, LONG = TiffFile::typeLong, RATIONAL = TiffFile::typeRational;
// XMP metadata, a tag that the codec keeps whole without reading it.
constexpr uint16_t xmpTag = 700;

// A width x height palette picture of the given bits whose pixel (x, y) is (x + 3y) mod 2^bits.
TiffBuilder palettePicture(int width, int height, int bits = 8)
{
    TiffBuilder tiff;
    uint32_t n = 1u << bits;
    tiff.set(tiffTags::imageWidth, SHORT, {uint32_t(width)});
    tiff.set(tiffTags::imageLength, LONG, {uint32_t(height)});
    tiff.set(tiffTags::bitsPerSample, SHORT, {uint32_t(bits)});
    tiff.set(tiffTags::compression, SHORT, {tiffValues::uncompressed});
    tiff.set(tiffTags::photometricInterpretation, SHORT, {tiffValues::photometricPalette});
    std::vector<uint32_t> map(3 * n);
    for (uint32_t i = 0; i < n; ++i) {
        map[i] = i * 257;
        map[n + i] = 0xFFFF - i * 257;
        map[2 * n + i] = 0x8000;
    }
    tiff.set(tiffTags::colorMap, SHORT, map);
    for (int y = 0; y < height; ++y) {
        std::vector<uint8_t> row;
        for (int x = 0; x < width; ++x) {
            uint8_t v = uint8_t((x + 3 * y) % int(n));
            if (bits == 8)
                row.push_back(v);
            else if (x % 2 == 0)
                row.push_back(uint8_t(v << 4));
            else
                row.back() |= v;
        }
        tiff.pixels.insert(tiff.pixels.end(), row.begin(), row.end());
    }
    tiff.stripSizes = {uint32_t(tiff.pixels.size())};
    return tiff;
}

class TiffFormatTest : public FormatTest {
protected:
    TiffFormatTest() : FormatTest(makeTiffFormat(), "tif") {}

    void expectPalettePicture(const DIBImage& image, int width, int height, int bits)
    {
        ASSERT_EQ(image.extent(), (Point{width, height}));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(image.pixelAt({x, y}), paletteIndex(uint8_t((x + 3 * y) % (1 << bits)))) << x << "," << y;
    }
};

TEST_F(TiffFormatTest, BigEndianStripsSplitInsideRowsReadLikeOneStrip)
{
    TiffBuilder single = palettePicture(7, 5);
    auto image = read(single.bytes());
    ASSERT_TRUE(image);
    expectPalettePicture(*image, 7, 5, 8);

    TiffBuilder split = palettePicture(7, 5);
    split.bigEndian = true;
    split.stripSizes = {10, 4, 13, 8}; // 35 bytes, strips ending inside rows
    image = read(split.bytes());
    ASSERT_TRUE(image);
    expectPalettePicture(*image, 7, 5, 8);
    EXPECT_EQ(palette.colorAt(2), rgb(2, 253, 128)) << "the high byte of each colour-map value";
}

TEST_F(TiffFormatTest, StripSizesFollowRowsPerStripWhenByteCountsAreMissing)
{
    TiffBuilder tiff = palettePicture(6, 5);
    tiff.set(tiffTags::rowsPerStrip, SHORT, {2});
    tiff.stripSizes = {12, 12, 6};
    tiff.stripByteCounts = false;
    auto image = read(tiff.bytes());
    ASSERT_TRUE(image);
    expectPalettePicture(*image, 6, 5, 8);
}

TEST_F(TiffFormatTest, FourBitRowsOfOddWidthEndOnAHighNibble)
{
    TiffBuilder tiff = palettePicture(5, 3, 4);
    EXPECT_EQ(tiff.pixels.size(), 9u) << "three bytes per row";
    auto image = read(tiff.bytes());
    ASSERT_TRUE(image);
    expectPalettePicture(*image, 5, 3, 4);
    EXPECT_EQ(palette.colorAt(16), rgb(0, 0, 0)) << "entries beyond the file's colours are black";
}

// The swap goes five dots at a time where it can: every count around its steps, in place and not.
TEST(SwapRedAndBlueTest, EveryDotOfEveryCountSwapsInPlaceAndBetweenRows)
{
    for (size_t count = 0; count <= 23; ++count) {
        std::vector<uint8_t> row(3 * count + 1, 0xEE), expected(row), copy(row.size(), 0xEE);
        for (size_t i = 0; i < 3 * count; ++i)
            row[i] = uint8_t(i + 1);
        for (size_t d = 0; d < count; ++d)
            for (size_t c = 0; c < 3; ++c)
                expected[3 * d + c] = uint8_t(3 * d + (2 - c) + 1);
        swapRedAndBlue(row.data(), copy.data(), count);
        EXPECT_EQ(copy, expected) << count;
        swapRedAndBlue(row.data(), row.data(), count);
        EXPECT_EQ(row, expected) << count << ", in place; the byte after the row untouched";
    }
}

TEST_F(TiffFormatTest, RgbPixelsComeInRedGreenBlue)
{
    TiffBuilder tiff;
    tiff.set(tiffTags::imageWidth, SHORT, {2});
    tiff.set(tiffTags::imageLength, SHORT, {1});
    tiff.set(tiffTags::bitsPerSample, SHORT, {8, 8, 8});
    tiff.set(tiffTags::photometricInterpretation, SHORT, {tiffValues::photometricRgb});
    tiff.set(tiffTags::samplesPerPixel, SHORT, {3});
    tiff.set(tiffTags::xResolution, RATIONAL, {72, 1});
    tiff.pixels = {1, 2, 3, 4, 5, 6};
    tiff.stripSizes = {6};
    auto image = read(tiff.bytes());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->depth(), 24);
    EXPECT_EQ(image->pixelAt({0, 0}), rgb(1, 2, 3));
    EXPECT_EQ(image->pixelAt({1, 0}), rgb(4, 5, 6));
}

struct RefusalRow {
    const char* what;
    std::function<void(TiffBuilder&)> change;
    int32_t code;
    friend void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.what; }
};

class TiffRefusalTest : public TiffFormatTest, public testing::WithParamInterface<RefusalRow> {};

TEST_P(TiffRefusalTest, IsRefusedWithItsCode)
{
    TiffBuilder tiff = palettePicture(4, 3);
    GetParam().change(tiff);
    EXPECT_EQ(readError(tiff.bytes()), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TiffRefusalTest,
    testing::Values(
        RefusalRow{"LZW", [](TiffBuilder& t) { t.set(tiffTags::compression, SHORT, {5}); }, errorQuiet},
        RefusalRow{"PackBits", [](TiffBuilder& t) { t.set(tiffTags::compression, SHORT, {32773}); }, errorQuiet},
        RefusalRow{"greyscale", [](TiffBuilder& t) { t.set(tiffTags::photometricInterpretation, SHORT, {1}); },
                   errorQuiet},
        RefusalRow{"bilevel", [](TiffBuilder& t) { t.set(tiffTags::photometricInterpretation, SHORT, {0}); },
                   errorQuiet},
        RefusalRow{"no photometric", [](TiffBuilder& t) { t.remove(tiffTags::photometricInterpretation); }, errorQuiet},
        RefusalRow{"planar", [](TiffBuilder& t) { t.set(tiffTags::planarConfiguration, SHORT, {2}); }, errorQuiet},
        RefusalRow{"16-bit samples", [](TiffBuilder& t) { t.set(tiffTags::bitsPerSample, SHORT, {16}); }, errorQuiet},
        RefusalRow{"extra sample",
                   [](TiffBuilder& t) {
                       t.set(tiffTags::photometricInterpretation, SHORT, {tiffValues::photometricRgb});
                       t.set(tiffTags::bitsPerSample, SHORT, {8, 8, 8, 8});
                       t.set(tiffTags::samplesPerPixel, SHORT, {4});
                   },
                   errorQuiet},
        RefusalRow{"colour map of LONGs",
                   [](TiffBuilder& t) {
                       auto map = std::find_if(t.fields.begin(), t.fields.end(),
                                               [](auto& f) { return f.tag == tiffTags::colorMap; });
                       map->type = LONG;
                   },
                   errorQuiet},
        RefusalRow{"short colour map",
                   [](TiffBuilder& t) { t.set(tiffTags::colorMap, SHORT, std::vector<uint32_t>(700)); }, errorQuiet},
        RefusalRow{"width in a RATIONAL",
                   [](TiffBuilder& t) {
                       t.set(tiffTags::imageWidth, RATIONAL, {4, 1});
                   },
                   errorQuiet},
        RefusalRow{"strip counts disagree",
                   [](TiffBuilder& t) {
                       t.stripSizes = {6, 6};
                       t.stripByteCounts = false;
                       t.set(tiffTags::stripByteCounts, LONG, {12});
                   },
                   errorQuiet},
        RefusalRow{"no strip offsets", [](TiffBuilder& t) { t.stripOffsets = false; }, errorQuiet},
        RefusalRow{"pixels missing",
                   [](TiffBuilder& t) {
                       t.pixels.resize(5);
                       t.stripSizes = {5};
                   },
                   errorQuiet},
        RefusalRow{"tag record over 65535 bytes",
                   [](TiffBuilder& t) { t.set(xmpTag, LONG, std::vector<uint32_t>(16400, 1)); }, errorQuiet},
        RefusalRow{"width 10001", [](TiffBuilder& t) { t.set(tiffTags::imageWidth, SHORT, {10001}); },
                   errorImageTooLarge},
        RefusalRow{"length 10001", [](TiffBuilder& t) { t.set(tiffTags::imageLength, LONG, {10001}); },
                   errorImageTooLarge}));

TEST_F(TiffFormatTest, CountsThatPointBeyondTheFileAreRefused)
{
    TiffBuilder tiff = palettePicture(4, 3);
    std::string bytes = tiff.bytes();
    // Entry 320's count, multiplied by the size of a SHORT, wraps to a small number in 32 bits.
    auto it = bytes.find(std::string("\x40\x01\x03\x00", 4));
    ASSERT_NE(it, std::string::npos);
    bytes.replace(it + 4, 4, std::string("\x00\x00\x00\x80", 4));
    EXPECT_EQ(readError(bytes), errorQuiet);
    EXPECT_EQ(readError("II\x2A\0\x08\0\0\0"), errorQuiet) << "a directory past the end";
    // Values that would lie past the end of the file make the directory invalid too.
    std::string cut = tiff.bytes();
    cut.resize(cut.size() - 12 - 1600);
    EXPECT_EQ(readError(cut), errorQuiet);
    EXPECT_EQ(readError("MM\0\x2B\0\0\0\x08"), errorQuiet) << "not 42";
    EXPECT_EQ(readError("II"), errorQuiet);
}

TEST_F(TiffFormatTest, PaletteFilesAreWrittenWithTheFixedLayout)
{
    palette.reset();
    palette.setColorAt(5, rgb(1, 2, 3));
    IndexedImage image(palette.platformPalette());
    image.create({16, 16});
    image.row(0)[0] = 5;
    std::string bytes = written(image);
    ASSERT_EQ(bytes.size(), 2002u);
    auto u16 = [&](size_t at) { return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); };
    auto u32 = [&](size_t at) { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; };
    EXPECT_EQ(bytes.substr(0, 4), std::string("II\x2A\0", 4));
    EXPECT_EQ(u32(4), 8u);
    EXPECT_EQ(u16(8), 15);
    EXPECT_EQ(u32(190), 0u) << "no next directory";
    size_t stripOffsets = 10 + 6 * 12; // the seventh entry
    EXPECT_EQ(u16(stripOffsets), tiffTags::stripOffsets);
    EXPECT_EQ(u16(stripOffsets + 2), SHORT);
    EXPECT_EQ(u16(stripOffsets + 8), 1746);
    EXPECT_EQ(u32(194), 720000u);
    EXPECT_EQ(u32(198), 10000u);
    EXPECT_EQ(u16(210 + 2 * 5), 257) << "red of colour 5";
    EXPECT_EQ(u16(210 + 512 + 2 * 5), 514);
    EXPECT_EQ(u16(210 + 1024 + 2 * 5), 771);
    EXPECT_EQ(uint8_t(bytes[1746]), 5);

    auto back = read(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixelAt({0, 0}), paletteIndex(5));
    EXPECT_EQ(palette.colorAt(5), rgb(1, 2, 3));
}

TEST_F(TiffFormatTest, ColourFilesAreWrittenRedFirstAfterTheirDirectory)
{
    TrueColorImage image;
    image.create({2, 1});
    image.fillRun(image.row(0), rgb(10, 20, 30), 1);
    std::string bytes = written(image);
    ASSERT_EQ(bytes.size(), 210u);
    EXPECT_EQ(bytes[8], 14);
    EXPECT_EQ(bytes.substr(182, 6), std::string("\x08\0\x08\0\x08\0", 6));
    EXPECT_EQ(bytes.substr(204, 3), std::string("\x0A\x14\x1E", 3));
    auto back = read(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixelAt({0, 0}), rgb(10, 20, 30));
}

TEST_F(TiffFormatTest, AFileThatCannotBeCreatedIsLeftAsItWas)
{
    TrueColorImage image;
    image.create({4, 4});
    auto [code, kept] = writeOverKeptFileWithoutFiles(image);
    EXPECT_EQ(code, systemError(systemTooManyOpenFiles));
    EXPECT_EQ(kept, "the user's picture");
}

TEST_F(TiffFormatTest, BigPicturesUseLongEntries)
{
    TrueColorImage image;
    image.create({300, 300}); // 270000 bytes: too many for a SHORT byte count
    std::string bytes = written(image);
    EXPECT_EQ(bytes.size(), 204u + 270000);
    auto back = read(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->extent(), (Point{300, 300}));
}

TEST(FormatTableTest, ExtensionsChooseTheFormatWithoutRegardToCase)
{
    EXPECT_EQ(formatIndexForExtension("TIF"), tiffFormat);
    EXPECT_EQ(formatIndexForExtension("tiff"), tiffFormat);
    EXPECT_EQ(formatIndexForExtension("Bmp"), bmpFormat);
    EXPECT_EQ(formatIndexForExtension("png"), bmpFormat);
    EXPECT_EQ(formatIndexForExtension(""), bmpFormat);
    EXPECT_EQ(imageFormats()[tiffFormat]->extension(), "tif");
}

} // namespace
