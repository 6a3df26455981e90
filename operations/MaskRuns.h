#pragma once

#include "core/Geometry.h"
#include "framework/MaskImage.h"

#include <algorithm>

// Calls visit(y, x0, x1) for every run [x0, x1) of 1 bits of mask, placed at origin, that lies
// inside bounds, in image coordinates, row by row. Answers the part of bounds the mask covers,
// empty when the mask misses it.
template <class Visit>
Rect forEachMaskRun(const Rect& bounds, const MaskImage& mask, Point origin, Visit&& visit)
{
    Rect area = Rect::fromSize(origin, mask.extent()).intersected(bounds);
    if (area.isEmpty())
        return area;
    MaskImage::Runs runs;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        mask.rowRuns(y - origin.y, runs);
        for (auto [x0, x1] : runs) {
            int32_t left = std::max(x0 + origin.x, area.left), right = std::min(x1 + origin.x, area.right);
            if (left < right)
                visit(y, left, right);
        }
    }
    return area;
}
