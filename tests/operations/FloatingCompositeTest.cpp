#include "operations/FloatingComposite.h"
#include "operations/CopyArea.h"
#include "operations/InnerBorder.h"
#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

namespace {

// Three colours per depth: '.' background, '#' the picture's figure, 'o' the floating image's own.
struct Colours {
    ColorRef background, figure, own;
};

Colours coloursOf(const Depth& depth)
{
    if (depth.bits == 8)
        return {depth.background, depth.ink, paletteIndex(5)};
    return {depth.background, depth.ink, rgb(0, 200, 0)};
}

std::shared_ptr<DIBImage> pictureOf(const Depth& depth, const Dots& dots)
{
    std::shared_ptr<DIBImage> image = makePicture(depth, {int32_t(dots[0].size()), int32_t(dots.size())});
    Colours c = coloursOf(depth);
    paint(*image, dots, c.figure);
    Dots own = dots;
    for (std::string& row : own)
        for (char& dot : row)
            dot = dot == 'o' ? '#' : '.';
    paint(*image, own, c.own);
    return image;
}

Dots drawn(const DIBImage& image, const Colours& c)
{
    Dots dots(size_t(image.height()), std::string(size_t(image.width()), '?'));
    for (int32_t y = 0; y < image.height(); ++y)
        for (int32_t x = 0; x < image.width(); ++x) {
            ColorRef p = image.pixelAt({x, y});
            dots[size_t(y)][size_t(x)] = p == c.background ? '.' : p == c.figure ? '#' : p == c.own ? 'o' : '?';
        }
    return dots;
}

const Dots picture{"..##..", "..##.."};
const Dots ownPixels{"oo.o", "o..o"};
const Dots region{"###.", "####"};

class FloatingCompositeTest : public testing::TestWithParam<Depth> {};

TEST_P(FloatingCompositeTest, EachModeShowsTheFloatingImageAsItsRuleSays)
{
    struct Row {
        int32_t mode;
        Point at;
        Dots shown;
    };
    const Row rows[] = {
        {0, {1, 0}, {"oo#.", "o##o"}}, // the transparent own dot and those outside the region show the figure
        {1, {1, 0}, {"oo..", "o..o"}}, // every region dot is opaque, the transparent one too
        {2, {1, 0}, {"o##.", "o##o"}}, // the figure stays in front
        {3, {1, 0}, {".o#.", ".##."}}, // the own dots show only over the figure
        {0, {3, 0}, {"oo.o", "o..o"}}, // the column beyond the picture is left as it is
    };
    const Depth depth = GetParam();
    const Colours c = coloursOf(depth);
    std::shared_ptr<DIBImage> under = pictureOf(depth, picture);
    std::shared_ptr<MaskImage> regionMask = maskOf(region);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        std::shared_ptr<DIBImage> own = pictureOf(depth, ownPixels);
        std::shared_ptr<MaskImage> transparency = transparencyMaskOf(*own, *regionMask, c.background);
        EXPECT_EQ(dotsOf(*transparency, rgb(255, 255, 255)), (Dots{"##..", "#..#"}));
        std::shared_ptr<DIBImage> shown = row.mode >= 2 ? own->duplicate() : own;
        const MaskImage& opaque = row.mode == 1 ? *regionMask : *transparency;
        compositeFloating(*shown, *own, opaque, *under, row.at, row.mode, c.background, Rect{-10, -10, 10, 10});
        EXPECT_EQ(drawn(*shown, c), row.shown);
        EXPECT_EQ(drawn(*own, c), row.mode >= 2 ? ownPixels : drawn(*shown, c));
    }
}

// Only area is composed again: a redraw of part of the picture rebuilds only that part.
TEST_P(FloatingCompositeTest, OnlyTheGivenAreaIsComposedAgain)
{
    const Depth depth = GetParam();
    const Colours c = coloursOf(depth);
    std::shared_ptr<DIBImage> under = pictureOf(depth, {"######", "######"});
    std::shared_ptr<DIBImage> own = pictureOf(depth, {"....", "...."});
    std::shared_ptr<MaskImage> none = maskOf({"....", "...."});
    compositeFloating(*own, *own, *none, *under, {1, 0}, 0, c.background, Rect{2, 1, 4, 2});
    EXPECT_EQ(drawn(*own, c), (Dots{"....", ".##."}));
}

// Mode 0 composes in place; putting the transparent dots back restores the own pixels in the region.
TEST_P(FloatingCompositeTest, TheTransparentDotsArePutBackInsideTheRegion)
{
    const Depth depth = GetParam();
    const Colours c = coloursOf(depth);
    std::shared_ptr<DIBImage> under = pictureOf(depth, {"######", "######"});
    std::shared_ptr<DIBImage> own = pictureOf(depth, ownPixels);
    std::shared_ptr<MaskImage> regionMask = maskOf(region);
    std::shared_ptr<MaskImage> transparency = transparencyMaskOf(*own, *regionMask, c.background);
    compositeFloating(*own, *own, *transparency, *under, {1, 0}, 0, c.background, Rect{0, 0, 6, 2});
    EXPECT_EQ(drawn(*own, c), (Dots{"oo##", "o##o"}));
    putBackTransparent(*own, *regionMask, *transparency, c.background);
    EXPECT_EQ(drawn(*own, c), (Dots{"oo.#", "o..o"})) << "outside the region the picture's dot may stay";
}

TEST_P(FloatingCompositeTest, CopyAreaGivesTheBackgroundOutsideThePicture)
{
    const Depth depth = GetParam();
    const Colours c = coloursOf(depth);
    std::shared_ptr<DIBImage> source = pictureOf(depth, {"#o", "o#"});
    struct Row {
        Rect rect;
        Dots copied;
    };
    for (const Row& row : {Row{{0, 0, 2, 2}, {"#o", "o#"}}, Row{{-1, 1, 3, 3}, {".o#.", "...."}},
                           Row{{5, 5, 7, 6}, {".."}}, Row{{1, -2, 2, 1}, {".", ".", "o"}}}) {
        std::shared_ptr<DIBImage> copy = copyArea(*source, row.rect, c.background);
        EXPECT_EQ(copy->depth(), source->depth());
        EXPECT_EQ(drawn(*copy, c), row.copied) << row.rect.left << "," << row.rect.top;
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, FloatingCompositeTest, testing::ValuesIn(depths));

TEST(InnerBorderTest, TheBorderIsTheDotsWithANeighbourOutside)
{
    struct Row {
        Dots shape, border;
    };
    const Row rows[] = {
        {{"#"}, {"#"}},
        {{"###", "###", "###"}, {"###", "#.#", "###"}},
        {{".###.", "#####", "#####", ".###."}, {".###.", "#...#", "#...#", ".###."}},
        {{"##.##", "#####", "#####"}, {"##.##", "#.#.#", "#####"}}, // the dot under the notch is border
        // Across byte boundaries: 18 wide, so the neighbours of dots 7, 8, 15 and 16 sit in the next byte.
        {{"..................", ".################.", ".################.", ".################.", ".................."},
         {"..................", ".################.", ".#..............#.", ".################.",
          ".................."}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(dotsOf(*innerBorder(*maskOf(row.shape)), rgb(255, 255, 255)), row.border);
}

} // namespace
