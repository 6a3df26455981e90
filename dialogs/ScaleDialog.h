#pragma once

#include "core/Geometry.h"

#include <optional>

// SCALE_DIALOG: the width and height to scale the selection to, each 1 to 10000 dots, starting at
// current; nothing when cancelled.
std::optional<Point> runScaleDialog(Point current);
