#include "operations/MaskFill.h"

#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

struct FillCase {
    const char* name;
    Dots mask;
    Point origin;
    std::optional<ToneBytes> tone;
    Dots expected; // on a 6 x 3 picture
    Rect changed;
};

const FillCase fillCases[] = {
    {"runs inside", {"##.#", ".##."}, {1, 0}, {}, {".##.#.", "..##..", "......"}, {1, 0, 5, 2}},
    {"clipped at the top left", {"###", "#.#", "###"}, {-1, -1}, {}, {".#....", "##....", "......"}, {0, 0, 2, 2}},
    {"clipped at the bottom right", {"####", "####"}, {4, 2}, {}, {"......", "......", "....##"}, {4, 2, 6, 3}},
    {"a miss changes nothing", {"##"}, {6, 0}, {}, {"......", "......", "......"}, {}},
    {"checker tone",
     {"######", "######", "######"},
     {0, 0},
     ToneBytes{0xAA, 0x55, 0xAA},
     {".#.#.#", "#.#.#.", ".#.#.#"},
     {0, 0, 6, 3}},
    // The shape moves, the pattern stays where the image puts it.
    {"tone anchored to the image",
     {"###", "###"},
     {1, 1},
     ToneBytes{0xFF, 0x55, 0xAA},
     {"......", "..#...", ".#.#.."},
     {1, 1, 4, 3}},
};

TEST(MaskFillTest, FillsTheMaskedDotsInsideTheImageThroughTheTone)
{
    for (const FillCase& c : fillCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            auto image = makePicture(depth, {6, 3});
            EXPECT_EQ(maskFill(*image, *maskOf(c.mask), c.origin, depth.ink, c.tone ? &*c.tone : nullptr), c.changed);
            EXPECT_EQ(dotsOf(*image, depth.ink), c.expected);
        }
}

// The dots a tone leaves out may have any colour: only those it lets through count.
TEST(MaskFillTest, AFillChangesSomethingUntilItHasBeenDone)
{
    for (const FillCase& c : fillCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            auto image = makePicture(depth, {6, 3});
            auto mask = maskOf(c.mask);
            const ToneBytes* tone = c.tone ? &*c.tone : nullptr;
            EXPECT_EQ(maskFillChanges(*image, *mask, c.origin, depth.ink, tone), !c.changed.isEmpty());
            maskFill(*image, *mask, c.origin, depth.ink, tone);
            EXPECT_FALSE(maskFillChanges(*image, *mask, c.origin, depth.ink, tone));
        }
}

TEST(MaskFillTest, ToneSevenPaintsEightDotsOfSixtyFour)
{
    const ToneBytes tone7{0xEE, 0xFF, 0xBB, 0xFF, 0xEE, 0xFF, 0xBB, 0xFF};
    for (const Depth& depth : depths) {
        SCOPED_TRACE(depth);
        auto image = makePicture(depth, {8, 8});
        maskFill(*image, *maskOf(Dots(8, "########")), {0, 0}, depth.ink, &tone7);
        int painted = 0;
        for (const std::string& row : dotsOf(*image, depth.ink))
            painted += int(std::count(row.begin(), row.end(), '#'));
        EXPECT_EQ(painted, 8);
    }
}

// Whole rows of a picture whose rows end without padding meet in memory and are filled together;
// where rows are padded the padding stays zero, whatever the runs around it.
TEST(MaskFillTest, WholeRowsFillTogetherAndNeverTheRowPadding)
{
    const Dots mask = {"########", "########", "###.####", "########", "########", "....####", "########"};
    for (const Depth& depth : depths)
        for (int32_t width : {8, 6, 4}) {
            SCOPED_TRACE(testing::Message() << depth << ", " << width << " dots wide");
            auto image = makePicture(depth, {width, 7});
            Dots cut;
            for (const std::string& row : mask)
                cut.push_back(row.substr(0, size_t(width)));
            maskFill(*image, *maskOf(cut), {0, 0}, depth.ink, nullptr);
            EXPECT_EQ(dotsOf(*image, depth.ink), cut);
            size_t used = size_t(depth.bits / 8 * width), length = size_t(DIBImage::rowLength(depth.bits, width));
            for (int32_t y = 0; y < 7; ++y)
                EXPECT_EQ(std::count(image->row(y) + used, image->row(y) + length, 0), ptrdiff_t(length - used))
                    << "padding of row " << y;
        }
}

} // namespace
