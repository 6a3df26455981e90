#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Swaps the first and third byte of each of count 3-byte pixels, in place or from one buffer into
// another: blue, green, red becomes red, green, blue and back. The loop is as fast as memory.
void swapRedAndBlue(const uint8_t* from, uint8_t* to, size_t count);

// Expands a row of packed 1 or 4-bit pixels in place into one byte per pixel, each through mapping.
// Packed pixels run from the most significant bits; the row must hold width bytes.
void expandPackedRow(uint8_t* row, int32_t width, int bits, const std::array<uint8_t, 256>& mapping);
