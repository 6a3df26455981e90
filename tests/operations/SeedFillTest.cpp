#include "operations/SeedFill.h"

#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

#include <random>

namespace {

Dots filledDots(const FilledArea& area)
{
    return dotsOf(*area.dots, rgb(255, 255, 255));
}

struct SeedCase {
    const char* name;
    Dots mask; // '#' is a 1 bit
    Point start;
    Dots filled;
    Rect bounds;
};

const SeedCase seedCases[] = {
    {"one dot alone", {"...", ".#.", "..."}, {1, 1}, {"...", ".#.", "..."}, {1, 1, 2, 2}},
    {"checkerboard: diagonals do not connect",
     {"#.#.", ".#.#", "#.#.", ".#.#"},
     {1, 1},
     {"....", ".#..", "....", "...."},
     {1, 1, 2, 2}},
    {"a ring around a hole",
     {"#####", "#...#", "#.#.#", "#...#", "#####"},
     {4, 4},
     {"#####", "#...#", "#...#", "#...#", "#####"},
     {0, 0, 5, 5}},
    {"0 bits fill the hole, not beyond the ring",
     {"#####", "#...#", "#.#.#", "#...#", "#####"},
     {1, 1},
     {".....", ".###.", ".#.#.", ".###.", "....."},
     {1, 1, 4, 4}},
    // The run below starts left of the run above, and the left arm is reached only from it.
    {"a U entered by its right arm", {"#..#", "#..#", "####"}, {3, 0}, {"#..#", "#..#", "####"}, {0, 0, 4, 3}},
    {"an S reached up, then down, then up",
     {"####.", "...#.", "####.", "#....", "#####"},
     {4, 4},
     {"####.", "...#.", "####.", "#....", "#####"},
     {0, 0, 5, 5}},
    {"the start outside fills nothing", {"##", "##"}, {2, 0}, {"..", ".."}, {}},
};

TEST(SeedFillTest, FillsTheFourConnectedAreaOfTheStartsBit)
{
    for (const SeedCase& c : seedCases) {
        SCOPED_TRACE(c.name);
        FilledArea area = seedFill(*maskOf(c.mask), c.start);
        EXPECT_TRUE(area.complete);
        EXPECT_EQ(filledDots(area), c.filled);
        EXPECT_EQ(area.bounds, c.bounds);
    }
}

// The 4-connected area of start, dot by dot.
Dots referenceFill(const Dots& mask, Point start)
{
    Dots filled(mask.size(), std::string(mask[0].size(), '.'));
    char v = mask[size_t(start.y)][size_t(start.x)];
    std::vector<Point> pending{start};
    while (!pending.empty()) {
        Point p = pending.back();
        pending.pop_back();
        if (p.x < 0 || p.y < 0 || p.y >= int32_t(mask.size()) || p.x >= int32_t(mask[0].size()))
            continue;
        if (mask[size_t(p.y)][size_t(p.x)] != v || filled[size_t(p.y)][size_t(p.x)] == '#')
            continue;
        filled[size_t(p.y)][size_t(p.x)] = '#';
        pending.insert(pending.end(), {{p.x - 1, p.y}, {p.x + 1, p.y}, {p.x, p.y - 1}, {p.x, p.y + 1}});
    }
    return filled;
}

// Widths across the 32-dot words the runs are scanned in, at densities from sparse to solid.
TEST(SeedFillTest, AgreesWithADotByDotFillOnRandomMasks)
{
    std::mt19937 random(14);
    for (int32_t width : {1, 31, 32, 33, 64, 95}) {
        for (int percent : {30, 55, 60, 80}) {
            Dots mask(23, std::string(size_t(width), '.'));
            for (std::string& row : mask)
                for (char& dot : row)
                    dot = int(random() % 100) < percent ? '#' : '.';
            Point start{int32_t(random() % uint32_t(width)), int32_t(random() % 23)};
            SCOPED_TRACE(testing::Message()
                         << width << " wide, " << percent << "% set, from " << start.x << "," << start.y);
            FilledArea area = seedFill(*maskOf(mask), start);
            EXPECT_TRUE(area.complete);
            EXPECT_EQ(filledDots(area), referenceFill(mask, start));
        }
    }
}

// Far more runs wait at once than a fixed stack of 256 seeds held: the fill still completes.
TEST(SeedFillTest, CombsOfHundredsOfTeethFillWhole)
{
    const int32_t teeth = 700;
    Dots comb(6, std::string(size_t(2 * teeth - 1), '.'));
    comb[0].assign(comb[0].size(), '#');
    comb[5].assign(comb[5].size(), '#');
    for (size_t y = 1; y < 5; ++y)
        for (size_t x = 0; x < comb[y].size(); x += 2)
            comb[y][x] = '#';
    for (Point start : {Point{0, 0}, Point{2 * teeth - 2, 3}, Point{600, 5}}) {
        FilledArea area = seedFill(*maskOf(comb), start);
        EXPECT_TRUE(area.complete);
        EXPECT_EQ(filledDots(area), comb);
        EXPECT_EQ(area.bounds, (Rect{0, 0, 2 * teeth - 1, 6}));
    }
    Dots teethOnly(comb.begin() + 1, comb.end() - 1);
    EXPECT_EQ(filledDots(seedFill(*maskOf(teethOnly), {6, 2})), referenceFill(teethOnly, {6, 2})) << "one tooth alone";
}

} // namespace
