#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

class DIBImage;
class MaskImage;

// Sets the dots of image where mask, placed at origin, has 1 bits to c0 where x + y is even and to
// c1 where it is odd, in image coordinates. Answers the part of the image the mask covers, empty
// when it misses the image and nothing changed.
Rect checkerFill(DIBImage& image, const MaskImage& mask, Point origin, ColorRef c0, ColorRef c1);
