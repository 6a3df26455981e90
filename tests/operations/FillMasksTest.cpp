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
    // What keepOtherColors keeps of the ink's ground.
    Dots others;
};

const KeepCase keepCases[] = {
    {"the whole picture", {"######", "######", "######"}, {0, 0}, drawn, {"..##.#", "#.##..", ".#####"}},
    {"only dots the mask had",
     {"#.####", "######", "......"},
     {0, 0},
     {"#...#.", ".#..##", "......"},
     {"..##.#", "#.##..", "......"}},
    // A selection pasted past the picture's top-left corner: its outer dots are never read, and
    // count as neither colour.
    {"a mask reaching past the picture",
     {"####", "####", "####"},
     {-2, -1},
     {"....", "..##", "...#"},
     {"....", "....", "..#."}},
    {"a mask past the bottom right", {"###", "###"}, {4, 2}, {"...", "..."}, {"##.", "..."}},
};

TEST(FillMasksTest, KeepSameColorAndKeepOtherColorsSplitTheDotsInsideThePicture)
{
    for (const KeepCase& c : keepCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            auto image = makePicture(depth, {6, 3});
            paint(*image, drawn, depth.ink);
            auto mask = maskOf(c.mask);
            keepSameColor(*mask, c.origin, *image, depth.ink);
            EXPECT_EQ(dotsOf(*mask, maskSet), c.kept);
            auto others = maskOf(c.mask);
            keepOtherColors(*others, c.origin, *image, depth.ink);
            EXPECT_EQ(dotsOf(*others, maskSet), c.others) << "other colours";
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

// Wide enough for whole mask bytes inside the picture, which are tested eight dots at once: a dot
// is the ink or a colour one bit or one byte away from it, or its bytes in another order. Both
// masks are made this way.
TEST(FillMasksTest, EightDotsAtOnceTellTheInkDotsFromTheOthersExactly)
{
    const ColorRef others[2][4] = {
        {paletteIndex(8), paletteIndex(0x89), paletteIndex(0x19), paletteIndex(1)},
        {rgb(0x31, 0x20, 0x10), rgb(0x30, 0x20, 0x90), rgb(0x10, 0x30, 0x20), rgb(0x30, 0x22, 0x10)}};
    const Point size{43, 3};
    for (size_t d = 0; d < 2; ++d) {
        const Depth& depth = depths[d];
        auto image = makePicture(depth, size);
        Dots inked(size_t(size.y), std::string(size_t(size.x), '.'));
        uint32_t seed = 12345;
        for (int32_t y = 0; y < size.y; ++y)
            for (int32_t x = 0; x < size.x; ++x) {
                seed = seed * 1103515245 + 12345;
                // The ink all along most of the middle row, none at the start of the last, and half
                // the time elsewhere.
                uint32_t pick = y == 1 && x < 30 ? 0 : y == 2 && x < 24 ? 4 + uint32_t(x & 3) : seed >> 16 & 7;
                ColorRef c = pick < 4 ? depth.ink : others[d][pick - 4];
                image->fillRun(image->row(y) + size_t(depth.bits / 8) * size_t(x), c, 1);
                inked[size_t(y)][size_t(x)] = c == depth.ink ? '#' : '.';
            }
        for (Point origin : {Point{0, 0}, Point{3, 1}, Point{-5, 0}})
            for (bool otherColors : {false, true}) {
                SCOPED_TRACE(testing::Message() << depth << ", origin " << origin.x << "," << origin.y
                                                << (otherColors ? ", other colours" : ""));
                auto mask = maskOf(Dots(3, std::string(40, '#')));
                if (otherColors)
                    keepOtherColors(*mask, origin, *image, depth.ink);
                else
                    keepSameColor(*mask, origin, *image, depth.ink);
                Dots kept(3, std::string(40, '.'));
                for (int32_t y = 0; y < 3; ++y)
                    for (int32_t x = 0; x < 40; ++x) {
                        Point at{x + origin.x, y + origin.y};
                        if (at.x >= 0 && at.x < size.x && at.y < size.y &&
                            (inked[size_t(at.y)][size_t(at.x)] == '#') != otherColors)
                            kept[size_t(y)][size_t(x)] = '#';
                    }
                EXPECT_EQ(dotsOf(*mask, maskSet), kept);
            }
    }
}

// The high indices, whose eight copies fill the top bit of a word.
TEST(FillMasksTest, HighIndicesAreComparedEightAtATimeToo)
{
    auto image = makePicture(depths[0], {16, 1});
    for (int32_t x = 0; x < 16; ++x)
        image->fillRun(image->row(0) + x, paletteIndex(x % 3 ? 255 : 0x7F), 1);
    auto mask = maskOf({"################"});
    keepSameColor(*mask, {0, 0}, *image, paletteIndex(255));
    EXPECT_EQ(dotsOf(*mask, maskSet), (Dots{".##.##.##.##.##."}));
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
