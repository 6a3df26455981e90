#pragma once

#include "base/ErrorCodes.h"
#include "base/ErrorFrame.h"
#include "pixels/DIBImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The bytes of one pixel in 8-bit (palette index) or 24-bit (blue, green, red) rows, so that an
// algorithm that differs by depth is written once over Pixels and dispatched by withPixelTraits.
template <int Depth>
struct PixelTraits {
    static constexpr int depth = Depth;
    static constexpr size_t size = size_t(Depth / 8);
    using Value = std::array<uint8_t, size>;

    // The bytes colour c takes in image, made by the image's own row fill.
    static Value valueOf(const DIBImage& image, ColorRef c)
    {
        Value value;
        image.fillRun(value.data(), c, 1);
        return value;
    }
    static uint8_t* at(uint8_t* row, int32_t x) { return row + size * size_t(x); }
    static const uint8_t* at(const uint8_t* row, int32_t x) { return row + size * size_t(x); }
    static void write(uint8_t* row, int32_t x, const Value& value) { std::memcpy(at(row, x), value.data(), size); }
    static Value read(const uint8_t* row, int32_t x)
    {
        Value value;
        std::memcpy(value.data(), at(row, x), size);
        return value;
    }
    // Sets the count pixels from x to c with the image's row fill.
    static void fill(const DIBImage& image, uint8_t* row, int32_t x, int32_t count, ColorRef c)
    {
        image.fillRun(at(row, x), c, count);
    }
};

using IndexedPixels = PixelTraits<8>;
using TrueColorPixels = PixelTraits<24>;

// Calls f(IndexedPixels{}) or f(TrueColorPixels{}) for the image's depth and answers what f answers.
// Pictures are 8 or 24 bits deep; any other image is refused with the quiet error.
template <class F>
decltype(auto) withPixelTraits(const DIBImage& image, F&& f)
{
    switch (image.depth()) {
    case IndexedPixels::depth: return f(IndexedPixels{});
    case TrueColorPixels::depth: return f(TrueColorPixels{});
    default: raiseError(errorQuiet);
    }
}
