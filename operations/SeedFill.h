#pragma once

#include "core/Geometry.h"

#include <memory>

class MaskImage;

// The dots a seed fill reached: a mask of the same size as the one filled with 1 for every dot
// filled, their bounding rectangle, and whether the fill ran to its end.
struct FilledArea {
    std::shared_ptr<MaskImage> dots;
    Rect bounds;
    bool complete = true;
};

// The 4-connected area of the dots of mask that have the bit of start, found run by run: each run
// is claimed when its first dot is queued, so no run is queued twice and the queue never holds more
// runs than the mask has. The queue grows as needed; the fill stops incomplete only when there is
// no room for it to grow. A start outside the mask fills nothing.
FilledArea seedFill(const MaskImage& mask, Point start);
