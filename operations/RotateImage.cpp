#include "operations/RotateImage.h"

#include "operations/PixelTraits.h"
#include "operations/ScaleImage.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int64_t fixedPoint(double v)
{
    return int64_t(std::floor(v * 32768 + 0.5));
}

// A coordinate in 1/32 pixel to the nearest whole pixel, halves away from zero.
int32_t nearestPixel(int64_t v)
{
    return int32_t(v >= 0 ? (v + 16) >> 5 : -((-v + 16) >> 5));
}

// Exact quarter turn: source row r becomes column (width - 1 - r) read downward when clockwise,
// column r read upward otherwise. Blocks of 64 x 64 keep the column walk in the cache.
template <class Pixels>
void quarterTurnRows(const DIBImage& source, DIBImage& destination, bool clockwise)
{
    constexpr int32_t block = 64;
    int32_t width = destination.width(), height = destination.height();
    for (int32_t top = 0; top < height; top += block)
        for (int32_t left = 0; left < width; left += block)
            for (int32_t y = top; y < std::min(top + block, height); ++y) {
                uint8_t* out = destination.row(y);
                int32_t sourceX = clockwise ? y : source.width() - 1 - y;
                for (int32_t x = left; x < std::min(left + block, width); ++x) {
                    int32_t sourceY = clockwise ? width - 1 - x : x;
                    std::memcpy(Pixels::at(out, x), Pixels::at(source.row(sourceY), sourceX), Pixels::size);
                }
            }
}

template <class Pixels>
void rotateRows(const DIBImage& source, DIBImage& destination, const RotationGeometry& turn)
{
    auto width = uint32_t(source.width()), height = uint32_t(source.height());
    RotationStepper stepper(turn);
    for (int32_t y = 0; y < destination.height(); ++y, stepper.stepDown()) {
        uint8_t* out = destination.row(y);
        for (int32_t x = 0; x < destination.width(); ++x, stepper.stepRight()) {
            int32_t sourceX = stepper.sourceX(), sourceY = stepper.sourceY();
            if (uint32_t(sourceX) < width && uint32_t(sourceY) < height)
                std::memcpy(Pixels::at(out, x), Pixels::at(source.row(sourceY), sourceX), Pixels::size);
        }
    }
}

} // namespace

RotationGeometry rotationGeometry(const Rect& source, double angle)
{
    RotationGeometry turn;
    turn.c = fixedPoint(std::cos(angle));
    turn.s = fixedPoint(std::sin(angle));
    int64_t halfWidth = int64_t(source.width()) * 16, halfHeight = int64_t(source.height()) * 16;
    int64_t centreX = int64_t(source.left) * 32 + halfWidth, centreY = int64_t(source.top) * 32 + halfHeight;
    // The two half-diagonals turned; with their negatives they span the box.
    int64_t ax = (turn.c * halfWidth - turn.s * halfHeight) >> 15,
            ay = (turn.s * halfWidth + turn.c * halfHeight) >> 15;
    int64_t bx = (turn.c * halfWidth + turn.s * halfHeight) >> 15,
            by = (turn.s * halfWidth - turn.c * halfHeight) >> 15;
    int64_t spanX = std::max({ax, -ax, bx, -bx}), spanY = std::max({ay, -ay, by, -by});
    Point lower{nearestPixel(centreX - spanX), nearestPixel(centreY - spanY)};
    if (turn.isCopyOrHalfTurn())
        turn.box = source;
    else if (turn.isQuarterTurn())
        turn.box = Rect::fromSize(lower, {source.height(), source.width()});
    else
        turn.box = {lower.x, lower.y, nearestPixel(centreX + spanX), nearestPixel(centreY + spanY)};
    // The centre of the box's first pixel, turned back about the centre.
    int64_t x = int64_t(turn.box.left) * 32 - centreX + 16, y = int64_t(turn.box.top) * 32 - centreY + 16;
    turn.startX = (((turn.c * x + turn.s * y) >> 15) + centreX - int64_t(source.left) * 32) * 1024;
    turn.startY = (((-turn.s * x + turn.c * y) >> 15) + centreY - int64_t(source.top) * 32) * 1024;
    return turn;
}

std::shared_ptr<DIBImage> rotateImage(const DIBImage& source, double angle, Point origin)
{
    RotationGeometry turn = rotationGeometry(Rect::fromSize(origin, source.extent()), angle);
    if (turn.isCopyOrHalfTurn()) {
        int32_t sign = turn.c < 0 ? -1 : 1;
        return scaleImage(source, {sign * source.width(), sign * source.height()});
    }
    std::shared_ptr<DIBImage> destination = source.newOfSameKind();
    destination->create({turn.box.width(), turn.box.height()});
    withPixelTraits(source, [&](auto pixels) {
        if (turn.isQuarterTurn())
            quarterTurnRows<decltype(pixels)>(source, *destination, turn.s > 0);
        else
            rotateRows<decltype(pixels)>(source, *destination, turn);
    });
    return destination;
}

std::shared_ptr<MaskImage> rotateMask(const MaskImage& source, double angle, Point origin)
{
    RotationGeometry turn = rotationGeometry(Rect::fromSize(origin, source.extent()), angle);
    std::shared_ptr<MaskImage> destination = MaskImage::newMask({turn.box.width(), turn.box.height()});
    destination->clear(false);
    auto width = uint32_t(source.width()), height = uint32_t(source.height());
    RotationStepper stepper(turn);
    for (int32_t y = 0; y < destination->height(); ++y, stepper.stepDown()) {
        uint8_t* out = destination->row(y);
        for (int32_t x = 0; x < destination->width(); ++x, stepper.stepRight()) {
            Point from{stepper.sourceX(), stepper.sourceY()};
            if (uint32_t(from.x) < width && uint32_t(from.y) < height && source.isSet(from))
                out[x >> 3] |= uint8_t(0x80 >> (x & 7));
        }
    }
    return destination;
}
