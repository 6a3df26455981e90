#include "operations/PenStamp.h"

#include "core/DigitalLine.h"
#include "pixels/MaskImage.h"
#include "resources/Bitmaps.h"
#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct StampCase {
    const char* name;
    Dots footprint; // '#' is ink
    Point corner;
    std::optional<ToneBytes> tone;
    Point size;
    Dots expected;
    Rect changed;
};

const StampCase stampCases[] = {
    {"solid square inside", {"##", "##"}, {1, 1}, {}, {4, 3}, {"....", ".##.", ".##."}, {1, 1, 3, 3}},
    {"partly outside, top left", {"###", "###", "###"}, {-1, -2}, {}, {4, 3}, {"##..", "....", "...."}, {0, 0, 2, 1}},
    {"partly outside, bottom right", {"###", "###"}, {2, 2}, {}, {4, 3}, {"....", "....", "..##"}, {2, 2, 4, 3}},
    {"wholly outside", {"##", "##"}, {4, 0}, {}, {4, 3}, {"....", "....", "...."}, {}},
    {"only the first ink run of a row",
     {"#.#.", ".#.#", "..##"},
     {0, 0},
     {},
     {4, 3},
     {"#...", ".#..", "..##"},
     {0, 0, 4, 3}},
    {"clipping cuts into the leading gap", {"..##.#"}, {-1, 0}, {}, {6, 1}, {".##..."}, {0, 0, 5, 1}},
    {"clipping starts inside the ink", {"..####", "####.."}, {-3, 0}, {}, {4, 2}, {"###.", "#..."}, {0, 0, 3, 2}},
    {"wide rows skip whole bytes",
     {"..........########..", "####################"},
     {0, 0},
     {},
     {20, 2},
     {"..........########..", "####################"},
     {0, 0, 20, 2}},
    {"all-zero tone is solid", {"###"}, {0, 0}, ToneBytes{}, {3, 1}, {"###"}, {0, 0, 3, 1}},
    // Tone row 0 = 0x55 blocks odd columns on rows 0 and 8 only; the other rows are solid.
    {"tone row 0 of 0x55",
     {"########", "########", "########", "########", "########", "########", "########", "########", "########"},
     {0, 0},
     ToneBytes{0x55},
     {8, 9},
     {"#.#.#.#.", "########", "########", "########", "########", "########", "########", "########", "#.#.#.#."},
     {0, 0, 8, 9}},
    // The tone follows the image's grid: a pen one dot to the right still paints the even columns.
    {"tone anchored to the image",
     {"#####", "#####"},
     {1, 0},
     ToneBytes{0x55},
     {7, 2},
     {"..#.#..", ".#####."},
     {1, 0, 6, 2}},
    {"tone anchored to the image's rows",
     {"###", "###"},
     {0, 1},
     ToneBytes{0x80, 0x40},
     {3, 3},
     {"...", "#.#", "###"},
     {0, 1, 3, 3}},
};

TEST(PenStampTest, StampsTheFirstInkRunOfEachRowClippedAndThroughTheTone)
{
    for (const StampCase& c : stampCases)
        for (const Depth& depth : depths) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << depth);
            auto image = makePicture(depth, c.size);
            auto footprint = maskOf(c.footprint, '.');
            Rect changed = penStamp(*image, *footprint, c.corner, depth.ink, c.tone ? &*c.tone : nullptr);
            EXPECT_EQ(changed, c.changed);
            EXPECT_EQ(dotsOf(*image, depth.ink), c.expected);
        }
}

TEST(PenStampTest, TheDiscPenCentredOnACornerPaintsItsLowerRightQuarter)
{
    // The 4 x 4 disc with its hotspot (-2, -2) stamped at (0, 0).
    auto disc = MaskImage::maskFromResource(bitmaps::firstPenShape + 2);
    for (const Depth& depth : depths) {
        SCOPED_TRACE(depth);
        auto image = makePicture(depth, {4, 3});
        EXPECT_EQ(penStamp(*image, *disc, {-2, -2}, depth.ink, nullptr), (Rect{0, 0, 2, 2}));
        EXPECT_EQ(dotsOf(*image, depth.ink), (Dots{"##..", "#...", "...."})) << "the disc's cut corner stays";
    }
}

TEST(PenStampTest, FullColourInkIsWrittenAsBlueGreenRedBytes)
{
    auto image = makePicture(depths[1], {3, 1});
    auto footprint = maskOf({"#"}, '.');
    penStamp(*image, *footprint, {1, 0}, rgb(0x30, 0x20, 0x10), nullptr);
    const uint8_t* row = image->row(0);
    EXPECT_EQ(std::vector<uint8_t>(row, row + 9),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x10, 0x20, 0x30, 0xFF, 0xFF, 0xFF}));
}

TEST(PenStampTest, IndexedInkIsThePaletteIndex)
{
    auto image = makePicture(depths[0], {2, 1});
    auto footprint = maskOf({"##"}, '.');
    penStamp(*image, *footprint, {0, 0}, paletteIndex(200), nullptr);
    EXPECT_EQ(image->row(0)[0], 200);
    EXPECT_EQ(image->row(0)[1], 200);
}

// A line painted at once must leave exactly the dots of its dabs stamped one after another, for
// every pen shape, lines in all octants and partly off the picture, tones and both depths.
TEST(PenLineTest, PaintsWhatTheDabsOneAfterAnotherPaint)
{
    struct Line {
        Point from, to;
    };
    const Line lines[] = {{{2, 3}, {27, 9}},  {{27, 9}, {2, 3}},    {{5, 1}, {8, 30}},
                          {{20, 25}, {3, 2}}, {{-6, 4}, {40, 4}},   {{10, -8}, {10, 40}},
                          {{0, 0}, {1, 1}},   {{12, 12}, {12, 12}}, {{-30, -30}, {-2, -2}}};
    std::vector<std::shared_ptr<MaskImage>> pens;
    for (int id = bitmaps::firstPenShape; findBitmap(id); ++id)
        pens.push_back(MaskImage::maskFromResource(id));
    pens.push_back(maskOf({"#####", "#####", "#####"}));
    const ToneBytes checker{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    for (const Depth& depth : depths)
        for (const auto& pen : pens)
            for (const Line& line : lines)
                for (const ToneBytes* tone : {static_cast<const ToneBytes*>(nullptr), &checker}) {
                    SCOPED_TRACE(testing::Message() << depth << ", pen " << pen->width() << " x " << pen->height()
                                                    << ", from " << line.from.x << "," << line.from.y << " to "
                                                    << line.to.x << "," << line.to.y << (tone ? ", toned" : ""));
                    Point hotspot{-(pen->width() / 2), -(pen->height() / 2)};
                    auto dabs = makePicture(depth, {30, 32});
                    Rect expected;
                    forEachLineDot(line.from, line.to, [&](Point dot) {
                        expected = expected.united(
                            penStamp(*dabs, *pen, {dot.x + hotspot.x, dot.y + hotspot.y}, depth.ink, tone));
                    });
                    auto once = makePicture(depth, {30, 32});
                    Rect changed = penLine(*once, *pen, hotspot, line.from, line.to, depth.ink, tone);
                    EXPECT_EQ(dotsOf(*once, depth.ink), dotsOf(*dabs, depth.ink));
                    // The rectangle holds every painted dot and nothing beyond the dabs' rectangles.
                    Dots painted = dotsOf(*once, depth.ink);
                    for (int32_t y = 0; y < 32; ++y)
                        for (int32_t x = 0; x < 30; ++x) {
                            if (painted[size_t(y)][size_t(x)] == '#') {
                                EXPECT_TRUE(changed.contains({x, y})) << x << "," << y;
                            }
                        }
                    if (!changed.isEmpty()) {
                        EXPECT_EQ(changed.intersected(expected), changed);
                    }
                }
}

} // namespace
