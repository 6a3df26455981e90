#include "pixels/Region.h"

#include <gtest/gtest.h>

namespace {

// An L of two rectangles with a hole beside it, placed away from the origin.
Region ell()
{
    Region region;
    region.setRect({5, 7, 8, 12});
    region.unionRect({5, 10, 12, 12});
    region.unionRect({10, 7, 12, 8});
    return region;
}

TEST(RegionTest, MirrorsAndQuarterTurnsKeepTheBoundsCornerAndMoveEveryDot)
{
    const Region original = ell();
    const Rect box = original.bounds();
    ASSERT_EQ(box, (Rect{5, 7, 12, 12}));
    int32_t w = box.width(), h = box.height();
    struct Row {
        const char* what;
        Region turned;
        Point size;
        // The dot of the original that lands on (x, y) of the turned region's box.
        Point (*from)(Point p, int32_t w, int32_t h);
    };
    const Row rows[] = {
        {"mirrored across",
         original.mirrored(true, false),
         {w, h},
         [](Point p, int32_t w, int32_t) {
             return Point{w - 1 - p.x, p.y};
         }},
        {"mirrored down",
         original.mirrored(false, true),
         {w, h},
         [](Point p, int32_t, int32_t h) {
             return Point{p.x, h - 1 - p.y};
         }},
        {"mirrored both ways",
         original.mirrored(true, true),
         {w, h},
         [](Point p, int32_t w, int32_t h) {
             return Point{w - 1 - p.x, h - 1 - p.y};
         }},
        {"turned clockwise",
         original.quarterTurned(true),
         {h, w},
         [](Point p, int32_t, int32_t h) {
             return Point{p.y, h - 1 - p.x};
         }},
        {"turned counter-clockwise",
         original.quarterTurned(false),
         {h, w},
         [](Point p, int32_t w, int32_t) {
             return Point{w - 1 - p.y, p.x};
         }},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.turned.bounds(), Rect::fromSize(box.topLeft(), row.size)) << row.what;
        for (int32_t y = 0; y < row.size.y; ++y)
            for (int32_t x = 0; x < row.size.x; ++x) {
                Point from = row.from({x, y}, w, h);
                EXPECT_EQ(row.turned.contains({box.left + x, box.top + y}),
                          original.contains({box.left + from.x, box.top + from.y}))
                    << row.what << " at " << x << ", " << y;
            }
    }
    EXPECT_TRUE(original.mirrored(true, true).mirrored(true, true) == original);
    EXPECT_TRUE(original.quarterTurned(true).quarterTurned(false) == original);
    EXPECT_TRUE(Region().quarterTurned(true).isEmpty());
}

} // namespace
