#pragma once

#include <cstddef>
#include <cstdint>

// Row conversions that move the bytes of several dots in one step where the processor can (the
// byte shuffle every x86-64 processor has had since 2006), a dot at a time elsewhere.
namespace byteShuffle {

// count dots of three bytes with their first and third bytes exchanged, from into to; to may be
// from itself.
void swapFirstAndThird(const uint8_t* from, uint8_t* to, size_t count);
// count dots of three bytes (blue, green, red) as four (blue, green, red, 0xFF): the opaque 32-bit
// dots of a screen image.
void widenToOpaque(const uint8_t* from, uint8_t* to, size_t count);

} // namespace byteShuffle
