#include "operations/RotateImage.h"

#include "operations/PixelTraits.h"
#include "operations/ScaleImage.h"
#include "pixels/MaskImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Exact quarter turn of the destination's area: source row r becomes column (width - 1 - r) read
// downward when clockwise, column r read upward otherwise. Blocks of 64 x 64 keep the column walk
// in the cache.
template <class Pixels>
void quarterTurnArea(const DIBImage& source, DIBImage& destination, bool clockwise, const Rect& area)
{
    constexpr int32_t block = 64;
    int32_t width = destination.width();
    // Along a destination row the source walks down its column (up it when clockwise).
    ptrdiff_t step = clockwise ? -ptrdiff_t(source.stride()) : ptrdiff_t(source.stride());
    for (int32_t top = area.top; top < area.bottom; top += block)
        for (int32_t left = area.left; left < area.right; left += block) {
            int32_t right = std::min(left + block, area.right);
            const uint8_t* firstRow = source.row(clockwise ? width - 1 - left : left);
            for (int32_t y = top; y < std::min(top + block, area.bottom); ++y) {
                uint8_t* out = Pixels::at(destination.row(y), left);
                const uint8_t* in = Pixels::at(firstRow, clockwise ? y : source.width() - 1 - y);
                for (int32_t x = left; x < right; ++x, out += Pixels::size, in += step)
                    std::memcpy(out, in, Pixels::size);
            }
        }
}

#if defined(__SSE2__)
// The 8 x 8 dots of an 8-bit destination tile at (x, y) at once: the eight source rows it reads,
// transposed in registers. Byte k of source row i lands in row k (clockwise) or 7 - k of the
// tile, at column i.
void quarterTurnTile(const DIBImage& source, DIBImage& destination, int32_t x, int32_t y, bool clockwise)
{
    int32_t width = destination.width();
    __m128i a[8];
    for (int32_t i = 0; i < 8; ++i) {
        const uint8_t* row =
            clockwise ? source.row(width - 1 - (x + i)) + y : source.row(x + i) + (source.width() - 8 - y);
        a[i] = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row));
    }
    __m128i t0 = _mm_unpacklo_epi8(a[0], a[1]), t1 = _mm_unpacklo_epi8(a[2], a[3]);
    __m128i t2 = _mm_unpacklo_epi8(a[4], a[5]), t3 = _mm_unpacklo_epi8(a[6], a[7]);
    __m128i u0 = _mm_unpacklo_epi16(t0, t1), u1 = _mm_unpackhi_epi16(t0, t1);
    __m128i u2 = _mm_unpacklo_epi16(t2, t3), u3 = _mm_unpackhi_epi16(t2, t3);
    // Two source columns each, as two destination rows.
    const __m128i pairs[4] = {_mm_unpacklo_epi32(u0, u2), _mm_unpackhi_epi32(u0, u2), _mm_unpacklo_epi32(u1, u3),
                              _mm_unpackhi_epi32(u1, u3)};
    for (int32_t k = 0; k < 8; ++k) {
        __m128i pair = pairs[k / 2];
        if (k % 2)
            pair = _mm_unpackhi_epi64(pair, pair);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(destination.row(y + (clockwise ? k : 7 - k)) + x), pair);
    }
}
#endif

template <class Pixels>
void quarterTurnRows(const DIBImage& source, DIBImage& destination, bool clockwise)
{
    Rect all = destination.bounds();
#if defined(__SSE2__)
    if constexpr (Pixels::size == 1) {
        // Whole tiles in 64 x 64 blocks, then the strips on the right and at the bottom one by one.
        int32_t tiledWidth = all.right & ~7, tiledHeight = all.bottom & ~7;
        for (int32_t top = 0; top < tiledHeight; top += 64)
            for (int32_t left = 0; left < tiledWidth; left += 64)
                for (int32_t y = top; y < std::min(top + 64, tiledHeight); y += 8)
                    for (int32_t x = left; x < std::min(left + 64, tiledWidth); x += 8)
                        quarterTurnTile(source, destination, x, y, clockwise);
        quarterTurnArea<Pixels>(source, destination, clockwise, {tiledWidth, 0, all.right, all.bottom});
        quarterTurnArea<Pixels>(source, destination, clockwise, {0, tiledHeight, tiledWidth, all.bottom});
        return;
    }
#endif
    quarterTurnArea<Pixels>(source, destination, clockwise, all);
}

// Only the run of each row that turns back into the source is visited, without a bounds test.
template <class Pixels>
void rotateRows(const DIBImage& source, DIBImage& destination, const RotationGeometry& turn)
{
    RotationStepper row(turn);
    for (int32_t y = 0; y < destination.height(); ++y, row.stepDown()) {
        auto [first, end] = row.insideSpan(source.width(), source.height(), destination.width());
        RotationStepper stepper = row;
        stepper.stepRight(first);
        uint8_t* out = destination.row(y);
        for (int32_t x = first; x < end; ++x, stepper.stepRight())
            std::memcpy(Pixels::at(out, x), Pixels::at(source.row(stepper.sourceY()), stepper.sourceX()), Pixels::size);
    }
}

// The steps k of count for which 0 <= (start + k * step) >> 15 < length, as [first, end).
std::pair<int64_t, int64_t> stepsInside(int64_t start, int64_t step, int32_t length, int32_t count)
{
    const int64_t upper = int64_t(length) << 15;
    auto floorDiv = [](int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); };
    auto ceilDiv = [&](int64_t a, int64_t b) { return -floorDiv(-a, b); };
    if (step == 0)
        return start >= 0 && start < upper ? std::pair<int64_t, int64_t>{0, count} : std::pair<int64_t, int64_t>{0, 0};
    if (step > 0)
        return {ceilDiv(-start, step), ceilDiv(upper - start, step)};
    return {floorDiv(start - upper, -step) + 1, floorDiv(start, -step) + 1};
}

} // namespace

std::pair<int32_t, int32_t> RotationStepper::insideSpan(int32_t width, int32_t height, int32_t count) const
{
    auto [firstX, endX] = stepsInside(m_x, m_c, width, count);
    auto [firstY, endY] = stepsInside(m_y, -m_s, height, count);
    int64_t first = std::max<int64_t>({0, firstX, firstY}), end = std::min<int64_t>({count, endX, endY});
    return first < end ? std::pair<int32_t, int32_t>{int32_t(first), int32_t(end)} : std::pair<int32_t, int32_t>{0, 0};
}

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
