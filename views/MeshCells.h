#pragma once

#include "core/Geometry.h"

// How far the view moves to show the previous (direction -1) or next (+1) mesh cell from the one
// holding at: along the row, wrapping to the next or previous row and round the picture.
Point meshCellOffset(const Rect& picture, Point pitch, Point at, int direction);
