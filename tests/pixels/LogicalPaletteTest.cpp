#include "pixels/LogicalPalette.h"

#include <gtest/gtest.h>

namespace {

TEST(LogicalPaletteTest, WritesOutsideThePaletteAreIgnored)
{
    LogicalPalette palette;
    palette.create(4);
    palette.setColorAt(4, rgb(1, 2, 3));
    palette.setColorAt(-1, rgb(1, 2, 3));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(palette.colorAt(i), rgb(0, 0, 0));

    const ColorRef colors[] = {rgb(1, 1, 1), rgb(2, 2, 2), rgb(3, 3, 3)};
    palette.setColors(2, colors, 3);
    EXPECT_EQ(palette.colorAt(2), rgb(1, 1, 1));
    EXPECT_EQ(palette.colorAt(3), rgb(2, 2, 2));
    EXPECT_EQ(palette.size(), 4) << "the count is clipped to the palette's end";
    palette.setColors(4, colors, 1);
    EXPECT_EQ(palette.size(), 4);
}

TEST(LogicalPaletteTest, EqualColoursStayDistinctAndNearestPrefersTheFirst)
{
    LogicalPalette palette;
    palette.create(3);
    palette.setColorAt(0, rgb(200, 0, 0));
    palette.setColorAt(1, rgb(10, 10, 10));
    palette.setColorAt(2, rgb(10, 10, 10));
    EXPECT_EQ(palette.size(), 3);
    EXPECT_EQ(palette.nearestIndex(rgb(12, 9, 10)), 1);
    EXPECT_EQ(palette.nearestIndex(rgb(255, 0, 0)), 0);
}

TEST(LogicalPaletteTest, CreateResizeAndCopyKeepToTheLimits)
{
    LogicalPalette palette;
    palette.create(257);
    EXPECT_TRUE(palette.isNull()) << "a count the palette cannot hold leaves it null";
    EXPECT_EQ(LogicalPalette::copyOf(&palette), nullptr);
    EXPECT_EQ(LogicalPalette::copyOf(nullptr), nullptr);

    palette.create(2);
    palette.setColorAt(1, rgb(5, 6, 7));
    palette.resize(300);
    EXPECT_EQ(palette.size(), 256);
    EXPECT_EQ(palette.colorAt(255), rgb(0, 0, 0));
    auto copy = LogicalPalette::copyOf(&palette);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->colorAt(1), rgb(5, 6, 7));
    palette.setColorAt(1, rgb(0, 0, 0));
    EXPECT_EQ(copy->colorAt(1), rgb(5, 6, 7)) << "a copy has its own entries";
    palette.resize(1);
    EXPECT_EQ(palette.size(), 1);
}

} // namespace
