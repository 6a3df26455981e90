#include "operations/FloatingComposite.h"

#include "operations/PixelTraits.h"
#include "pixels/MaskImage.h"

#include <cstring>

namespace {

template <class Pixels>
void copyRun(uint8_t* to, const uint8_t* from, int32_t x0, int32_t x1)
{
    if (x0 < x1)
        std::memcpy(Pixels::at(to, x0), Pixels::at(from, x0), Pixels::size * size_t(x1 - x0));
}

// Mode 2 takes the picture's dot where it is not background, mode 3 where it is.
template <class Pixels, bool behind>
void chooseRun(uint8_t* shown, const uint8_t* own, const uint8_t* picture, int32_t x0, int32_t x1,
               const typename Pixels::Value& background)
{
    for (int32_t x = x0; x < x1; ++x) {
        const uint8_t* under = Pixels::at(picture, x);
        bool isBackground = std::memcmp(under, background.data(), Pixels::size) == 0;
        const uint8_t* from = isBackground != behind ? under : Pixels::at(own, x);
        std::memcpy(Pixels::at(shown, x), from, Pixels::size);
    }
}

// The same for 32 indices at a time without branches, which the compiler turns into vector code.
template <bool behind>
void chooseBlock(uint8_t* __restrict shown, const uint8_t* __restrict own, const uint8_t* __restrict picture,
                 uint8_t background)
{
    for (size_t i = 0; i < 32; ++i) {
        uint8_t under = picture[i], mine = own[i];
        auto showPicture = uint8_t(-uint8_t((under == background) != behind));
        shown[i] = uint8_t((under & showPicture) | (mine & ~showPicture));
    }
}

template <bool behind>
void chooseIndexRun(uint8_t* shown, const uint8_t* own, const uint8_t* picture, int32_t x0, int32_t x1,
                    const IndexedPixels::Value& background)
{
    int32_t x = x0;
    for (; x + 32 <= x1; x += 32)
        chooseBlock<behind>(shown + x, own + x, picture + x, background[0]);
    chooseRun<IndexedPixels, behind>(shown, own, picture, x, x1, background);
}

template <class Pixels, bool behind>
void choose(uint8_t* shown, const uint8_t* own, const uint8_t* picture, int32_t x0, int32_t x1,
            const typename Pixels::Value& background)
{
    if constexpr (Pixels::size == 1)
        chooseIndexRun<behind>(shown, own, picture, x0, x1, background);
    else
        chooseRun<Pixels, behind>(shown, own, picture, x0, x1, background);
}

} // namespace

void compositeFloating(DIBImage& shown, const DIBImage& own, const MaskImage& opaque, const DIBImage& picture, Point at,
                       int32_t mode, ColorRef background, const Rect& area)
{
    Rect dots = area.intersected(picture.bounds()).intersected(Rect::fromSize(at, shown.extent()));
    if (dots.isEmpty())
        return;
    withPixelTraits(picture, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value ground = Pixels::valueOf(picture, background);
        const bool inPlace = &shown == &own;
        const int32_t left = dots.left - at.x, right = dots.right - at.x;
        MaskImage::Runs runs;
        for (int32_t y = dots.top; y < dots.bottom; ++y) {
            int32_t row = y - at.y;
            // The three rows from the area's left edge on, so that one index reaches the same dot.
            uint8_t* out = Pixels::at(shown.row(row), left);
            const uint8_t* mine = Pixels::at(own.row(row), left);
            const uint8_t* under = Pixels::at(picture.row(y), dots.left);
            opaque.rowRuns(row, runs);
            int32_t x = 0;
            for (auto [r0, r1] : runs) {
                int32_t x0 = std::max(r0, left) - left, x1 = std::min(r1, right) - left;
                if (x0 >= x1)
                    continue;
                copyRun<Pixels>(out, under, x, x0);
                if (mode == 2)
                    choose<Pixels, true>(out, mine, under, x0, x1, ground);
                else if (mode == 3)
                    choose<Pixels, false>(out, mine, under, x0, x1, ground);
                else if (!inPlace)
                    copyRun<Pixels>(out, mine, x0, x1);
                x = x1;
            }
            copyRun<Pixels>(out, under, x, right - left);
        }
    });
}

std::shared_ptr<MaskImage> transparencyMaskOf(const DIBImage& image, const MaskImage& regionMask, ColorRef transparent)
{
    std::shared_ptr<MaskImage> mask = MaskImage::newMask(image.extent());
    mask->clear(false);
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value clear = Pixels::valueOf(image, transparent);
        MaskImage::Runs runs;
        for (int32_t y = 0; y < std::min(image.height(), regionMask.height()); ++y) {
            const uint8_t* pixels = image.row(y);
            regionMask.rowRuns(y, runs);
            for (auto [r0, r1] : runs) {
                int32_t x1 = std::min(r1, image.width());
                for (int32_t x = r0; x < x1;) {
                    while (x < x1 && std::memcmp(Pixels::at(pixels, x), clear.data(), Pixels::size) == 0)
                        ++x;
                    int32_t start = x;
                    while (x < x1 && std::memcmp(Pixels::at(pixels, x), clear.data(), Pixels::size) != 0)
                        ++x;
                    mask->setRun(y, start, x);
                }
            }
        }
    });
    return mask;
}

void putBackTransparent(DIBImage& image, const MaskImage& regionMask, const MaskImage& transparencyMask,
                        ColorRef transparent)
{
    withPixelTraits(image, [&](auto traits) {
        using Pixels = decltype(traits);
        const typename Pixels::Value clear = Pixels::valueOf(image, transparent);
        MaskImage::Runs runs;
        for (int32_t y = 0; y < std::min(image.height(), regionMask.height()); ++y) {
            uint8_t* pixels = image.row(y);
            regionMask.rowRuns(y, runs);
            for (auto [r0, r1] : runs)
                for (int32_t x = r0; x < std::min(r1, image.width()); ++x)
                    if (!transparencyMask.isSet({x, y}))
                        Pixels::write(pixels, x, clear);
        }
    });
}
