#pragma once

#include "core/ToneBytes.h"

#include <cstddef>
#include <cstdint>

// Whether tone lets ink through at image dot (x, y). The pattern is anchored at the image's top-left
// corner, so a shape that moves keeps the same pattern under it.
constexpr bool toneLetsThrough(const ToneBytes& tone, int32_t x, int32_t y)
{
    return (tone[size_t(y & 7)] & (0x80 >> (x & 7))) == 0;
}

// No tone and the all-zero tone both paint every dot, and may fill whole runs at once.
constexpr bool isSolidTone(const ToneBytes* tone)
{
    return !tone || *tone == ToneBytes{};
}
