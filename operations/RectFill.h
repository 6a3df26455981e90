#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

class DIBImage;

// Sets the dots of rect (clipped to the image) to c. Answers the clipped rectangle, empty when rect
// misses the image and nothing changed.
Rect rectFill(DIBImage& image, const Rect& rect, ColorRef c);
