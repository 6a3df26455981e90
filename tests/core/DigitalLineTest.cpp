#include "core/DigitalLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

std::ostream& operator<<(std::ostream& out, const Point& p)
{
    return out << "(" << p.x << ", " << p.y << ")";
}

namespace {

std::vector<Point> lineDots(Point from, Point to)
{
    std::vector<Point> dots;
    forEachLineDot(from, to, [&](Point p) { dots.push_back(p); });
    return dots;
}

struct LineCase {
    Point from;
    Point to;
    std::vector<Point> dots;
};

TEST(DigitalLineTest, StartsAtTheFirstDotAndStopsBeforeTheLast)
{
    const LineCase cases[] = {
        {{3, 3}, {3, 3}, {}},
        {{0, 0}, {1, 0}, {{0, 0}}},
        {{0, 0}, {3, 0}, {{0, 0}, {1, 0}, {2, 0}}},
        {{2, 5}, {2, 2}, {{2, 5}, {2, 4}, {2, 3}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {{0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {{-1, -1}, {-2, 3}, {{-1, -1}, {-1, 0}, {-2, 1}, {-2, 2}}},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(lineDots(c.from, c.to), c.dots) << c.from << " to " << c.to;
}

// Across and down, each way: the rectangle holds exactly the dots of the walk.
TEST(DigitalLineTest, AStraightLineIsTheRectangleOfItsDots)
{
    for (Point to : {Point{7, 2}, Point{-3, 2}, Point{2, 9}, Point{2, -4}, Point{2, 2}}) {
        std::vector<Point> inside;
        Rect r = straightLineDots({2, 2}, to);
        for (int32_t y = r.top; y < r.bottom; ++y)
            for (int32_t x = r.left; x < r.right; ++x)
                inside.push_back({x, y});
        std::vector<Point> walked = lineDots({2, 2}, to);
        std::sort(walked.begin(), walked.end(), [](Point a, Point b) {
            return std::pair{a.y, a.x} < std::pair{b.y, b.x};
        });
        EXPECT_EQ(inside, walked) << to;
    }
}

TEST(DigitalLineTest, StepsOneDotAlongTheMajorAxisAndEndsNextToTheLastDot)
{
    for (int dx = -9; dx <= 9; ++dx)
        for (int dy = -9; dy <= 9; ++dy) {
            Point from{4, -7}, to{from.x + dx, from.y + dy};
            std::vector<Point> dots = lineDots(from, to);
            ASSERT_EQ(int(dots.size()), std::max(std::abs(dx), std::abs(dy))) << to;
            if (dots.empty())
                continue;
            dots.push_back(to);
            for (size_t i = 1; i < dots.size(); ++i) {
                int stepX = std::abs(dots[i].x - dots[i - 1].x), stepY = std::abs(dots[i].y - dots[i - 1].y);
                EXPECT_EQ(std::max(stepX, stepY), 1) << "dot " << i << " of the line to " << to;
                EXPECT_EQ(std::abs(dx) >= std::abs(dy) ? stepX : stepY, 1) << "dot " << i << " of the line to " << to;
            }
        }
}

TEST(DigitalLineTest, TheEightOctantsAreMirrorImagesOfTheFirst)
{
    const std::function<Point(Point)> mirrors[] = {
        [](Point p) { return Point{-p.x, p.y}; },  [](Point p) { return Point{p.x, -p.y}; },
        [](Point p) { return Point{-p.x, -p.y}; }, [](Point p) { return Point{p.y, p.x}; },
        [](Point p) { return Point{-p.y, p.x}; },  [](Point p) { return Point{p.y, -p.x}; },
        [](Point p) { return Point{-p.y, -p.x}; },
    };
    for (int dx = 1; dx <= 12; ++dx)
        for (int dy = 0; dy <= dx; ++dy) {
            std::vector<Point> first = lineDots({0, 0}, {dx, dy});
            for (size_t m = 0; m < std::size(mirrors); ++m) {
                std::vector<Point> mirrored;
                for (Point p : first)
                    mirrored.push_back(mirrors[m](p));
                EXPECT_EQ(lineDots({0, 0}, mirrors[m]({dx, dy})), mirrored)
                    << "mirror " << m << " of " << Point{dx, dy};
            }
        }
}

} // namespace
