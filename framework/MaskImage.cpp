#include "framework/MaskImage.h"

#include "base/ErrorFrame.h"
#include "resources/Bitmaps.h"

#include <QImage>

#include <algorithm>
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
    auto set = [bits](int32_t x) { return (bits[x >> 3] & (0x80 >> (x & 7))) != 0; };
    // The 64 dots from x, which must lie inside the row.
    auto word = [bits](int32_t x) {
        uint64_t dots;
        std::memcpy(&dots, bits + (x >> 3), sizeof dots);
        return dots;
    };
    runs.clear();
    int32_t x = 0;
    while (x < w) {
        // Whole words and bytes of 0 or of 1 are passed over at once; big masks are mostly such.
        if ((x & 63) == 0 && x + 64 <= w && word(x) == 0) {
            x += 64;
            continue;
        }
        if ((x & 7) == 0 && bits[x >> 3] == 0x00) {
            x += 8;
            continue;
        }
        if (!set(x)) {
            ++x;
            continue;
        }
        int32_t start = x;
        while (x < w) {
            if ((x & 63) == 0 && x + 64 <= w && word(x) == ~uint64_t(0))
                x += 64;
            else if ((x & 7) == 0 && bits[x >> 3] == 0xFF)
                x += 8;
            else if (set(x))
                ++x;
            else
                break;
        }
        runs.emplace_back(start, std::min(x, w));
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
