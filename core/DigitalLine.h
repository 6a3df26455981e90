#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

// Calls visit(dot) for each dot of the digital line from `from` to `to`: one dot per step along the
// major axis, `from` included and `to` excluded, so that lines joined end to start draw each dot
// once. The minor coordinate is the exact one rounded half away from `from`, which makes the eight
// octants mirror images of one another. A line from a dot to itself visits nothing.
template <class Visit>
void forEachLineDot(Point from, Point to, Visit&& visit)
{
    const int64_t dx = int64_t(to.x) - from.x, dy = int64_t(to.y) - from.y;
    const int64_t ax = std::llabs(dx), ay = std::llabs(dy);
    const bool xMajor = ax >= ay;
    const int64_t steps = xMajor ? ax : ay, minor = xMajor ? ay : ax;
    const int32_t sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    // The minor offset of step i is (2 i minor + steps) div (2 steps), kept as a running remainder so
    // that a step costs two additions and a comparison.
    int64_t remainder = steps;
    int32_t offset = 0;
    for (int64_t i = 0; i < steps; ++i) {
        const int32_t along = int32_t(i);
        visit(xMajor ? Point{from.x + sx * along, from.y + sy * offset}
                     : Point{from.x + sx * offset, from.y + sy * along});
        remainder += 2 * minor;
        if (remainder >= 2 * steps) {
            remainder -= 2 * steps;
            ++offset;
        }
    }
}

// The dots of a line across or down (from and to share a row or a column) as the rectangle they fill:
// the dots forEachLineDot visits, found without the walk. Empty for a line from a dot to itself.
inline Rect straightLineDots(Point from, Point to)
{
    auto span = [](int32_t a, int32_t b) { return a <= b ? std::pair{a, b} : std::pair{b + 1, a + 1}; };
    if (from.x == to.x) {
        auto [top, bottom] = span(from.y, to.y);
        return {from.x, top, from.x + 1, bottom};
    }
    auto [left, right] = span(from.x, to.x);
    return {left, from.y, right, from.y + 1};
}
