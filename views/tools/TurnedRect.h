#pragma once

#include "core/Geometry.h"
#include "views/tools/AdjustableFrame.h"

#include <array>

// A rectangle turned about its centre by an angle in radians, clockwise on the screen (y grows
// downward), as rotating with the mouse shows it and its handles follow it.

// Where the point of rect that handle names (a corner, or the middle of a side) comes to, to the
// nearest pixel, when the rectangle through the centres of rect's edge pixels turns by angle.
Point turnedHandlePoint(const Rect& rect, FrameHandle handle, double angle);
// The corners of the same turned rectangle: top-left, top-right, bottom-right, bottom-left.
std::array<Point, 4> turnedCorners(const Rect& rect, double angle);
// Whether the centre of dot lies in rect turned by angle.
bool insideTurned(const Rect& rect, double angle, Point dot);
// The turn that brings corner of rect onto the line from rect's centre to pointer: the pointer's
// direction less the corner's own one before any turn, in (-pi, pi].
double cornerTurn(const Rect& rect, FrameHandle corner, Point pointer);
