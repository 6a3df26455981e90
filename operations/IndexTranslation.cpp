#include "operations/IndexTranslation.h"

#include "operations/MaskRuns.h"
#include "pixels/DIBImage.h"

#include <cstddef>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace {

void translateOneByOne(uint8_t* row, size_t count, const std::array<uint8_t, 256>& table)
{
    for (size_t x = 0; x < count; ++x)
        row[x] = table[row[x]];
}

#if defined(__x86_64__) && defined(__GNUC__)
// 64 dots per step: two 128-entry lookups over the table's halves, the dot's top bit choosing
// between them, so that the renumbering runs at the speed of memory.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void translateByLookups(uint8_t* row, size_t count,
                                                                               const std::array<uint8_t, 256>& table)
{
    const __m512i low0 = _mm512_loadu_si512(table.data());
    const __m512i low1 = _mm512_loadu_si512(table.data() + 64);
    const __m512i high0 = _mm512_loadu_si512(table.data() + 128);
    const __m512i high1 = _mm512_loadu_si512(table.data() + 192);
    size_t x = 0;
    for (; x + 64 <= count; x += 64) {
        __m512i dots = _mm512_loadu_si512(row + x);
        __m512i low = _mm512_permutex2var_epi8(low0, dots, low1);
        __m512i high = _mm512_permutex2var_epi8(high0, dots, high1);
        _mm512_storeu_si512(row + x, _mm512_mask_blend_epi8(_mm512_movepi8_mask(dots), low, high));
    }
    translateOneByOne(row + x, count - x, table);
}

bool hasByteLookups()
{
    static const bool supported = __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512bw");
    return supported;
}
#endif

using Translate = void (*)(uint8_t*, size_t, const std::array<uint8_t, 256>&);

Translate fastestTranslate()
{
#if defined(__x86_64__) && defined(__GNUC__)
    if (hasByteLookups())
        return translateByLookups;
#endif
    return translateOneByOne;
}

} // namespace

void translateIndices(DIBImage& image, const std::array<uint8_t, 256>& table)
{
    Translate translate = fastestTranslate();
    for (int32_t y = 0; y < image.height(); ++y)
        translate(image.row(y), size_t(image.width()), table);
}

Rect translateIndicesUnder(DIBImage& image, const MaskImage& mask, Point origin, const std::array<uint8_t, 256>& table)
{
    if (image.depth() != 8)
        return {};
    Translate translate = fastestTranslate();
    return forEachMaskRun(image.bounds(), mask, origin, [&](int32_t y, int32_t x0, int32_t x1) {
        translate(image.row(y) + x0, size_t(x1 - x0), table);
    });
}
