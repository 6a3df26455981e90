#pragma once

#include "core/Geometry.h"

// The dot-grid corner nearest to a window pixel, given as pixels from the picture's top-left corner,
// snapped to the nearest multiple of unit (halves go up). Lassos and frames take their points here.
constexpr Point nearestGridCorner(Point pixel, int32_t zoom, Point unit)
{
    auto snap = [](int32_t v, int32_t step) { return floorDiv(2 * v + step, 2 * step) * step; };
    return {snap(snap(pixel.x, zoom) / zoom, unit.x), snap(snap(pixel.y, zoom) / zoom, unit.y)};
}
