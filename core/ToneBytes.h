#pragma once

#include <array>
#include <cstdint>

// An 8 x 8 pattern, one byte per row, bit 7 = column 0; a 0 bit lets ink through. All zero is solid.
using ToneBytes = std::array<uint8_t, 8>;
