#include "formats/PackedRows.h"

#include <cstring>

namespace {

void swapOneByOne(const uint8_t* from, uint8_t* to, size_t count)
{
    for (size_t i = 0; i < count; ++i, from += 3, to += 3) {
        uint8_t blue = from[0];
        to[1] = from[1];
        to[0] = from[2];
        to[2] = blue;
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// Five dots per byte shuffle: 16 bytes are read and written, the 16th as it was, so the next five
// overwrite it; the same holds when from and to are the same row. Every x86-64 processor since 2006
// has the shuffle, and the others take the plain loop.
__attribute__((target("ssse3"))) void swapFiveAtATime(const uint8_t* from, uint8_t* to, size_t count)
{
    using Bytes = uint8_t __attribute__((vector_size(16)));
    const Bytes order{2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15};
    size_t done = 0;
    for (; 3 * done + 16 <= 3 * count; done += 5) {
        Bytes dots;
        std::memcpy(&dots, from + 3 * done, sizeof dots);
        dots = __builtin_shuffle(dots, order);
        std::memcpy(to + 3 * done, &dots, sizeof dots);
    }
    swapOneByOne(from + 3 * done, to + 3 * done, count - done);
}

const bool g_shuffles = __builtin_cpu_supports("ssse3");
#endif

} // namespace

void swapRedAndBlue(const uint8_t* from, uint8_t* to, size_t count)
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (g_shuffles)
        return swapFiveAtATime(from, to, count);
#endif
    swapOneByOne(from, to, count);
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
