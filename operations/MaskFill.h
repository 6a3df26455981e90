#pragma once

#include "base/Color.h"
#include "core/Geometry.h"
#include "operations/Tone.h"

class DIBImage;
class MaskImage;

// Sets the dots of image where mask, placed at origin, has 1 bits to c, through tone when one is
// given (anchored at the image's top-left corner). Answers the part of the image the mask covers,
// empty when it misses the image and nothing changed.
Rect maskFill(DIBImage& image, const MaskImage& mask, Point origin, ColorRef c, const ToneBytes* tone);

// Whether maskFill with the same arguments would change any dot; it stops at the first such dot.
bool maskFillChanges(const DIBImage& image, const MaskImage& mask, Point origin, ColorRef c, const ToneBytes* tone);
