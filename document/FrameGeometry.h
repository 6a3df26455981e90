#pragma once

#include "core/Geometry.h"

#include <cstdint>

// How many frames fit across and down a picture; a frame larger than the picture is cut to it, so
// there is always at least one each way.
struct FrameGrid {
    int32_t framesAcross = 1;
    int32_t framesDown = 1;
};

FrameGrid frameGrid(Point frameSize, Point imageSize);

// Where frame lies in the picture. Frames run along the rows from the top-left, the dots left over at
// the right and bottom belong to none, and frame numbers past the grid wrap back to the top-left.
Rect frameRect(int32_t frame, Point frameSize, Point imageSize);
