#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <array>

class DIBImage;
class MaskImage;

// The masks a bucket fill spreads over. Each clears bits of mask, placed at origin over image, in
// one pass over its rows; the dots outside the image are always cleared, so a fill never reads
// beyond the picture.

// Keeps the dots that have exactly colour c: the same index in an 8-bit image, the same three
// bytes in a full-colour one.
void keepSameColor(MaskImage& mask, Point origin, const DIBImage& image, ColorRef c);
// Keeps the dots that do not have colour c, compared as keepSameColor does: the shapes drawn on a
// ground of c.
void keepOtherColors(MaskImage& mask, Point origin, const DIBImage& image, ColorRef c);

// One flag per palette index: whether the index is a border colour.
using BorderFlags = std::array<bool, 256>;

// Keeps the dots of an 8-bit image whose index is not a border colour; any other depth is refused
// with the quiet error.
void keepInsideBorders(MaskImage& mask, Point origin, const DIBImage& image, const BorderFlags& borders);
