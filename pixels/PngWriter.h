#pragma once

#include "core/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Rows of dots to encode: 8-bit values on a table of blue, green, red and reserved bytes, or 24-bit
// dots in blue, green, red order. Row y is at top + y x stride; the stride may be negative, as in a
// bottom-up DIB.
struct PngRows {
    const uint8_t* top = nullptr;
    ptrdiff_t stride = 0;
    Point size;
    int depth = 8;
    std::span<const uint8_t> table;
};

// The rows as a PNG file: an 8-bit picture as a palette PNG with its values unchanged, a 24-bit one
// as RGB. Fast compression, since a copy of any size must be offered at once. Empty when the rows
// cannot be encoded (no room, a depth other than 8 or 24).
std::vector<uint8_t> encodePng(const PngRows& rows);
