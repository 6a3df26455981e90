#include "base/ByteShuffle.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

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
// 16 bytes are read and written for five dots, the 16th as it was, so the next five overwrite it;
// the same holds when from and to are the same row.
__attribute__((target("ssse3"))) void swapFiveAtATime(const uint8_t* from, uint8_t* to, size_t count)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    size_t done = 0;
    for (; 3 * done + 16 <= 3 * count; done += 5) {
        __m128i dots = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 3 * done));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 3 * done), _mm_shuffle_epi8(dots, order));
    }
    swapOneByOne(from + 3 * done, to + 3 * done, count - done);
}

// Four dots from 16 bytes read, of which 12 are used; the shuffle leaves the fourth byte of each 0
// and the opaque bits fill it.
__attribute__((target("ssse3"))) void widenFourAtATime(const uint8_t* from, uint8_t* to, size_t count)
{
    const __m128i order = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int32_t(0xFF000000));
    size_t done = 0;
    for (; 3 * done + 16 <= 3 * count; done += 4) {
        __m128i dots = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 3 * done));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 4 * done),
                         _mm_or_si128(_mm_shuffle_epi8(dots, order), opaque));
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
