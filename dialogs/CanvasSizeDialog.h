#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <optional>

// A new canvas: its size, and the anchor where the picture keeps its place, 0 to 8 row by row from
// the top-left.
struct CanvasChoice {
    Point size;
    int32_t anchor = 4;
};

// CANVAS_SIZE_DIALOG: the picture's new width and height, 1 to 10000 dots each, starting at
// current, and the anchor, starting at the centre; nothing when cancelled.
std::optional<CanvasChoice> runCanvasSizeDialog(Point current);
