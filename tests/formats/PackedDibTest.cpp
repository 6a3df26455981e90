#include "base/ErrorFrame.h"
#include "formats/BmpFormat.h"
#include "palette/PaletteModel.h"
#include "pixels/IndexedImage.h"
#include "pixels/TrueColorImage.h"
#include "tests/formats/BmpBuilder.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

std::span<const uint8_t> spanOf(const std::string& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// A file's bytes without the file header: the DIB a clipboard carries.
std::string dibOf(const BmpBuilder& file)
{
    return file.bytes().substr(packedDib::fileHeaderSize);
}

BmpBuilder twoByTwo(uint16_t bits = 8)
{
    BmpBuilder b;
    b.width = 2;
    b.height = 2;
    b.bits = bits;
    b.rows = {std::vector<uint8_t>(size_t(bits / 8 * 2 + 2), 1), std::vector<uint8_t>(size_t(bits / 8 * 2 + 2), 2)};
    if (bits <= 8)
        b.colors.assign(size_t(1) << bits, 0x102030);
    return b;
}

void putU32(std::string& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + size_t(i)] = char(v >> (8 * i));
}

struct Refused {
    const char* what;
    std::function<void(BmpBuilder&)> change;
};

class PackedDibRefusalTest : public testing::TestWithParam<Refused> {};

TEST_P(PackedDibRefusalTest, IsNoDibToPaste)
{
    BmpBuilder b = twoByTwo();
    GetParam().change(b);
    EXPECT_FALSE(packedDib::layoutOf(spanOf(dibOf(b))));
}

INSTANTIATE_TEST_SUITE_P(Faults, PackedDibRefusalTest,
                         testing::Values(Refused{"header39", [](BmpBuilder& b) { b.headerSize = 39; }},
                                         Refused{"planes2", [](BmpBuilder& b) { b.planes = 2; }},
                                         Refused{"width0", [](BmpBuilder& b) { b.width = 0; }},
                                         Refused{"widthNegative", [](BmpBuilder& b) { b.width = -2; }},
                                         Refused{"width10001", [](BmpBuilder& b) { b.width = 10001; }},
                                         Refused{"height0", [](BmpBuilder& b) { b.height = 0; }},
                                         Refused{"height10001Up", [](BmpBuilder& b) { b.height = -10001; }},
                                         Refused{"heightMinimum", [](BmpBuilder& b) { b.height = INT_MIN; }},
                                         Refused{"depth2", [](BmpBuilder& b) { b.bits = 2; }},
                                         Refused{"depth0", [](BmpBuilder& b) { b.bits = 0; }},
                                         Refused{"colours257", [](BmpBuilder& b) { b.colorsUsed = 257; }},
                                         Refused{"oneBitThreeColours",
                                                 [](BmpBuilder& b) {
                                                     b.bits = 1;
                                                     b.colorsUsed = 3;
                                                 }},
                                         Refused{"runLength", [](BmpBuilder& b) { b.compression = 1; }},
                                         Refused{"bitFieldsAt8", [](BmpBuilder& b) { b.compression = 3; }},
                                         Refused{"bitFieldsAt24",
                                                 [](BmpBuilder& b) {
                                                     b.bits = 24;
                                                     b.compression = 3;
                                                 }},
                                         Refused{"tableMissing", [](BmpBuilder& b) { b.colors.clear(); }},
                                         Refused{"lastRowShort", [](BmpBuilder& b) { b.rows.pop_back(); }}),
                         [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.what); });

TEST(PackedDibTest, SizesThatWouldWrapRoundAreRefused)
{
    std::string dib = dibOf(twoByTwo());
    putU32(dib, 0, 0xFFFFFFF0u);
    EXPECT_FALSE(packedDib::layoutOf(spanOf(dib))) << "header size";
    dib = dibOf(twoByTwo());
    EXPECT_FALSE(packedDib::layoutOf(spanOf(dib), size_t(1) << 62)) << "row offset";
    EXPECT_FALSE(packedDib::layoutOf(spanOf(dib), 40 + 100)) << "rows inside the table";
}

TEST(PackedDibTest, SoundDibsOfEveryDepthAreTaken)
{
    struct Case {
        uint16_t bits;
        uint32_t compression;
        uint32_t headerSize;
        size_t tableOffset;
    };
    // Bit-field masks follow a 40-byte header only; longer headers hold them.
    for (Case c :
         {Case{1, 0, 40, 40}, Case{4, 0, 40, 40}, Case{8, 0, 40, 40}, Case{8, 0, 108, 108}, Case{16, 0, 40, 40},
          Case{16, 3, 40, 52}, Case{24, 0, 40, 40}, Case{32, 3, 56, 56}, Case{32, 3, 124, 124}}) {
        BmpBuilder b = twoByTwo(c.bits);
        b.compression = c.compression;
        b.headerSize = c.headerSize;
        b.height = -2;
        uint32_t entries = c.bits <= 8 ? 1u << c.bits : 0;
        b.colors.assign(entries, 0x102030);
        std::string dib = dibOf(b);
        if (c.compression == 3 && c.headerSize == 40)
            dib.insert(40, std::string(12, '\0'));
        std::optional<packedDib::Layout> layout = packedDib::layoutOf(spanOf(dib));
        ASSERT_TRUE(layout) << c.bits << " bits, header " << c.headerSize;
        EXPECT_EQ(layout->tableOffset, c.tableOffset);
        EXPECT_EQ(layout->tableEntries, entries);
        EXPECT_EQ(layout->pixelOffset, c.tableOffset + 4 * entries);
        EXPECT_EQ(layout->height, -2) << "top-down rows are kept in order";
        EXPECT_EQ(packedDib::isReadable(*layout), c.bits != 16 && c.bits != 32);
    }
}

TEST(PackedDibTest, FileRowsFollowTheirDataOffset)
{
    BmpBuilder b = twoByTwo();
    b.colors.assign(256, 0);
    b.dataOffset = 14 + 40 + 1024 + 6;
    std::string file = b.bytes();
    auto inside = packedDib::insideFile(spanOf(file));
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->second, 40u + 1024 + 6);
    PaletteModel palette;
    std::shared_ptr<DIBImage> image = packedDib::read(inside->first, palette, inside->second);
    EXPECT_EQ(image->row(1)[0], 1) << "the first file row is the bottom one";
    EXPECT_EQ(image->row(0)[1], 2);
    file[0] = 'X';
    EXPECT_FALSE(packedDib::insideFile(spanOf(file)));
}

TEST(PackedDibTest, MemoryReadsMatchTheFileReader)
{
    BmpBuilder b;
    b.width = 3;
    b.height = -2;
    b.bits = 4;
    b.colors = {0x0000FF, 0x00FF00, 0xFF0000};
    b.colorsUsed = 3;
    b.rows = {{0x01, 0x20}, {0x21, 0x00}};
    PaletteModel palette;
    std::shared_ptr<DIBImage> image = packedDib::read(spanOf(dibOf(b)), palette);
    ASSERT_EQ(image->depth(), 8);
    EXPECT_EQ((std::vector<uint8_t>{image->row(0)[0], image->row(0)[1], image->row(0)[2]}),
              (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(image->row(1)[0], 2);
    EXPECT_EQ(palette.colorAt(2), rgb(0xFF, 0, 0));
    EXPECT_EQ(palette.colorAt(3), rgb(0, 0, 0)) << "entries the table does not give are black";
}

TEST(PackedDibTest, DeepDibsAreLeftToTheDesktop)
{
    BmpBuilder b = twoByTwo(32);
    PaletteModel palette;
    try {
        packedDib::read(spanOf(dibOf(b)), palette);
        ADD_FAILURE() << "a 32-bit DIB was read";
    } catch (...) {
        EXPECT_EQ(currentError(), errorQuiet);
    }
}

TEST(PackedDibTest, EightBitDibsHoldTheFullTableAndBottomUpRows)
{
    PaletteModel palette;
    palette.reset();
    palette.setColorAt(9, rgb(1, 2, 3));
    palette.changed();
    IndexedImage image(palette.platformPalette());
    image.create({5, 2});
    image.row(0)[0] = 9;
    image.row(1)[4] = 7;
    std::string dib(packedDib::sizeOf({5, 2}, 8), '\x55');
    ASSERT_EQ(dib.size(), 40u + 1024 + 2 * 8);
    packedDib::write(packedDib::Rows::of(image), &palette, {reinterpret_cast<uint8_t*>(dib.data()), dib.size()});
    std::string header(40, '\0');
    putU32(header, 0, 40);
    putU32(header, 4, 5);
    putU32(header, 8, 2);
    putU32(header, 12, 0x00080001);
    EXPECT_EQ(dib.substr(0, 40), header);
    EXPECT_EQ(dib.substr(40 + 4 * 9, 4), std::string("\x03\x02\x01\x00", 4));
    EXPECT_EQ(dib.substr(1064, 8), std::string("\0\0\0\0\x07\0\0\0", 8)) << "bottom row first, zero padding";
    EXPECT_EQ(dib.substr(1072, 8), std::string("\x09\0\0\0\0\0\0\0", 8));
}

TEST(PackedDibTest, TrueColourDibsHaveNoTable)
{
    TrueColorImage image;
    image.create({1, 2});
    image.row(0)[2] = 0x30;
    std::string dib(packedDib::sizeOf({1, 2}, 24), '\x55');
    ASSERT_EQ(dib.size(), 40u + 2 * 4);
    packedDib::write(packedDib::Rows::of(image), nullptr, {reinterpret_cast<uint8_t*>(dib.data()), dib.size()});
    EXPECT_EQ(dib.substr(40), std::string("\0\0\0\0\0\0\x30\0", 8));
    PaletteModel palette;
    std::shared_ptr<DIBImage> back = packedDib::read(spanOf(dib), palette);
    EXPECT_EQ(back->pixelAt({0, 0}), rgb(0x30, 0, 0));
}

} // namespace
