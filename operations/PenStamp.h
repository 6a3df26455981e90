#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "operations/Tone.h"

class DIBImage;
class MaskImage;

// One dab of a pen: footprint (0 bits are ink) placed with its top-left corner at corner, clipped
// to the image. On each row only the first run of ink is painted (pen shapes are convex), in ink,
// through tone when one is given (anchored at the image's top-left corner). Answers the footprint's
// rectangle inside the image, empty when it lies wholly outside and nothing changed.
Rect penStamp(DIBImage& image, const MaskImage& footprint, Point corner, ColorRef ink, const ToneBytes* tone);
