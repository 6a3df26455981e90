#include "operations/FillMasks.h"

#include "operations/PixelTraits.h"
#include "pixels/MaskImage.h"

#include <bit>

namespace {

// Clears every bit of mask whose dot is outside image or whose pixel keep refuses. keep8(pixels)
// answers the bits of the eight pixels from pixels at once, the first in bit 7.
template <class Pixels, class Keep, class Keep8>
void keepDots(MaskImage& mask, Point origin, const DIBImage& image, Keep keep, Keep8 keep8)
{
    Rect inside = image.bounds().translated(-origin.x, -origin.y).intersected(mask.bounds());
    size_t rowBytes = size_t(DIBImage::rowLength(1, mask.width()));
    for (int32_t y = 0; y < mask.height(); ++y) {
        uint8_t* bits = mask.row(y);
        if (y < inside.top || y >= inside.bottom) {
            std::memset(bits, 0, rowBytes);
            continue;
        }
        const uint8_t* pixels = image.row(y + origin.y);
        for (size_t i = 0; i < rowBytes; ++i) {
            if (!bits[i])
                continue;
            int32_t x0 = int32_t(i * 8);
            uint8_t kept = 0;
            // Bytes wholly inside the picture, most of them, are tested without bounds.
            if (x0 >= inside.left && x0 + 8 <= inside.right)
                kept = keep8(Pixels::at(pixels, x0 + origin.x));
            else
                for (int32_t k = 0, x = x0; k < 8; ++k, ++x)
                    if (x >= inside.left && x < inside.right && keep(Pixels::at(pixels, x + origin.x)))
                        kept |= uint8_t(0x80 >> k);
            bits[i] &= kept;
        }
    }
}

// keep8 for keepDots that asks keep about each of the eight pixels.
template <class Pixels, class Keep>
auto eachOfEight(Keep keep)
{
    return [keep](const uint8_t* pixels) {
        uint8_t kept = 0;
        for (int32_t k = 0; k < 8; ++k)
            kept |= uint8_t(keep(pixels + k * Pixels::size) << (7 - k));
        return kept;
    };
}

static_assert(std::endian::native == std::endian::little, "the byte comparisons read bytes into words in memory order");

constexpr uint64_t lowSeven = 0x7F7F7F7F7F7F7F7F, highBits = 0x8080808080808080;

// Bit 7 of each byte set where the same byte of the eight from pixels equals that of pattern,
// compared all at once.
uint64_t equalBytes(const uint8_t* pixels, uint64_t pattern)
{
    uint64_t word;
    std::memcpy(&word, pixels, sizeof word);
    uint64_t differ = word ^ pattern;
    return ~(((differ & lowSeven) + lowSeven) | differ) & highBits;
}

// The eight flags of equalBytes as the bits of one byte: with this factor byte k (memory order)
// lands in bit k; with the reversed one in bit 7 - k, as mask dots run.
constexpr uint64_t inMemoryOrder = 0x0102040810204080, inDotOrder = 0x8040201008040201;
uint32_t gathered(uint64_t flags, uint64_t order)
{
    return uint32_t(((flags >> 7) * order) >> 56);
}

// keep8 of the 8-bit same-colour mask: eight indices compared in one word.
auto sameIndices(uint8_t index)
{
    const uint64_t pattern = uint64_t(index) * 0x0101010101010101u;
    return [pattern](const uint8_t* pixels) { return uint8_t(gathered(equalBytes(pixels, pattern), inDotOrder)); };
}

// keep8 of the full-colour same-colour mask: the 24 bytes of eight pixels compared in three words;
// a pixel is kept when its three bytes all are.
auto samePixels(const TrueColorPixels::Value& color)
{
    std::array<uint64_t, 3> pattern;
    std::array<uint8_t, 24> bytes;
    for (size_t k = 0; k < 8; ++k)
        std::memcpy(bytes.data() + 3 * k, color.data(), 3);
    std::memcpy(pattern.data(), bytes.data(), bytes.size());
    return [pattern](const uint8_t* pixels) {
        std::array<uint64_t, 3> words;
        std::memcpy(words.data(), pixels, sizeof words);
        // Inside an area of the colour, where most of a fill's mask lies, all 24 bytes match.
        if (words == pattern)
            return uint8_t(0xFF);
        uint32_t same = 0;
        for (size_t w = 0; w < 3; ++w)
            same |= gathered(equalBytes(pixels + 8 * w, pattern[w]), inMemoryOrder) << (8 * w);
        same &= same >> 1 & same >> 2 & 0x249249;
        // Next to an area, where no pixel matches, there is nothing to gather.
        if (!same)
            return uint8_t(0);
        uint8_t kept = 0;
        for (int32_t k = 0; k < 8; ++k)
            kept |= uint8_t((same >> (3 * k) & 1) << (7 - k));
        return kept;
    };
}

// keepSameColor, or with others set its complement inside the picture.
void keepByColor(MaskImage& mask, Point origin, const DIBImage& image, ColorRef c, bool others)
{
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value target = Pixels::valueOf(image, c);
        auto keep = [&](const uint8_t* pixel) {
            return (std::memcmp(pixel, target.data(), Pixels::size) == 0) != others;
        };
        auto same8 = [&] {
            if constexpr (Pixels::depth == IndexedPixels::depth)
                return sameIndices(target[0]);
            else
                return samePixels(target);
        }();
        const uint8_t flip = others ? 0xFF : 0x00;
        keepDots<Pixels>(mask, origin, image, keep,
                         [same8, flip](const uint8_t* pixels) { return uint8_t(same8(pixels) ^ flip); });
    });
}

} // namespace

void keepSameColor(MaskImage& mask, Point origin, const DIBImage& image, ColorRef c)
{
    keepByColor(mask, origin, image, c, false);
}

void keepOtherColors(MaskImage& mask, Point origin, const DIBImage& image, ColorRef c)
{
    keepByColor(mask, origin, image, c, true);
}

void keepInsideBorders(MaskImage& mask, Point origin, const DIBImage& image, const BorderFlags& borders)
{
    if (image.depth() != IndexedPixels::depth)
        raiseError(errorQuiet);
    auto inside = [&](const uint8_t* pixel) { return !borders[*pixel]; };
    keepDots<IndexedPixels>(mask, origin, image, inside, eachOfEight<IndexedPixels>(inside));
}
