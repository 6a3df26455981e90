#include "operations/RectFill.h"

#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

namespace {

struct RectCase {
    const char* name;
    Rect rect;
    Dots expected; // on a 4 x 3 picture
    Rect changed;
};

const RectCase rectCases[] = {
    {"inside", {1, 1, 3, 3}, {"....", ".##.", ".##."}, {1, 1, 3, 3}},
    {"clipped", {-2, -1, 2, 1}, {"##..", "....", "...."}, {0, 0, 2, 1}},
    {"the whole image", {-5, -5, 50, 50}, {"####", "####", "####"}, {0, 0, 4, 3}},
    {"a miss changes nothing", {-5, -5, 0, 3}, {"....", "....", "...."}, {}},
};

TEST(RectFillTest, FillsTheRectangleClippedToTheImage)
{
    for (const RectCase& c : rectCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            auto image = makePicture(depth, {4, 3});
            EXPECT_EQ(rectFill(*image, c.rect, depth.ink), c.changed);
            EXPECT_EQ(dotsOf(*image, depth.ink), c.expected);
        }
}

TEST(RectFillTest, FullColourRowsHoldBlueGreenRed)
{
    auto image = makePicture(depths[1], {3, 2});
    rectFill(*image, {1, 1, 3, 2}, rgb(0x30, 0x20, 0x10));
    const uint8_t* pixel = image->row(1) + 3;
    EXPECT_EQ(std::vector<uint8_t>(pixel, pixel + 6), (std::vector<uint8_t>{0x10, 0x20, 0x30, 0x10, 0x20, 0x30}));
}

} // namespace
