#include "pixels/MaskImage.h"

#include "base/ErrorFrame.h"
#include "resources/Bitmaps.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

std::shared_ptr<MaskImage> MaskImage::newMask(Point size)
{
    auto mask = std::make_shared<MaskImage>();
    mask->create(size);
    return mask;
}

std::shared_ptr<MaskImage> MaskImage::maskFromResource(int id)
{
    const BitmapResource* bitmap = findBitmap(id);
    if (!bitmap || bitmap->depth != 1)
        raiseError(errorQuiet);
    auto mask = newMask({bitmap->width, bitmap->height});
    for (int32_t y = 0; y < bitmap->height; ++y)
        std::memcpy(mask->row(y), &bitmap->rows[size_t(y) * size_t(bitmap->rowLength())], size_t(bitmap->rowLength()));
    return mask;
}

std::shared_ptr<DIBImage> MaskImage::newOfSameKind() const
{
    return std::make_shared<MaskImage>();
}

void MaskImage::fillColorTable(uint8_t* table) const
{
    static constexpr uint8_t blackThenWhite[8] = {0, 0, 0, 0, 255, 255, 255, 0};
    std::memcpy(table, blackThenWhite, sizeof blackThenWhite);
}

ColorRef MaskImage::pixelAt(Point p) const
{
    return isSet(p) ? rgb(255, 255, 255) : rgb(0, 0, 0);
}

// Sets or clears the dots [x0, x1): the part bytes at either end through a mask of their bits, the
// whole bytes between them at once, as long runs of a fill are.
static void setBits(uint8_t* buffer, int32_t x0, int32_t x1, bool value)
{
    if (x0 >= x1)
        return;
    auto apply = [value](uint8_t& byte, uint8_t bits) { byte = value ? byte | bits : byte & uint8_t(~bits); };
    int32_t first = x0 >> 3, last = (x1 - 1) >> 3;
    uint8_t head = uint8_t(0xFF >> (x0 & 7)), tail = uint8_t(0xFF << (7 - ((x1 - 1) & 7)));
    if (first == last) {
        apply(buffer[first], head & tail);
        return;
    }
    apply(buffer[first], head);
    std::memset(buffer + first + 1, value ? 0xFF : 0x00, size_t(last - first - 1));
    apply(buffer[last], tail);
}

void MaskImage::rowRuns(int32_t y, Runs& runs) const
{
    const uint8_t* bits = row(y);
    int32_t w = width();
    auto word = [bits](int32_t i) { return wordAt(bits, i); };
    // The 64 dots from x, a multiple of 64, which must all lie inside the row.
    auto wide = [word](int32_t x) { return uint64_t(word(x >> 5)) << 32 | word((x >> 5) + 1); };
    // The first dot from x whose bit is not flip's, a word at a time, and 64 or 256 dots at a time
    // where they lie inside the row: big masks are mostly long runs of 0 or of 1.
    auto next = [&](int32_t x, uint32_t flip) {
        const uint64_t all = flip ? ~uint64_t(0) : 0;
        while (x < w) {
            if ((x & 255) == 0 && x + 256 <= w) {
                std::array<uint64_t, 4> block;
                std::memcpy(block.data(), bits + (x >> 3), sizeof block);
                if (((block[0] ^ all) | (block[1] ^ all) | (block[2] ^ all) | (block[3] ^ all)) == 0) {
                    x += 256;
                    continue;
                }
            }
            if ((x & 63) == 0 && x + 64 <= w) {
                if (uint64_t differ = wide(x) ^ (uint64_t(flip) << 32 | flip))
                    return x + std::countl_zero(differ);
                x += 64;
                continue;
            }
            int32_t i = x >> 5;
            if (uint32_t differ = (word(i) ^ flip) & (~uint32_t(0) >> (x & 31)))
                return std::min((i << 5) + std::countl_zero(differ), w);
            x = (i + 1) << 5;
        }
        return w;
    };
    runs.clear();
    for (int32_t x = next(0, 0); x < w; x = next(x, 0)) {
        int32_t end = next(x, ~uint32_t(0));
        runs.emplace_back(x, end);
        x = end;
    }
}

void MaskImage::fillRun(uint8_t* buffer, ColorRef value, int count) const
{
    setBits(buffer, 0, count, value & 1);
}

void MaskImage::setRun(int32_t y, int32_t x0, int32_t x1)
{
    setBits(row(y), std::max(x0, 0), std::min(x1, width()), true);
}

QImage MaskImage::sourceImage(const Rect& source) const
{
    QImage image(source.width(), source.height(), QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int32_t y = 0; y < source.height(); ++y)
        for (int32_t x = 0; x < source.width(); ++x)
            image.setPixel(x, y, isSet({source.left + x, source.top + y}) ? 1 : 0);
    return image;
}

// Qt cannot paint on 1-bit images, so drawing goes to a grey copy whose light dots become 1 bits
// when the context is released.
QImage MaskImage::beginDrawing()
{
    QImage grey(width(), height(), QImage::Format_Grayscale8);
    for (int32_t y = 0; y < height(); ++y) {
        uchar* line = grey.scanLine(y);
        for (int32_t x = 0; x < width(); ++x)
            line[x] = isSet({x, y}) ? 255 : 0;
    }
    return grey;
}

void MaskImage::endDrawing(const QImage& painted)
{
    for (int32_t y = 0; y < height(); ++y) {
        const uchar* line = painted.constScanLine(y);
        std::memset(row(y), 0, size_t(std::abs(stride())));
        for (int32_t x = 0; x < width(); ++x)
            if (line[x] >= 128)
                row(y)[x >> 3] |= uint8_t(0x80 >> (x & 7));
    }
}
