#pragma once

#include <array>
#include <cstdint>

// Expands a row of packed 1 or 4-bit pixels in place into one byte per pixel, each through mapping.
// Packed pixels run from the most significant bits; the row must hold width bytes.
void expandPackedRow(uint8_t* row, int32_t width, int bits, const std::array<uint8_t, 256>& mapping);
