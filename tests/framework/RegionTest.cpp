#include "pixels/Region.h"
#include "framework/GraphicsContext.h"
#include "framework/WindowGC.h"
#include "framework/WindowSurface.h"
#include "pixels/MaskImage.h"

#include <gtest/gtest.h>

namespace {

// The dots of the region inside box, as text rows ('#' inside, '.' outside).
std::vector<std::string> picture(const Region& region, const Rect& box)
{
    std::vector<std::string> rows;
    for (int y = box.top; y < box.bottom; ++y) {
        std::string row;
        for (int x = box.left; x < box.right; ++x)
            row += region.contains({x, y}) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

std::shared_ptr<MaskImage> maskOf(const std::vector<std::string>& rows)
{
    auto mask = MaskImage::newMask({int32_t(rows[0].size()), int32_t(rows.size())});
    mask->clear(false);
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == '#')
                mask->setRun(int32_t(y), int32_t(x), int32_t(x) + 1);
    return mask;
}

TEST(RegionTest, RectanglesIncludeLeftAndTopOnly)
{
    Region region;
    EXPECT_TRUE(region.isEmpty());
    region.setRect({0, 0, 16, 16});
    EXPECT_EQ(region.bounds(), (Rect{0, 0, 16, 16}));
    EXPECT_TRUE(region.contains({15, 15}));
    EXPECT_FALSE(region.contains({16, 16}));
    EXPECT_TRUE(region.intersectsRect({15, 15, 20, 20}));
    EXPECT_FALSE(region.intersectsRect({16, 0, 20, 20}));
}

TEST(RegionTest, SetOperationsFollowTheirEmptyRules)
{
    Region region;
    region.unionRect({2, 2, 2, 9});
    EXPECT_TRUE(region.isEmpty()) << "an empty rectangle adds nothing";
    region.unionRect({0, 0, 4, 4});
    EXPECT_EQ(region.bounds(), (Rect{0, 0, 4, 4}));
    region.xorRect({2, 2, 6, 6});
    EXPECT_FALSE(region.contains({3, 3}));
    EXPECT_TRUE(region.contains({5, 5}));

    Region other;
    other.setRect({0, 0, 1, 1});
    region.unionRegion(other);
    region.subtract(other);
    EXPECT_FALSE(region.contains({0, 0}));
    Region nothing;
    region.subtract(nothing);
    EXPECT_TRUE(region.contains({1, 0}));

    Region copy;
    copy.copy(region);
    copy.subtract(copy);
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_FALSE(region.isEmpty()) << "a copy is independent";

    region.offset(10, 20);
    EXPECT_TRUE(region.contains({15, 25}));
    region.intersectRect({0, 0, 13, 100});
    EXPECT_EQ(region.bounds().right, 13);
    region.intersectRect({});
    EXPECT_TRUE(region.isEmpty());
}

TEST(RegionTest, SmallEllipsesStillHoldAllTheirDots)
{
    for (int size : {1, 2}) {
        Region region;
        region.setEllipse({5, 5, 5 + size, 5 + size});
        EXPECT_EQ(region.bounds(), (Rect{5, 5, 5 + size, 5 + size})) << size;
        for (int y = 5; y < 5 + size; ++y)
            for (int x = 5; x < 5 + size; ++x)
                EXPECT_TRUE(region.contains({x, y})) << size;
    }
    Region none;
    none.setEllipse({3, 3, 3, 8});
    EXPECT_TRUE(none.isEmpty());
}

TEST(RegionTest, AnEllipseIsSymmetricAndCutsItsCorners)
{
    Region region;
    region.setEllipse({0, 0, 9, 6});
    std::vector<std::string> rows = picture(region, {0, 0, 9, 6});
    EXPECT_EQ(region.bounds(), (Rect{0, 0, 9, 6}));
    EXPECT_EQ(rows[0][0], '.');
    EXPECT_EQ(rows[5][8], '.');
    EXPECT_EQ(rows[2], "#########");
    for (size_t y = 0; y < rows.size(); ++y) {
        EXPECT_EQ(rows[y], std::string(rows[y].rbegin(), rows[y].rend())) << y;
        EXPECT_EQ(rows[y], rows[rows.size() - 1 - y]) << y;
    }
}

TEST(RegionTest, MasksBecomeRegionsAtAnyScaleAndBack)
{
    const std::vector<std::string> dots = {"##..#####", ".........", "#.#.#.#.#", "####....."};
    auto mask = maskOf(dots);
    Region region;
    region.setFromMask(*mask, {1, 1});
    EXPECT_EQ(picture(region, {0, 0, 9, 4}), dots);

    auto back = region.toMask();
    Rect box = region.bounds();
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            EXPECT_EQ(back->isSet({x - box.left, y - box.top}), region.contains({x, y})) << x << "," << y;

    Region zoomed;
    zoomed.setFromMask(*mask, {2, 3});
    EXPECT_TRUE(zoomed.contains({3, 2}));
    EXPECT_FALSE(zoomed.contains({4, 0}));
    EXPECT_TRUE(zoomed.contains({17, 11}) == false && zoomed.contains({7, 11}));

    Region mirrored;
    mirrored.setFromMask(*mask, {-1, -1});
    EXPECT_EQ(mirrored.bounds(), (Rect{-9, -4, 0, 0}));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(mirrored.contains({-1 - x, -1 - y}), dots[size_t(y)][size_t(x)] == '#') << x << "," << y;
}

TEST(RegionTest, PolygonsFillByTheWindingRule)
{
    // A pentagram drawn in one stroke: the winding rule fills its centre too.
    const Point star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    Region region;
    region.setPolygon(star, 5);
    EXPECT_TRUE(region.contains({10, 10}));
    EXPECT_FALSE(region.contains({1, 1}));
}

TEST(RegionTest, FillAndFramePaintTheRegionOnly)
{
    Region region;
    region.setRect({1, 1, 7, 7});
    WindowSurface surface({8, 8});
    {
        WindowGC gc(surface);
        gc.fillRect({0, 0, 8, 8}, rgb(0, 0, 0));
        gc.frameRegion(region, Brush::solid(rgb(255, 0, 0)), 2);
    }
    EXPECT_EQ(surface.pixelAt({1, 1}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({2, 2}), rgb(255, 0, 0));
    EXPECT_EQ(surface.pixelAt({3, 3}), rgb(0, 0, 0)) << "the band is two dots wide";
    EXPECT_EQ(surface.pixelAt({0, 0}), rgb(0, 0, 0));
    {
        WindowGC gc(surface);
        gc.fillRegion(region, Brush::solid(rgb(0, 0, 255)));
    }
    EXPECT_EQ(surface.pixelAt({3, 3}), rgb(0, 0, 255));
    EXPECT_EQ(surface.pixelAt({7, 7}), rgb(0, 0, 0));
}

} // namespace
