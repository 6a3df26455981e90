#include "operations/CheckerFill.h"

#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

namespace {

// '#' is c0, 'o' is c1, '.' the untouched background.
Dots checkerDots(const DIBImage& image, ColorRef c0, ColorRef c1)
{
    Dots dots = dotsOf(image, c0);
    Dots odd = dotsOf(image, c1);
    for (size_t y = 0; y < dots.size(); ++y)
        for (size_t x = 0; x < dots[y].size(); ++x)
            if (odd[y][x] == '#')
                dots[y][x] = 'o';
    return dots;
}

struct CheckerCase {
    const char* name;
    Dots mask;
    Point origin;
    Dots expected; // on a 5 x 3 picture
    Rect changed;
};

const CheckerCase checkerCases[] = {
    {"parity of the image's x + y", {"###", "###"}, {1, 0}, {".o#o.", ".#o#.", "....."}, {1, 0, 4, 2}},
    {"only the masked dots", {"#.#", ".#."}, {2, 1}, {".....", "..o.o", "...o."}, {2, 1, 5, 3}},
    {"clipped", {"###", "###"}, {-1, 2}, {".....", ".....", "#o..."}, {0, 2, 2, 3}},
    {"a miss changes nothing", {"#"}, {0, 3}, {".....", ".....", "....."}, {}},
};

TEST(CheckerFillTest, AlternatesTheColoursByTheParityOfXPlusY)
{
    for (const CheckerCase& c : checkerCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            ColorRef c1 = depth.bits == 8 ? paletteIndex(3) : rgb(1, 2, 3);
            auto image = makePicture(depth, {5, 3});
            EXPECT_EQ(checkerFill(*image, *maskOf(c.mask), c.origin, depth.ink, c1), c.changed);
            EXPECT_EQ(checkerDots(*image, depth.ink, c1), c.expected);
        }
}

} // namespace
