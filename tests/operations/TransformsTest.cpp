#include "operations/RotateImage.h"
#include "operations/ScaleImage.h"
#include "tests/operations/TestImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr Point none{-1, -1};

// A picture whose every pixel says where it is: 8-bit index 1 + x + 16 y (sides up to 15), 24-bit
// (x + 1, y + 1, 0x5A); the 0 that transforms fill with names no pixel.
std::shared_ptr<DIBImage> namedPixels(int bits, Point size)
{
    std::shared_ptr<DIBImage> image = makePicture(depths[bits == 8 ? 0 : 1], size);
    for (int32_t y = 0; y < size.y; ++y)
        for (int32_t x = 0; x < size.x; ++x) {
            uint8_t* row = image->row(y);
            if (bits == 8) {
                row[x] = uint8_t(1 + x + 16 * y);
            } else {
                row[3 * x] = 0x5A;
                row[3 * x + 1] = uint8_t(y + 1);
                row[3 * x + 2] = uint8_t(x + 1);
            }
        }
    return image;
}

Point nameAt(const DIBImage& image, Point p)
{
    const uint8_t* row = image.row(p.y);
    if (image.depth() == 8)
        return row[p.x] == 0 ? none : Point{(row[p.x] - 1) % 16, (row[p.x] - 1) / 16};
    const uint8_t* pixel = row + 3 * p.x;
    return pixel[0] == 0x5A ? Point{pixel[2] - 1, pixel[1] - 1} : none;
}

double degrees(double d)
{
    return d * std::numbers::pi / 180;
}

TEST(TransformsTest, ScalingTakesTheCentredNearestSourceIndex)
{
    struct Row {
        int32_t source;
        int32_t size;
        std::vector<int32_t> indices;
    };
    const Row rows[] = {
        {3, 6, {0, 0, 1, 1, 2, 2}}, {6, 3, {1, 3, 5}}, {5, -5, {4, 3, 2, 1, 0}}, {4, 4, {0, 1, 2, 3}},
        {1, 3, {0, 0, 0}},          {7, 2, {1, 5}},    {2, -5, {1, 1, 0, 0, 0}}, {10000, 1, {5000}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(scaledIndices(row.source, row.size), row.indices) << row.source << " to " << row.size;

    for (int bits : {8, 24}) {
        std::shared_ptr<DIBImage> source = namedPixels(bits, {5, 3});
        for (Point size : {Point{-5, 3}, Point{5, -3}, Point{-5, -3}, Point{11, 7}, Point{-2, 9}, Point{1, 1}}) {
            std::shared_ptr<DIBImage> scaled = scaleImage(*source, size);
            ASSERT_EQ(scaled->extent(), (Point{std::abs(size.x), std::abs(size.y)}));
            std::vector<int32_t> xs = scaledIndices(5, size.x), ys = scaledIndices(3, size.y);
            for (int32_t y = 0; y < scaled->height(); ++y)
                for (int32_t x = 0; x < scaled->width(); ++x)
                    ASSERT_EQ(nameAt(*scaled, {x, y}), (Point{xs[size_t(x)], ys[size_t(y)]}))
                        << bits << "-bit to " << size.x << " x " << size.y << " at " << x << ", " << y;
        }
        std::shared_ptr<DIBImage> twice = scaleImage(*scaleImage(*source, {-5, 3}), {-5, 3});
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 5; ++x)
                ASSERT_EQ(nameAt(*twice, {x, y}), (Point{x, y})) << "a flip done twice gives the picture back";
    }
}

// Sizes around the 8 x 8 tiles and 64 x 64 blocks the turn takes at once, the eight dots a flip
// across turns round at once and the sixteen a halving packs, and their leftovers.
TEST(TransformsTest, QuarterTurnsFlipsAndHalvingsOfEverySizeMoveEveryByteWhereTheFormulaSays)
{
    for (int bits : {8, 24})
        for (Point size : {Point{8, 8}, Point{19, 13}, Point{13, 19}, Point{70, 67}, Point{64, 9}, Point{65, 3}}) {
            std::shared_ptr<DIBImage> source = makePicture(depths[bits == 8 ? 0 : 1], size);
            int32_t bytes = bits / 8;
            for (int32_t y = 0; y < size.y; ++y)
                for (int32_t x = 0; x < size.x * bytes; ++x)
                    source->row(y)[x] = uint8_t(x * 31 + y * 7 + x / 5);
            std::shared_ptr<DIBImage> flipped = scaleImage(*source, {-size.x, size.y});
            for (int32_t y = 0; y < size.y; ++y)
                for (int32_t x = 0; x < size.x * bytes; ++x)
                    ASSERT_EQ(flipped->row(y)[x], source->row(y)[(size.x - 1 - x / bytes) * bytes + x % bytes])
                        << bits << "-bit " << size.x << " x " << size.y << " flipped at " << x << "," << y;
            // Halved down and up: every second dot from the second, or from the first.
            for (int32_t half : {size.x / 2, (size.x + 1) / 2}) {
                std::shared_ptr<DIBImage> halved = scaleImage(*source, {half, size.y});
                std::vector<int32_t> columns = scaledIndices(size.x, half);
                for (int32_t y = 0; y < size.y; ++y)
                    for (int32_t x = 0; x < half * bytes; ++x)
                        ASSERT_EQ(halved->row(y)[x], source->row(y)[columns[size_t(x / bytes)] * bytes + x % bytes])
                            << bits << "-bit " << size.x << " to " << half << " at " << x << "," << y;
            }
            for (bool clockwise : {true, false}) {
                std::shared_ptr<DIBImage> turned =
                    rotateImage(*source, clockwise ? std::numbers::pi / 2 : -std::numbers::pi / 2);
                ASSERT_EQ(turned->extent(), (Point{size.y, size.x}));
                for (int32_t y = 0; y < size.x; ++y)
                    for (int32_t x = 0; x < size.y; ++x) {
                        // Clockwise source row r is column (height - 1 - r) read down, else column r read up.
                        Point from = clockwise ? Point{y, size.y - 1 - x} : Point{size.x - 1 - y, x};
                        for (int32_t b = 0; b < bytes; ++b)
                            ASSERT_EQ(turned->row(y)[x * bytes + b], source->row(from.y)[from.x * bytes + b])
                                << bits << "-bit " << size.x << " x " << size.y << (clockwise ? " cw " : " ccw ") << x
                                << "," << y;
                    }
            }
        }
}

TEST(TransformsTest, QuarterAndHalfTurnsMoveEveryPixelExactly)
{
    for (int bits : {8, 24}) {
        std::shared_ptr<DIBImage> source = namedPixels(bits, {3, 2});
        std::shared_ptr<DIBImage> clockwise = rotateImage(*source, std::numbers::pi / 2);
        ASSERT_EQ(clockwise->extent(), (Point{2, 3}));
        EXPECT_EQ(nameAt(*clockwise, {0, 0}), (Point{0, 1})) << "the top row is the left column read upward";
        EXPECT_EQ(nameAt(*clockwise, {1, 0}), (Point{0, 0}));
        EXPECT_EQ(nameAt(*clockwise, {0, 2}), (Point{2, 1}));
        std::shared_ptr<DIBImage> back = rotateImage(*clockwise, -std::numbers::pi / 2);
        std::shared_ptr<DIBImage> half = rotateImage(*source, std::numbers::pi);
        for (int32_t y = 0; y < 2; ++y)
            for (int32_t x = 0; x < 3; ++x) {
                EXPECT_EQ(nameAt(*back, {x, y}), (Point{x, y})) << bits;
                EXPECT_EQ(nameAt(*half, {x, y}), (Point{2 - x, 1 - y})) << bits;
            }
        std::shared_ptr<DIBImage> full = rotateImage(*source, 2 * std::numbers::pi);
        EXPECT_EQ(nameAt(*full, {2, 1}), (Point{2, 1})) << "360 degrees is a copy";
    }
    // The turned box keeps the centre, rounding halves away from zero.
    EXPECT_EQ(rotationGeometry(Rect::fromSize({10, 10}, {3, 2}), std::numbers::pi / 2).box,
              Rect::fromSize({11, 10}, {2, 3}));
    EXPECT_EQ(rotationGeometry(Rect::fromSize({0, 0}, {3, 2}), std::numbers::pi / 2).box,
              Rect::fromSize({1, -1}, {2, 3}));
}

TEST(TransformsTest, EachTurnedPixelSamplesWhereItsCentreTurnsBackTo)
{
    // Written from the sampling rule alone: destination (i, j) takes the source pixel
    // floor((P0 + i (c, -s) + j (s, c)) / 32768), P0 the box's first centre turned back, in 1/32768.
    struct Row {
        double angle;
        Point size;
        Point origin;
    };
    const Row rows[] = {
        {30, {7, 5}, {0, 0}}, {120, {7, 5}, {3, -2}}, {210, {5, 9}, {0, 0}},  {300, {5, 9}, {-7, 4}},
        {10, {9, 3}, {1, 1}}, {-45, {1, 3}, {0, 0}},  {45, {11, 11}, {0, 0}}, {179, {3, 7}, {2, 2}},
    };
    for (const Row& row : rows) {
        double angle = degrees(row.angle);
        auto c = int64_t(std::floor(std::cos(angle) * 32768 + 0.5)),
             s = int64_t(std::floor(std::sin(angle) * 32768 + 0.5));
        int64_t cx = row.origin.x * 32 + row.size.x * 16, cy = row.origin.y * 32 + row.size.y * 16;
        auto corner = [](int64_t v) { return v >= 0 ? (v + 16) >> 5 : -((-v + 16) >> 5); };
        int64_t xs[] = {(c * row.size.x * 16 - s * row.size.y * 16) >> 15,
                        (c * row.size.x * 16 + s * row.size.y * 16) >> 15};
        int64_t ys[] = {(s * row.size.x * 16 + c * row.size.y * 16) >> 15,
                        (s * row.size.x * 16 - c * row.size.y * 16) >> 15};
        int64_t spanX = std::max(std::abs(xs[0]), std::abs(xs[1])), spanY = std::max(std::abs(ys[0]), std::abs(ys[1]));
        Rect box{int32_t(corner(cx - spanX)), int32_t(corner(cy - spanY)), int32_t(corner(cx + spanX)),
                 int32_t(corner(cy + spanY))};
        int64_t x0 = box.left * 32 - cx + 16, y0 = box.top * 32 - cy + 16;
        int64_t p0x = 1024 * (((c * x0 + s * y0) >> 15) + cx - row.origin.x * 32);
        int64_t p0y = 1024 * (((-s * x0 + c * y0) >> 15) + cy - row.origin.y * 32);
        std::string what = std::to_string(row.angle) + " degrees, " + std::to_string(row.size.x) + " x " +
                           std::to_string(row.size.y) + " at " + std::to_string(row.origin.x) + ", " +
                           std::to_string(row.origin.y);
        ASSERT_EQ(rotationGeometry(Rect::fromSize(row.origin, row.size), angle).box, box) << what;

        std::shared_ptr<MaskImage> everyOther = MaskImage::newMask(row.size);
        everyOther->clear(false);
        for (int32_t y = 0; y < row.size.y; ++y)
            for (int32_t x = (y & 1); x < row.size.x; x += 2)
                everyOther->setRun(y, x, x + 1);
        std::shared_ptr<MaskImage> turnedMask = rotateMask(*everyOther, angle, row.origin);
        for (int bits : {8, 24}) {
            std::shared_ptr<DIBImage> turned = rotateImage(*namedPixels(bits, row.size), angle, row.origin);
            ASSERT_EQ(turned->extent(), (Point{box.width(), box.height()})) << what;
            for (int32_t j = 0; j < box.height(); ++j)
                for (int32_t i = 0; i < box.width(); ++i) {
                    int64_t px = p0x + i * c + j * s, py = p0y - i * s + j * c;
                    Point from{int32_t(px >> 15), int32_t(py >> 15)};
                    bool inside = Rect::fromSize({}, row.size).contains(from);
                    ASSERT_EQ(nameAt(*turned, {i, j}), inside ? from : none)
                        << what << ", " << bits << "-bit at " << i << ", " << j;
                    ASSERT_EQ(turnedMask->isSet({i, j}), inside && everyOther->isSet(from)) << what << " (mask)";
                }
        }
    }
}

TEST(TransformsTest, ABigTurnKeepsItsArithmeticInRange)
{
    // 10000 x 16 in 1/32 pixel times a cosine overflows 32 bits; the box must still be the picture's.
    RotationGeometry turn = rotationGeometry(Rect::fromSize({}, {10000, 10000}), degrees(10));
    double side = 10000 * (std::cos(degrees(10)) + std::sin(degrees(10)));
    EXPECT_NEAR(turn.box.width(), side, 2);
    EXPECT_NEAR(turn.box.height(), side, 2);
    EXPECT_NEAR(double(turn.box.left), -(side - 10000) / 2, 2);
    RotationStepper stepper(turn);
    for (int32_t j = 0; j < turn.box.height() / 2; ++j)
        stepper.stepDown();
    for (int32_t i = 0; i < turn.box.width() / 2; ++i)
        stepper.stepRight();
    EXPECT_NEAR(stepper.sourceX(), 5000, 2) << "the middle of the box turns back to the middle";
    EXPECT_NEAR(stepper.sourceY(), 5000, 2);
}

} // namespace
