#pragma once

#include "core/Geometry.h"

#include <optional>

// How far one press of a direction key moves a selection on each axis: a unit, 8 units with Shift,
// or with Ctrl a mesh cell reduced to a multiple of the unit (never less than one unit), so that
// tiles can be stepped through.
Point nudgeStep(Point unit, std::optional<Point> meshSize, bool shift, bool control);
