#include "operations/ImagePaste.h"

#include "base/ErrorFrame.h"
#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

namespace {

struct CopyCase {
    const char* name;
    Point at;
    Dots expected; // the source below pasted on a 4 x 3 picture
    Rect changed;
};

const Dots copySource{"#.#", ".##"};

const CopyCase copyCases[] = {
    {"inside", {1, 0}, {".#.#", "..##", "...."}, {1, 0, 4, 2}},
    {"clipped at the top left", {-1, -1}, {"##..", "....", "...."}, {0, 0, 2, 1}},
    {"clipped at the bottom right", {2, 2}, {"....", "....", "..#."}, {2, 2, 4, 3}},
    {"a miss changes nothing", {4, 0}, {"....", "....", "...."}, {}},
};

TEST(ImagePasteTest, SameDepthImagesAreCopiedClipped)
{
    for (const CopyCase& c : copyCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            auto source = makePicture(depth, {3, 2});
            paint(*source, copySource, depth.ink);
            auto target = makePicture(depth, {4, 3});
            EXPECT_EQ(imagePaste(*target, *source, c.at), c.changed);
            EXPECT_EQ(dotsOf(*target, depth.ink), c.expected);
        }
}

TEST(ImagePasteTest, IndicesAreCopiedAsTheyAreWhateverTheirColours)
{
    IndexedImage source(greyPalette()), target(std::make_shared<LogicalPalette>());
    source.create({1, 1});
    source.row(0)[0] = 5;
    target.create({1, 1});
    imagePaste(target, source, {0, 0});
    EXPECT_EQ(target.row(0)[0], 5);
}

struct IndexToColor {
    uint8_t index;
    ColorRef color;
};

TEST(ImagePasteTest, AnIndexedSourceGivesAFullColourPictureItsPaletteColours)
{
    const IndexToColor rows[] = {{0, rgb(0, 0, 0)},
                                 {5, rgb(85, 85, 85)},
                                 {15, rgb(255, 255, 255)},
                                 {200, rgb(0, 0, 0)} /* beyond the palette */};
    IndexedImage source(greyPalette());
    source.create({int32_t(std::size(rows)), 1});
    for (size_t i = 0; i < std::size(rows); ++i)
        source.row(0)[i] = rows[i].index;
    auto target = makePicture(depths[1], {6, 2});
    EXPECT_EQ(imagePaste(*target, source, {1, 1}), (Rect{1, 1, 5, 2}));
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(target->pixelAt({int32_t(i) + 1, 1}), rows[i].color) << "index " << int(rows[i].index);
    EXPECT_EQ(target->pixelAt({0, 1}), rgb(255, 255, 255));
    EXPECT_EQ(target->pixelAt({1, 0}), rgb(255, 255, 255));
}

TEST(ImagePasteTest, AFullColourSourceTakesTheNearestEntriesOfAnIndexedPicture)
{
    const IndexToColor rows[] = {
        {15, rgb(250, 250, 250)}, {5, rgb(90, 80, 85)}, {0, rgb(0, 0, 0)}, {1, rgb(8, 9, 9)}, {15, rgb(250, 250, 250)}};
    TrueColorImage source;
    source.create({int32_t(std::size(rows)), 1});
    for (size_t i = 0; i < std::size(rows); ++i)
        source.fillRun(source.row(0) + 3 * i, rows[i].color, 1);
    auto target = makePicture(depths[0], {5, 1});
    EXPECT_EQ(imagePaste(*target, source, {0, 0}), (Rect{0, 0, 5, 1}));
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(target->row(0)[i], rows[i].index) << "colour " << std::hex << rows[i].color;
}

TEST(ImagePasteTest, AMaskIsNoPicture)
{
    auto target = makePicture(depths[0], {2, 2});
    EXPECT_THROW(imagePaste(*target, *maskOf({"##"}), {0, 0}), RaisedError);
}

} // namespace
