#include "operations/PixelTraits.h"

#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

namespace {

// What the dispatcher hands an algorithm: the right pixel size, and values that the image's own
// pixel reading reads back as the colour they were made from.
TEST(PixelTraitsTest, EachDepthGetsItsOwnPixelBytes)
{
    struct Row {
        Depth depth;
        size_t size;
        ColorRef color;
    };
    const Row rows[] = {{depths[0], 1, paletteIndex(77)}, {depths[1], 3, rgb(0x30, 0x20, 0x10)}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.depth);
        auto image = makePicture(row.depth, {3, 1});
        size_t size = withPixelTraits(*image, [&](auto traits) {
            using Pixels = decltype(traits);
            Pixels::write(image->row(0), 1, Pixels::valueOf(*image, row.color));
            EXPECT_EQ(Pixels::read(image->row(0), 1), Pixels::valueOf(*image, row.color));
            Pixels::fill(*image, image->row(0), 2, 1, row.color);
            return Pixels::size;
        });
        EXPECT_EQ(size, row.size);
        EXPECT_EQ(image->pixelAt({0, 0}), row.depth.background);
        EXPECT_EQ(image->pixelAt({1, 0}), row.color);
        EXPECT_EQ(image->pixelAt({2, 0}), row.color);
    }
}

TEST(PixelTraitsTest, MasksAreRefused)
{
    auto mask = maskOf({"#"});
    EXPECT_THROW(withPixelTraits(*mask, [](auto traits) { return decltype(traits)::size; }), RaisedError);
}

} // namespace
