#include "base/ByteShuffle.h"

#include <cstring>

namespace byteShuffle {

namespace {

void swapOneByOne(const uint8_t* from, uint8_t* to, size_t count)
{
    for (size_t i = 0; i < count; ++i, from += 3, to += 3) {
        uint8_t first = from[0];
        to[1] = from[1];
        to[0] = from[2];
        to[2] = first;
    }
}

void widenOneByOne(const uint8_t* from, uint8_t* to, size_t count)
{
    for (size_t i = 0; i < count; ++i, from += 3, to += 4) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
        to[3] = 0xFF;
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
using Bytes = uint8_t __attribute__((vector_size(16)));

// 16 bytes are read and written for five dots, the 16th as it was, so the next five overwrite it;
// the same holds when from and to are the same row.
__attribute__((target("ssse3"))) void swapFiveAtATime(const uint8_t* from, uint8_t* to, size_t count)
{
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

// Four dots from 16 bytes read, of which 12 are used; index 16 picks the opaque byte.
__attribute__((target("ssse3"))) void widenFourAtATime(const uint8_t* from, uint8_t* to, size_t count)
{
    const Bytes order{0, 1, 2, 16, 3, 4, 5, 16, 6, 7, 8, 16, 9, 10, 11, 16};
    const Bytes opaque{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    size_t done = 0;
    for (; 3 * done + 16 <= 3 * count; done += 4) {
        Bytes dots;
        std::memcpy(&dots, from + 3 * done, sizeof dots);
        dots = __builtin_shuffle(dots, opaque, order);
        std::memcpy(to + 4 * done, &dots, sizeof dots);
    }
    widenOneByOne(from + 3 * done, to + 4 * done, count - done);
}

bool shuffles()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0;
    }();
    return has;
}
#endif

} // namespace

void swapFirstAndThird(const uint8_t* from, uint8_t* to, size_t count)
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (shuffles())
        return swapFiveAtATime(from, to, count);
#endif
    swapOneByOne(from, to, count);
}

void widenToOpaque(const uint8_t* from, uint8_t* to, size_t count)
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (shuffles())
        return widenFourAtATime(from, to, count);
#endif
    widenOneByOne(from, to, count);
}

} // namespace byteShuffle
