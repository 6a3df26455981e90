#include "palette/PaletteModel.h"
#include "core/Aspects.h"
#include "palette/ColorValue.h"
#include "pixels/LogicalPalette.h"
#include "tests/core/Listener.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

TEST(PaletteModelTest, QuantizingKeepsTheTopBitsAndRepeatsThem)
{
    PaletteModel palette;
    palette.reset();
    palette.setPrecision(3);
    EXPECT_EQ(palette.quantizeChannel(0xA0), 0xB6);
    EXPECT_EQ(palette.quantizeChannel(0xFF), 0xFF);
    EXPECT_EQ(palette.quantizeChannel(0x00), 0x00);
    palette.setPrecision(5);
    EXPECT_EQ(palette.quantizeChannel(0x08), 0x08);
    EXPECT_EQ(palette.quantizeChannel(0x0F), 0x08);
    palette.setPrecision(8);
    EXPECT_EQ(palette.quantizeChannel(0x5A), 0x5A);
    EXPECT_EQ(palette.quantizeColor(0x12345678), 0x00345678u);
}

TEST(PaletteModelTest, LoweringThePrecisionQuantizesEveryColourRaisingItChangesNothing)
{
    PaletteModel palette;
    palette.reset();
    palette.setColorAt(7, rgb(0x0F, 0x0F, 0x0F));
    Listener listener(&palette);
    palette.setPrecision(5);
    EXPECT_EQ(palette.colorAt(7), rgb(0x08, 0x08, 0x08));
    EXPECT_EQ(listener.count(&aspects::PaletteModel::access), 1);
    palette.setPrecision(8);
    EXPECT_EQ(palette.colorAt(7), rgb(0x08, 0x08, 0x08));
    EXPECT_EQ(listener.count(&aspects::PaletteModel::access), 1);
    palette.setPrecision(0);
    EXPECT_EQ(palette.precision(), 8) << "a precision quantizing cannot use is refused";
}

TEST(PaletteModelTest, EntriesOutsideThePaletteAreIgnored)
{
    PaletteModel palette;
    palette.reset();
    palette.setColorAt(300, rgb(1, 2, 3));
    palette.setColorAt(-1, rgb(1, 2, 3));
    EXPECT_EQ(palette.colorAt(300), rgb(0, 0, 0));
    EXPECT_EQ(palette.colorAt(44), rgb(0, 0, 0));
}

TEST(PaletteModelTest, SetColorsResetsAndReportsWhereEachColourWent)
{
    PaletteModel palette;
    palette.reset();
    palette.setColorAt(200, rgb(9, 9, 9));
    const ColorRef colors[] = {rgb(1, 1, 1), rgb(2, 2, 2)};
    uint8_t entries[2] = {99, 99};
    palette.setColors(2, colors, entries);
    EXPECT_EQ(entries[0], 0);
    EXPECT_EQ(entries[1], 1);
    EXPECT_EQ(palette.colorAt(1), rgb(2, 2, 2));
    EXPECT_EQ(palette.colorAt(200), rgb(0, 0, 0));
    EXPECT_EQ(palette.platformPalette()->colorAt(1), rgb(2, 2, 2)) << "the platform palette follows";
}

TEST(PaletteModelTest, ASnapshotRestoresPrecisionAndColoursWithOneNotification)
{
    PaletteModel palette;
    EXPECT_FALSE(palette.snapshot()) << "nothing to keep before the first reset";
    palette.reset();
    palette.setColorAt(3, rgb(10, 20, 30));
    palette.setPrecision(6);
    auto snapshot = palette.snapshot();
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->size(), 1026u);
    palette.setPrecision(3);
    palette.setColorAt(3, rgb(255, 255, 255));
    Listener listener(&palette);
    palette.restore(snapshot);
    EXPECT_EQ(listener.count(&aspects::PaletteModel::access), 1);
    EXPECT_EQ(palette.precision(), 6);
    EXPECT_EQ(palette.colorAt(3), palette.quantizeColor(rgb(10, 20, 30)));
    palette.restore(std::nullopt);
    EXPECT_EQ(listener.count(&aspects::PaletteModel::access), 1);
}

TEST(PaletteModelTest, DefaultColoursComeFromTheFileOrTheStockTwenty)
{
    PaletteModel palette;
    palette.loadDefault("/nonexistent/default.rgb");
    EXPECT_EQ(palette.colorAt(0), rgb(0, 0, 0));
    EXPECT_EQ(palette.colorAt(19), rgb(255, 255, 255));
    EXPECT_EQ(palette.colorAt(13), rgb(255, 0, 0));
    EXPECT_EQ(palette.colorAt(20), rgb(0, 0, 0));

    std::string path = testing::TempDir() + "tilvaner-default.rgb";
    {
        std::ofstream file(path, std::ios::binary);
        file << std::string("\x10\x20\x30\x40\x50", 5); // one whole entry and a stray pair of bytes
    }
    palette.loadDefault(path);
    EXPECT_EQ(palette.colorAt(0), rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(palette.colorAt(1), rgb(0, 0, 0));
    std::filesystem::remove(path);
}

TEST(PaletteModelTest, CopiesAreIndependentAndNearestIndicesUseThePlatformPalette)
{
    PaletteModel original;
    original.reset();
    original.setColorAt(5, rgb(250, 0, 0));
    original.setPrecision(6);
    original.changed();
    PaletteModel copy;
    copy.copyFrom(original);
    EXPECT_EQ(copy.precision(), 6);
    EXPECT_EQ(copy.colorAt(5), original.colorAt(5));
    EXPECT_NE(copy.platformPalette(), original.platformPalette());

    const ColorRef wanted[] = {rgb(255, 10, 0), rgb(1, 1, 1)};
    uint8_t found[2];
    copy.nearestIndices(2, wanted, found);
    EXPECT_EQ(found[0], 5);
    EXPECT_EQ(found[1], 0);
}

TEST(ColorValueTest, ANewColourIsStoredAndTold)
{
    ColorValue value(rgb(1, 2, 3));
    Listener listener(&value);
    value.setValue(rgb(4, 5, 6));
    EXPECT_EQ(value.value(), rgb(4, 5, 6));
    EXPECT_EQ(listener.count(&aspects::ColorValue::access), 1);
    value.setValue(rgb(4, 5, 6));
    EXPECT_EQ(listener.count(&aspects::ColorValue::access), 1) << "an equal colour sends nothing";
}

} // namespace
