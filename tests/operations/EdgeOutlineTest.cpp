#include "operations/EdgeOutline.h"
#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

Dots dotsOfMask(const MaskImage& mask)
{
    Dots dots(size_t(mask.height()), std::string(size_t(mask.width()), '.'));
    for (int32_t y = 0; y < mask.height(); ++y)
        for (int32_t x = 0; x < mask.width(); ++x)
            if (mask.isSet({x, y}))
                dots[size_t(y)][size_t(x)] = '#';
    return dots;
}

TEST(EdgeOutlineTest, ADotsOutlineIsASquareWithCornersAndADiamondWithout)
{
    const Dots dot{".......", ".......", ".......", "...#...", ".......", ".......", "......."};
    EXPECT_EQ(dotsOfMask(*outlineMask(*maskOf(dot), 2, true)),
              (Dots{".......", ".#####.", ".#####.", ".##.##.", ".#####.", ".#####.", "......."}));
    EXPECT_EQ(dotsOfMask(*outlineMask(*maskOf(dot), 2, false)),
              (Dots{".......", "...#...", "..###..", ".##.##.", "..###..", "...#...", "......."}));
    EXPECT_EQ(dotsOfMask(*outlineMask(*maskOf({"#...."}), 3, false)), (Dots{".###."}))
        << "the outline stops at the rectangle's edge";
}

TEST(EdgeOutlineTest, TheRingIsEveryDotWithinTheWidthOfAShapeByItsDistance)
{
    // Against the growth the outline stands for, computed by brute force on random shapes.
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        Dots shapes(13, std::string(17, '.'));
        for (std::string& row : shapes)
            for (char& c : row)
                c = random() % 9 == 0 ? '#' : '.';
        int width = 1 + round % 5;
        bool corners = round % 2 == 0;
        std::shared_ptr<MaskImage> ring = outlineMask(*maskOf(shapes), width, corners);
        for (int32_t y = 0; y < 13; ++y)
            for (int32_t x = 0; x < 17; ++x) {
                int nearest = 1000;
                for (int32_t v = 0; v < 13; ++v)
                    for (int32_t u = 0; u < 17; ++u)
                        if (shapes[size_t(v)][size_t(u)] == '#') {
                            int dx = std::abs(u - x), dy = std::abs(v - y);
                            nearest = std::min(nearest, corners ? std::max(dx, dy) : dx + dy);
                        }
                bool expected = nearest > 0 && nearest <= width;
                ASSERT_EQ(ring->isSet({x, y}), expected) << "round " << round << " at " << x << ", " << y;
            }
    }
}

} // namespace
