#pragma once

#include "core/Geometry.h"

class BitmapDocument;

// The widest line, in dots.
constexpr int32_t maxLineWidth = 99;

// A straight line as the line tool draws it: a square pen width dots wide in the drawing tone,
// from start to end with both ends, as one undo step of its own.
void drawStraightLine(BitmapDocument& document, Point start, Point end, int32_t width);
