#pragma once

#include "core/Geometry.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <type_traits>

// Asks for the bytes of dots [x0, x1) of row y of mask ahead of their use. Masks keep their rows
// bottom first, so a walk down the rows runs backwards through memory, which the processor does
// not foresee across rows.
inline void prefetchMaskRow(const MaskImage& mask, int32_t y, int32_t x0, int32_t x1)
{
    if (y < 0 || y >= mask.height() || x0 >= x1)
        return;
    const uint8_t* row = mask.row(y);
    for (int32_t i = x0 >> 3; i <= (x1 - 1) >> 3; i += 64)
        __builtin_prefetch(row + i);
}

// Calls visit(y, x0, x1) for every run [x0, x1) of 1 bits of mask, placed at origin, that lies
// inside bounds, in image coordinates, row by row; a visit that answers true stops the walk there.
// Answers the part of bounds the mask covers, empty when the mask misses it.
template <class Visit>
Rect forEachMaskRun(const Rect& bounds, const MaskImage& mask, Point origin, Visit&& visit)
{
    constexpr bool stops = std::is_same_v<std::invoke_result_t<Visit&, int32_t, int32_t, int32_t>, bool>;
    Rect area = Rect::fromSize(origin, mask.extent()).intersected(bounds);
    if (area.isEmpty())
        return area;
    MaskImage::Runs runs;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        prefetchMaskRow(mask, y + 1 - origin.y, 0, mask.width());
        mask.rowRuns(y - origin.y, runs);
        for (auto [x0, x1] : runs) {
            int32_t left = std::max(x0 + origin.x, area.left), right = std::min(x1 + origin.x, area.right);
            if (left >= right)
                continue;
            if constexpr (stops) {
                if (visit(y, left, right))
                    return area;
            } else {
                visit(y, left, right);
            }
        }
    }
    return area;
}
