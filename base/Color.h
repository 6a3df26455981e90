#pragma once

#include <cstdint>

// A colour value: either an RGB colour 0x00BBGGRR (red in the low byte) or a palette-index
// reference 0x01000000 + entry number.
using ColorRef = uint32_t;

constexpr ColorRef paletteIndexFlag = 0x01000000;

constexpr ColorRef rgb(uint8_t red, uint8_t green, uint8_t blue)
{
    return ColorRef(red) | ColorRef(green) << 8 | ColorRef(blue) << 16;
}
constexpr ColorRef paletteIndex(uint8_t index)
{
    return paletteIndexFlag | index;
}
constexpr bool isPaletteIndex(ColorRef c)
{
    return (c & 0xFF000000) == paletteIndexFlag;
}
constexpr uint8_t redOf(ColorRef c)
{
    return uint8_t(c);
}
constexpr uint8_t greenOf(ColorRef c)
{
    return uint8_t(c >> 8);
}
constexpr uint8_t blueOf(ColorRef c)
{
    return uint8_t(c >> 16);
}
// How bright a colour looks, 0 to 255.
constexpr int brightness(ColorRef c)
{
    return (redOf(c) * 299 + greenOf(c) * 587 + blueOf(c) * 114 + 500) / 1000;
}
// What shows on c, a frame or a label: black from brightness 128 up, white below.
constexpr ColorRef inkOn(ColorRef c)
{
    return brightness(c) >= 128 ? rgb(0, 0, 0) : rgb(255, 255, 255);
}
