#pragma once

#include "core/Geometry.h"

#include <array>
#include <cstdint>

class DIBImage;
class MaskImage;

// Replaces every value of an 8-bit image by its entry in table, in place.
void translateIndices(DIBImage& image, const std::array<uint8_t, 256>& table);

// Replaces the values of an 8-bit image under the 1 bits of mask, placed at origin, by their entries
// in table, run by run. Answers the part of the image the mask covers.
Rect translateIndicesUnder(DIBImage& image, const MaskImage& mask, Point origin, const std::array<uint8_t, 256>& table);
