#pragma once

#include "base/Color.h"
#include "core/Geometry.h"
#include "operations/Tone.h"

class DIBImage;
class MaskImage;

// One dab of a pen: footprint (0 bits are ink) placed with its top-left corner at corner, clipped
// to the image. On each row only the first run of ink is painted (pen shapes are convex), in ink,
// through tone when one is given (anchored at the image's top-left corner). Answers the footprint's
// rectangle inside the image, empty when it lies wholly outside and nothing changed.
Rect penStamp(DIBImage& image, const MaskImage& footprint, Point corner, ColorRef ink, const ToneBytes* tone);

// The dab of penStamp at every dot of the digital line from `from` to `to`, without `to`, with the
// footprint placed at dot + hotspot. Where the dabs overlap, each dot is written once, so a wide
// line costs the dots it covers rather than its dabs times the pen's area; the dots are the same
// as those of the dabs one after another. Answers the bounds of what it covered in the image.
Rect penLine(DIBImage& image, const MaskImage& footprint, Point hotspot, Point from, Point to, ColorRef ink,
             const ToneBytes* tone);
