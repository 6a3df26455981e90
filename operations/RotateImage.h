#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <memory>
#include <utility>

class DIBImage;
class MaskImage;

// A turn by an angle in radians, clockwise on the screen, in fixed point: the cosine and sine in
// units of 1/32768, and for a source rectangle the box its turned corners span, in whole pixels of
// the source's coordinates. Products are 64-bit, so no picture size overflows them.
struct RotationGeometry {
    int64_t c = 32768;
    int64_t s = 0;
    Rect box;
    // The source position, in 1/32768 pixel and relative to the source's top-left, that the centre
    // of the box's top-left pixel turns back to.
    int64_t startX = 0;
    int64_t startY = 0;

    bool isQuarterTurn() const { return c == 0; }
    bool isCopyOrHalfTurn() const { return s == 0; }
};

// The turn of source (its place decides how the box's corners round: halves away from zero).
RotationGeometry rotationGeometry(const Rect& source, double angle);

// Follows the source position of destination pixels by additions alone: one step right adds
// (c, -s) and one step down (s, c), in 1/32768 pixel.
class RotationStepper {
public:
    explicit RotationStepper(const RotationGeometry& turn)
        : m_c(turn.c), m_s(turn.s), m_rowX(turn.startX), m_rowY(turn.startY), m_x(m_rowX), m_y(m_rowY)
    {
    }
    // The source pixel under the current position.
    int32_t sourceX() const { return int32_t(m_x >> 15); }
    int32_t sourceY() const { return int32_t(m_y >> 15); }
    void stepRight()
    {
        m_x += m_c;
        m_y -= m_s;
    }
    // Of the next count steps along the row, the first and the end of those whose source pixel
    // lies inside a width x height source; first == end when none does. They are one run, since
    // the row is a straight line through a rectangle.
    std::pair<int32_t, int32_t> insideSpan(int32_t width, int32_t height, int32_t count) const;
    // Moves n steps along the row at once.
    void stepRight(int32_t n)
    {
        m_x += m_c * n;
        m_y -= m_s * n;
    }
    // To the first pixel of the next row.
    void stepDown()
    {
        m_rowX += m_s;
        m_rowY += m_c;
        m_x = m_rowX;
        m_y = m_rowY;
    }

private:
    int64_t m_c, m_s;
    int64_t m_rowX, m_rowY;
    int64_t m_x, m_y;
};

// A new image of source's kind holding source turned by angle about its centre, lying at origin:
// an exact quarter turn when the cosine is 0, a copy or a half turn when the sine is, else the
// turned box with every pixel taken from the source pixel its centre turns back to, 0 outside.
std::shared_ptr<DIBImage> rotateImage(const DIBImage& source, double angle, Point origin = {});
// The same turn of a mask, over the same box and sampling: the shape that stays aligned with the
// image rotateImage gives.
std::shared_ptr<MaskImage> rotateMask(const MaskImage& source, double angle, Point origin = {});
