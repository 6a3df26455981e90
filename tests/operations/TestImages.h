#pragma once

#include "pixels/IndexedImage.h"
#include "pixels/LogicalPalette.h"
#include "pixels/MaskImage.h"
#include "pixels/TrueColorImage.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Pictures for the operation tests, drawn as rows of characters: '#' is a dot of the ink colour and
// '.' any other dot, so that a table row shows its expected picture.
using Dots = std::vector<std::string>;

// One depth of picture with its background and an ink colour in that depth's colour form.
struct Depth {
    int bits;
    ColorRef background;
    ColorRef ink;

    friend std::ostream& operator<<(std::ostream& out, const Depth& d) { return out << d.bits << "-bit"; }
};

inline const Depth depths[] = {{8, paletteIndex(0), paletteIndex(9)}, {24, rgb(255, 255, 255), rgb(0x30, 0x20, 0x10)}};

// 16 grey entries: entry n is (17 n, 17 n, 17 n).
inline std::shared_ptr<LogicalPalette> greyPalette()
{
    auto palette = std::make_shared<LogicalPalette>();
    palette->create(16);
    for (int n = 0; n < 16; ++n)
        palette->setColorAt(n, rgb(uint8_t(17 * n), uint8_t(17 * n), uint8_t(17 * n)));
    return palette;
}

inline std::shared_ptr<DIBImage> makePicture(const Depth& depth, Point size)
{
    std::shared_ptr<DIBImage> image;
    if (depth.bits == 8)
        image = std::make_shared<IndexedImage>(greyPalette());
    else
        image = std::make_shared<TrueColorImage>();
    image->create(size);
    for (int32_t y = 0; y < size.y; ++y)
        image->fillRun(image->row(y), depth.background, size.x);
    return image;
}

inline Dots dotsOf(const DIBImage& image, ColorRef ink)
{
    Dots dots(size_t(image.height()), std::string(size_t(image.width()), '.'));
    for (int32_t y = 0; y < image.height(); ++y)
        for (int32_t x = 0; x < image.width(); ++x)
            if (image.pixelAt({x, y}) == ink)
                dots[size_t(y)][size_t(x)] = '#';
    return dots;
}

// Sets the dots drawn as '#' to ink.
inline void paint(DIBImage& image, const Dots& dots, ColorRef ink)
{
    for (size_t y = 0; y < dots.size(); ++y)
        for (size_t x = 0; x < dots[y].size(); ++x)
            if (dots[y][x] == '#')
                image.fillRun(image.row(int32_t(y)) + size_t(image.depth() / 8) * x, ink, 1);
}

// A mask whose dots are set where set is drawn.
inline std::shared_ptr<MaskImage> maskOf(const Dots& dots, char set = '#')
{
    auto mask = MaskImage::newMask({int32_t(dots[0].size()), int32_t(dots.size())});
    mask->clear(false);
    for (size_t y = 0; y < dots.size(); ++y)
        for (size_t x = 0; x < dots[y].size(); ++x)
            if (dots[y][x] == set)
                mask->setRun(int32_t(y), int32_t(x), int32_t(x) + 1);
    return mask;
}
