#include "palette/PaletteClipboardLayout.h"
#include "palette/PaletteModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>

using namespace paletteClipboard;

namespace {

using Bytes = std::vector<uint8_t>;

// A palette object as another program might write it: any version and stated count, entries colour
// k = (k, 3k, 255 - k) with non-zero flags, and stray bytes after them.
Bytes object(uint16_t version, uint16_t stated, size_t entries, size_t stray = 0)
{
    Bytes bytes{uint8_t(version), uint8_t(version >> 8), uint8_t(stated), uint8_t(stated >> 8)};
    for (size_t k = 0; k < entries; ++k)
        bytes.insert(bytes.end(), {uint8_t(k), uint8_t(k * 3), uint8_t(255 - k), 0x55});
    bytes.insert(bytes.end(), stray, 0xEE);
    return bytes;
}

std::vector<ColorRef> expectedColors(size_t count)
{
    std::vector<ColorRef> colors;
    for (size_t k = 0; k < count; ++k)
        colors.push_back(rgb(uint8_t(k), uint8_t(k * 3), uint8_t(255 - k)));
    return colors;
}

Bytes ascending(size_t count)
{
    Bytes bytes(count);
    std::iota(bytes.begin(), bytes.end(), uint8_t(0));
    return bytes;
}

TEST(PaletteClipboardLayoutTest, ACopyGoesOutAsObjectOrderBlockAndTextAndPastesBackInPlace)
{
    PaletteModel palette;
    palette.reset();
    palette.setColorAt(3, rgb(0x10, 0x20, 0x30));
    palette.setColorAt(17, rgb(0xA1, 0xB2, 0xC3));
    palette.setColorAt(200, rgb(0xFF, 0x00, 0x7F));
    const int selected[] = {200, 3, 17, 3};
    PaletteCopy copy = copyOfEntries(palette, selected);
    EXPECT_EQ(copy.entries, (Bytes{3, 17, 200})) << "sorted ascending, the repeat dropped";

    auto items = clipboardItems(copy);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].first, paletteObjectType);
    EXPECT_EQ(items[0].second,
              (Bytes{0x00, 0x03, 3, 0, 0x10, 0x20, 0x30, 0, 0xA1, 0xB2, 0xC3, 0, 0xFF, 0x00, 0x7F, 0}));
    EXPECT_EQ(items[1].first, paletteOrderType);
    EXPECT_EQ(items[1].second, (Bytes{3, 17, 200}));
    EXPECT_EQ(items[2].first, textType);
    EXPECT_EQ(std::string(items[2].second.begin(), items[2].second.end()), "#102030\n#A1B2C3\n#FF007F\n");

    std::vector<ColorRef> pasted = colorsOfPaletteObject(items[0].second);
    EXPECT_EQ(pasted, copy.colors);
    EXPECT_EQ(pasteOffsets(pasted.size(), items[1].second), (Bytes{3, 17, 200})) << "back at their old entries";
    EXPECT_EQ(pasteOffsets(pasted.size(), {}), (Bytes{0, 1, 2})) << "without the block: from entry 0 up";
}

TEST(PaletteClipboardLayoutTest, ACopyHoldsEachEntryOnceAndNothingOutsideThePalette)
{
    PaletteModel palette;
    palette.reset();
    std::vector<int> selected{-1, 256, 1000};
    for (int round = 0; round < 2; ++round) {
        for (int i = PaletteModel::size - 1; i >= 0; --i)
            selected.push_back(i);
    }
    PaletteCopy copy = copyOfEntries(palette, selected);
    EXPECT_EQ(copy.entries, ascending(256));
    EXPECT_EQ(copy.colors.size(), 256u);

    std::vector<ColorRef> many(300, rgb(1, 2, 3));
    Bytes bytes = paletteObjectBytes(many);
    ASSERT_EQ(bytes.size(), 4u + 256 * 4) << "an object holds at most 256 colours";
    EXPECT_EQ(bytes[2] | bytes[3] << 8, 256);
}

TEST(PaletteClipboardLayoutTest, MalformedObjectsGiveOnlyTheWholeEntriesTheyHold)
{
    struct Row {
        const char* what;
        Bytes bytes;
        size_t colors;
    };
    const Row rows[] = {
        {"nothing", {}, 0},
        {"header cut short", {0x00, 0x03, 0x01}, 0},
        {"header alone", object(0x0300, 0, 0), 0},
        {"another version", object(0x0301, 2, 2), 0},
        {"version in the wrong byte order", object(0x0003, 2, 2), 0},
        {"count 0 with entries after it", object(0x0300, 0, 3), 0},
        {"exact", object(0x0300, 3, 3), 3},
        {"fewer stated than present", object(0x0300, 2, 5), 2},
        {"count larger than the data", object(0x0300, 5, 2), 2},
        {"a last entry cut short", object(0x0300, 3, 2, 3), 2},
        {"count 65535 with one entry", object(0x0300, 0xFFFF, 1), 1},
        {"300 entries", object(0x0300, 300, 300), 256},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        // A copy of its own, so that a read past the end shows under the sanitizer.
        auto exact = std::make_unique<uint8_t[]>(row.bytes.size());
        std::copy(row.bytes.begin(), row.bytes.end(), exact.get());
        EXPECT_EQ(colorsOfPaletteObject({exact.get(), row.bytes.size()}), expectedColors(row.colors));
    }
}

TEST(PaletteClipboardLayoutTest, OffsetsComeFromTheBlockOnlyWhenItPlacesEveryColour)
{
    struct Row {
        const char* what;
        size_t count;
        Bytes block;
        Bytes offsets;
    };
    const Row rows[] = {
        {"no block", 3, {}, {0, 1, 2}},
        {"a block for each", 3, {3, 17, 200}, {3, 17, 200}},
        {"a block too short is ignored", 3, {3, 17}, {0, 1, 2}},
        {"a longer block gives its first bytes", 2, {9, 8, 7}, {9, 8}},
        {"no colours", 0, {5}, {}},
        {"more colours than a palette holds", 300, {}, ascending(256)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(pasteOffsets(row.count, row.block), row.offsets);
    }
}

TEST(PaletteClipboardLayoutTest, TheTextFormIsOneUpperCaseHexLinePerColour)
{
    const ColorRef colors[] = {rgb(0xAB, 0x01, 0xFF), rgb(0, 0, 0), rgb(0x0A, 0x0B, 0x0C)};
    EXPECT_EQ(colorsAsText(colors), "#AB01FF\n#000000\n#0A0B0C\n");
    EXPECT_EQ(colorsAsText({}), "");
}

} // namespace
