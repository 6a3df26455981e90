#pragma once

#include <array>
#include <cstdint>

class DIBImage;

// Replaces every value of an 8-bit image by its entry in table, in place.
void translateIndices(DIBImage& image, const std::array<uint8_t, 256>& table);
