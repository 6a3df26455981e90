#include "operations/FillMasks.h"

#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef maskSet = rgb(255, 255, 255);

// A 6 x 3 picture of the background with ink where '#' is drawn.
const Dots drawn = {"##..#.", ".#..##", "#....."};

struct KeepCase {
    const char* name;
    Dots mask;
    Point origin;
    Dots kept;
};

const KeepCase keepCases[] = {
    {"the whole picture", {"######", "######", "######"}, {0, 0}, drawn},
    {"only dots the mask had", {"#.####", "######", "......"}, {0, 0}, {"#...#.", ".#..##", "......"}},
    // A selection pasted past the picture's top-left corner: its outer dots are never read.
    {"a mask reaching past the picture", {"####", "####", "####"}, {-2, -1}, {"....", "..##", "...#"}},
    {"a mask past the bottom right", {"###", "###"}, {4, 2}, {"...", "..."}},
};

TEST(FillMasksTest, KeepSameColorKeepsTheDotsOfThatColourInsideThePicture)
{
    for (const KeepCase& c : keepCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            auto image = makePicture(depth, {6, 3});
            paint(*image, drawn, depth.ink);
            auto mask = maskOf(c.mask);
            keepSameColor(*mask, c.origin, *image, depth.ink);
            EXPECT_EQ(dotsOf(*mask, maskSet), c.kept);
        }
}

TEST(FillMasksTest, AFullColourDotMustMatchInAllThreeBytes)
{
    auto image = makePicture(depths[1], {4, 1});
    const ColorRef near[] = {rgb(0x30, 0x20, 0x10), rgb(0x31, 0x20, 0x10), rgb(0x30, 0x21, 0x10),
                             rgb(0x30, 0x20, 0x11)};
    for (int32_t x = 0; x < 4; ++x)
        image->fillRun(image->row(0) + 3 * x, near[x], 1);
    auto mask = maskOf({"####"});
    keepSameColor(*mask, {0, 0}, *image, near[0]);
    EXPECT_EQ(dotsOf(*mask, maskSet), (Dots{"#..."}));
}

TEST(FillMasksTest, KeepInsideBordersDropsEveryBorderIndexAndRefusesFullColour)
{
    auto image = makePicture(depths[0], {5, 1});
    for (int32_t x = 0; x < 5; ++x)
        image->fillRun(image->row(0) + x, paletteIndex(uint8_t(x * 60)), 1);
    BorderFlags borders{};
    borders[60] = borders[240] = true;
    auto mask = maskOf({"#####"});
    keepInsideBorders(*mask, {0, 0}, *image, borders);
    EXPECT_EQ(dotsOf(*mask, maskSet), (Dots{"#.##."}));
    EXPECT_ANY_THROW(keepInsideBorders(*mask, {0, 0}, *makePicture(depths[1], {5, 1}), borders));
}

} // namespace
