#include "palette/ChannelAdjust.h"
#include "palette/ColorMoves.h"
#include "palette/Gradation.h"
#include "palette/PaletteModel.h"
#include "palette/ToneShift.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace {

using EntryColors = std::vector<std::pair<int, ColorRef>>;

// A different colour in every entry, so that where a colour went can be read back from it.
ColorRef distinct(int i)
{
    return rgb(uint8_t(i), uint8_t(255 - i), uint8_t(i ^ 0x5A));
}

void fillDistinct(PaletteModel& palette)
{
    palette.reset();
    for (int i = 0; i < PaletteModel::size; ++i)
        palette.setColorAt(i, distinct(i));
}

std::vector<ColorRef> colorsOf(const PaletteModel& palette)
{
    std::vector<ColorRef> colors;
    for (int i = 0; i < PaletteModel::size; ++i)
        colors.push_back(palette.colorAt(i));
    return colors;
}

// Puts the palette at precision bits with the colours exactly as given, quantised or not, the way a
// restored block can leave them.
void restoreRaw(PaletteModel& palette, int precision, const EntryColors& colors)
{
    palette.reset();
    for (auto [entry, color] : colors)
        palette.setColorAt(entry, color);
    auto block = palette.snapshot();
    (*block)[0] = uint8_t(precision);
    palette.restore(block);
}

TEST(ChannelAdjustTest, StepsAreLevelsOfThePrecisionClampedThenQuantised)
{
    struct Row {
        int precision;
        ColorRef start;
        int mask;
        int delta;
        bool page;
        ColorRef expected;
    };
    const Row rows[] = {
        {3, rgb(0x24, 0, 0), redChannel, 1, false, rgb(0x49, 0, 0)},
        {3, rgb(0x24, 0, 0), redChannel, 1, true, rgb(0x6D, 0, 0)}, // a page is two levels
        {3, rgb(0x24, 0x49, 0xFF), allChannels, -1, false, rgb(0x00, 0x24, 0xDB)},
        {4, rgb(0x11, 0x11, 0x11), greenChannel, 1, false, rgb(0x11, 0x22, 0x11)},
        {4, rgb(0x11, 0x11, 0x11), blueChannel, 1, true, rgb(0x11, 0x11, 0x55)},
        {4, rgb(0x11, 0x11, 0x11), redChannel, -1, true, rgb(0x00, 0x11, 0x11)},
        {5, rgb(0xF8, 0, 0), redChannel, 1, false, rgb(0xFF, 0, 0)},
        {5, rgb(0, 0xF7, 0), redChannel | greenChannel, -1, false, rgb(0, 0xEF, 0)},
        {5, rgb(0, 0xF7, 0), greenChannel, 1, false, rgb(0, 0xFF, 0)},
        {5, rgb(0x84, 0, 0), redChannel, 1, true, rgb(0xC6, 0, 0)},
        {6, rgb(0x82, 0, 0), redChannel, 1, false, rgb(0x86, 0, 0)},
        {6, rgb(0x82, 0, 0), redChannel, 1, true, rgb(0xC3, 0, 0)},
        {8, rgb(10, 20, 30), redChannel | blueChannel, 1, false, rgb(11, 20, 31)},
        {8, rgb(100, 50, 0x40), allChannels, -1, true, rgb(36, 0, 0)},
    };
    const int entries[] = {3, 200};
    for (const Row& row : rows) {
        PaletteModel palette;
        restoreRaw(palette, row.precision, {{3, row.start}, {4, row.start}, {200, row.start}});
        if (row.page)
            adjustChannelsByPage(palette, entries, row.mask, row.delta);
        else
            adjustChannels(palette, entries, row.mask, row.delta);
        SCOPED_TRACE(testing::Message() << "precision " << row.precision << " start " << std::hex << row.start);
        EXPECT_EQ(palette.colorAt(3), row.expected);
        EXPECT_EQ(palette.colorAt(200), row.expected);
        EXPECT_EQ(palette.colorAt(4), row.start) << "an entry outside the selection keeps its colour";
    }
}

TEST(GradationTest, RampsOverTheSortedEntriesRoundingDown)
{
    struct Row {
        const char* name;
        std::vector<int> entries;
        EntryColors set;
        EntryColors expected; // every other entry keeps its colour
    };
    const Row rows[] = {
        {"selection order plays no part", {10, 2, 6}, {{2, rgb(0, 0, 0)}, {10, rgb(255, 0, 0)}}, {{6, rgb(127, 0, 0)}}},
        {"falling channels round towards minus infinity",
         {0, 1, 2, 3},
         {{0, rgb(10, 0, 50)}, {3, rgb(0, 10, 50)}},
         {{1, rgb(6, 3, 50)}, {2, rgb(3, 6, 50)}}},
        {"positions count, not entry distances",
         {100, 0, 1},
         {{0, rgb(0, 0, 0)}, {100, rgb(0, 0, 200)}},
         {{1, rgb(0, 0, 100)}}},
        {"two entries are no ramp", {4, 9}, {}, {}},
    };
    for (const Row& row : rows) {
        PaletteModel palette;
        fillDistinct(palette);
        for (auto [entry, color] : row.set)
            palette.setColorAt(entry, color);
        std::vector<ColorRef> expected = colorsOf(palette);
        for (auto [entry, color] : row.expected)
            expected[size_t(entry)] = color;
        gradation(palette, row.entries);
        EXPECT_EQ(colorsOf(palette), expected) << row.name;
    }
}

TEST(ColorMovesTest, MovesAndCopiesLandWhereTheDragSays)
{
    struct Row {
        const char* name;
        bool copy;
        std::vector<int> entries; // in selection order
        int d;
        std::vector<int> answered;
        std::vector<std::pair<int, int>> gets; // entry, the entry whose old colour it now holds
    };
    const Row rows[] = {
        {"overlapping move", false, {0, 1}, 1, {1, 2}, {{1, 0}, {2, 1}, {0, 2}}},
        {"selection order plays no part in a move", false, {1, 0}, 1, {1, 2}, {{1, 0}, {2, 1}, {0, 2}}},
        {"across the end of a row", false, {15, 16}, 1, {16, 17}, {{16, 15}, {17, 16}, {15, 17}}},
        {"one entry swaps with its neighbour", false, {5}, 1, {6}, {{6, 5}, {5, 6}}},
        {"a gapped selection", false, {6, 2, 4}, 2, {4, 6, 8}, {{4, 2}, {6, 4}, {8, 6}, {2, 8}}},
        {"displaced colours fill vacated places in order",
         false,
         {3, 10, 11},
         -1,
         {2, 9, 10},
         {{2, 3}, {3, 2}, {9, 10}, {10, 11}, {11, 9}}},
        {"a move off the top changes nothing", false, {5, 20}, -16, {5, 20}, {}},
        {"a move off the end changes nothing", false, {252, 250}, 4, {252, 250}, {}},
        {"an overlapping copy reads before it writes", true, {0, 1, 2}, 1, {1, 2, 3}, {{1, 0}, {2, 1}, {3, 2}}},
        {"a copy keeps the selection order", true, {20, 3}, 16, {36, 19}, {{36, 20}, {19, 3}}},
        {"a copy off the end changes nothing", true, {255}, 1, {255}, {}},
    };
    for (const Row& row : rows) {
        for (bool withRemap : {false, true}) {
            if (row.copy && withRemap)
                continue;
            SCOPED_TRACE(testing::Message() << row.name << (withRemap ? " with remap" : ""));
            PaletteModel palette;
            fillDistinct(palette);
            std::array<uint8_t, 256> remap;
            remap.fill(0x77);
            std::vector<int> answered = row.copy
                                            ? copyColors(palette, row.entries, row.d)
                                            : moveColors(palette, row.entries, row.d, withRemap ? &remap : nullptr);
            EXPECT_EQ(answered, row.answered);
            std::vector<ColorRef> expected;
            for (int i = 0; i < PaletteModel::size; ++i)
                expected.push_back(distinct(i));
            std::array<uint8_t, 256> expectedRemap;
            std::iota(expectedRemap.begin(), expectedRemap.end(), uint8_t(0));
            for (auto [entry, source] : row.gets) {
                expected[size_t(entry)] = distinct(source);
                expectedRemap[size_t(source)] = uint8_t(entry);
            }
            EXPECT_EQ(colorsOf(palette), expected);
            if (withRemap) {
                EXPECT_EQ(remap, expectedRemap);
            }
        }
    }
}

TEST(ColorMovesTest, AMoveLosesNoColourAndTheRemapFollowsEveryColour)
{
    std::mt19937 random(20240611);
    int landed = 0;
    for (int round = 0; round < 2000; ++round) {
        // Entries bunched in a window, so that moves by a few cells overlap their own selection.
        int base = int(random() % 220);
        std::vector<int> window(36);
        std::iota(window.begin(), window.end(), base);
        std::shuffle(window.begin(), window.end(), random);
        std::vector<int> entries(window.begin(), window.begin() + 1 + random() % 24);
        int d = int(random() % 61) - 30;

        PaletteModel palette;
        fillDistinct(palette);
        std::vector<ColorRef> before = colorsOf(palette);
        std::array<uint8_t, 256> remap;
        std::vector<int> answered = moveColors(palette, entries, d, &remap);
        std::vector<ColorRef> after = colorsOf(palette);
        SCOPED_TRACE(testing::Message() << "round " << round << " d " << d);

        std::vector<int> expectedAnswer = entries;
        if (landsInside(entries, d)) {
            ++landed;
            std::sort(expectedAnswer.begin(), expectedAnswer.end());
            for (int& e : expectedAnswer)
                e += d;
        }
        ASSERT_EQ(answered, expectedAnswer);
        for (int i = 0; i < PaletteModel::size; ++i)
            ASSERT_EQ(after[remap[size_t(i)]], before[size_t(i)]) << "entry " << i;
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        ASSERT_EQ(after, before);
    }
    EXPECT_GT(landed, 500) << "most rounds should move something";
}

TEST(ToneShiftTest, TurnsHueAndScalesSaturationAndValue)
{
    struct Row {
        const char* name;
        ColorRef in;
        ToneFactors f;
        ColorRef out;
    };
    const Row rows[] = {
        {"unchanged red", rgb(255, 0, 0), {}, rgb(255, 0, 0)},
        {"half a turn takes red to cyan", rgb(255, 0, 0), {.hueShift = 720}, rgb(0, 255, 255)},
        {"half a turn takes blue past red to yellow", rgb(0, 0, 255), {.hueShift = 720}, rgb(255, 255, 0)},
        {"half saturation pales red", rgb(255, 0, 0), {.saturationFactor = 128}, rgb(255, 127, 127)},
        {"green wins a tie with red", rgb(200, 200, 100), {}, rgb(200, 200, 100)},
        {"a tie turned 25 degrees", rgb(200, 200, 100), {.hueShift = 100}, rgb(158, 200, 100)},
        {"a tie turned 60 degrees", rgb(200, 200, 100), {.hueShift = 240}, rgb(100, 200, 100)},
        {"saturation is capped", rgb(200, 200, 100), {.saturationFactor = 512}, rgb(200, 200, 0)},
        {"green wins a tie with blue", rgb(50, 180, 180), {}, rgb(50, 180, 180)},
        {"all three at once", rgb(50, 180, 180), {-360, 200, 300}, rgb(151, 211, 92)},
        {"a hue just below red wraps round", rgb(255, 0, 100), {}, rgb(255, 0, 100)},
        {"half a step rounds away from zero", rgb(200, 40, 41), {.hueShift = 2}, rgb(200, 40, 40)},
        {"value is capped", rgb(128, 0, 0), {.valueFactor = 512}, rgb(255, 0, 0)},
        {"grey stays grey", rgb(90, 90, 90), {500, 512, 200}, rgb(70, 70, 70)},
        {"black stays black", rgb(0, 0, 0), {-720, 512, 512}, rgb(0, 0, 0)},
        {"white darkens to grey", rgb(255, 255, 255), {300, 128, 128}, rgb(128, 128, 128)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(shiftTone(row.in, row.f), row.out) << row.name;
}

TEST(ToneShiftTest, ApplyingStartsFromTheSnapshotAndQuantises)
{
    PaletteModel palette;
    palette.reset();
    palette.setColorAt(1, rgb(255, 0, 0));
    palette.setColorAt(2, rgb(200, 40, 41));
    palette.setColorAt(3, rgb(9, 9, 9));
    const PaletteModel::Snapshot from = *palette.snapshot();
    palette.setPrecision(5);
    EXPECT_EQ(snapshotColor(from, 1), rgb(255, 0, 0));
    EXPECT_EQ(snapshotColor(from, 256), rgb(0, 0, 0));
    EXPECT_EQ(snapshotColor(from, -1), rgb(0, 0, 0));

    const int entries[] = {1, 2};
    ColorRef untouched = palette.colorAt(3);
    applyTone(palette, from, entries, {.hueShift = 720});
    EXPECT_EQ(palette.colorAt(1), rgb(0, 255, 255));
    applyTone(palette, from, entries, {.hueShift = 2});
    EXPECT_EQ(palette.colorAt(1), rgb(255, 0, 0)) << "the turns do not add up";
    EXPECT_EQ(palette.colorAt(2), rgb(0xCE, 0x29, 0x29)) << "(200, 40, 40) at five bits";
    EXPECT_EQ(palette.colorAt(3), untouched);
}

TEST(ToneShiftTest, TrackbarPositionsMapToTheModelAndBack)
{
    const std::pair<int, int> huePositions[] = {{0, -720}, {720, 0}, {1440, 720}, {1500, 720}, {-5, -720}};
    for (auto [position, shift] : huePositions)
        EXPECT_EQ(hueShiftAt(position), shift) << position;
    EXPECT_EQ(huePosition(800), 1440);
    EXPECT_EQ(huePosition(-900), 0);

    const std::pair<int, int> factorPositions[] = {{0, 128},   {1, 128},   {254, 255}, {255, 255}, {256, 256},
                                                   {511, 511}, {512, 512}, {600, 512}, {-3, 128}};
    for (auto [position, factor] : factorPositions)
        EXPECT_EQ(factorAt(position), factor) << position;
    EXPECT_EQ(factorPosition(128), 0);
    EXPECT_EQ(factorPosition(200), 144);

    for (int shift = -720; shift <= 720; ++shift)
        ASSERT_EQ(hueShiftAt(huePosition(shift)), shift);
    for (int factor = 128; factor <= 512; ++factor)
        ASSERT_EQ(factorAt(factorPosition(factor)), factor);
}

} // namespace
