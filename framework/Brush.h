#pragma once

#include "base/Color.h"

#include <array>
#include <cstdint>

// A solid colour, or an 8 x 8 pattern (one byte per row, top row first, bit 7 = column 0) painted in
// ink where a bit is 0 and in paper where it is 1.
struct Brush {
    ColorRef ink = rgb(255, 255, 255);
    ColorRef paper = rgb(255, 255, 255);
    std::array<uint8_t, 8> pattern{};

    static Brush solid(ColorRef color) { return {color, color, {}}; }
    static Brush patterned(const std::array<uint8_t, 8>& rows, ColorRef ink, ColorRef paper)
    {
        return {ink, paper, rows};
    }
    bool isSolid() const { return ink == paper; }
};

// A line pen: width 1 draws one-dot lines.
struct GraphicsPen {
    ColorRef color = rgb(0, 0, 0);
    int width = 1;
};
