#include "formats/PackedRows.h"

#include "base/ByteShuffle.h"

#include <cstring>

void swapRedAndBlue(const uint8_t* from, uint8_t* to, size_t count)
{
    byteShuffle::swapFirstAndThird(from, to, count);
}

// Works from the end of the row, so that every packed byte is read before it is overwritten.
void expandPackedRow(uint8_t* row, int32_t width, int bits, const std::array<uint8_t, 256>& mapping)
{
    if (bits == 4) {
        for (int32_t k = width - 1; k >= 0; --k) {
            uint8_t packed = row[k >> 1];
            row[k] = mapping[k & 1 ? packed & 0x0F : packed >> 4];
        }
        return;
    }
    int32_t whole = width & ~7;
    for (int32_t k = width - 1; k >= whole; --k)
        row[k] = mapping[(row[k >> 3] >> (7 - (k & 7))) & 1];
    // Only bytes whose eight dots all lie inside the width take the shortcut.
    for (int32_t byte = whole / 8 - 1; byte >= 0; --byte) {
        uint8_t packed = row[byte];
        uint8_t* out = row + 8 * byte;
        if (packed == 0x00 || packed == 0xFF) {
            std::memset(out, mapping[packed & 1], 8);
        } else {
            for (int i = 7; i >= 0; --i)
                out[i] = mapping[(packed >> (7 - i)) & 1];
        }
    }
}
