#include "operations/IndexTranslation.h"
#include "pixels/IndexedImage.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Widths around the 64 dots the fast path takes at once, so that whole steps, the dots after them
// and the row padding each meet every entry of the table.
TEST(IndexTranslationTest, EveryDotTakesItsTableEntryAndThePaddingStaysAsItWas)
{
    std::mt19937 random(7);
    std::array<uint8_t, 256> table;
    for (int i = 0; i < 256; ++i)
        table[size_t(i)] = uint8_t(random());
    for (int32_t width : {1, 63, 64, 65, 130, 257}) {
        IndexedImage image;
        image.create({width, 3});
        int32_t rowBytes = DIBImage::rowLength(8, width);
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < rowBytes; ++x)
                image.row(y)[x] = uint8_t(x * 5 + y * 91);
        translateIndices(image, table);
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < rowBytes; ++x) {
                uint8_t was = uint8_t(x * 5 + y * 91);
                ASSERT_EQ(image.row(y)[x], x < width ? table[was] : was) << width << ": " << x << "," << y;
            }
    }
}

} // namespace
