#include "views/tools/ScaledFrame.h"

#include "pixels/DIBImage.h"
#include "views/tools/MirroredRect.h"

#include <cstdlib>

namespace {

// One axis of a frame, from its left (or top) edge to its right (or bottom) one.
struct Span {
    int32_t from, to;
};

int64_t signOf(int64_t v)
{
    return v < 0 ? -1 : 1;
}

// The signed length of an axis whose held edge (factor -1 or +1) follows pointer: negative once
// the edge passes the opposite one, or the middle when scaling about the centre.
int64_t draggedLength(Span span, int32_t factor, int32_t pointer, bool aboutCentre)
{
    if (aboutCentre)
        return (2 * int64_t(pointer) - span.from - span.to) * factor;
    int32_t anchor = factor > 0 ? span.from : span.to;
    return (int64_t(pointer) - anchor) * factor;
}

// The dots an axis of length covers: from the anchor on the side the held edge went, or centred
// on the old middle.
Span placed(Span span, int32_t factor, int64_t length, bool aboutCentre)
{
    int32_t size = int32_t(std::abs(length));
    int32_t from = 0;
    if (aboutCentre)
        from = floorDiv(span.from + span.to - size, 2);
    else if (factor < 0)
        from = length > 0 ? span.to - size : span.to;
    else
        from = length > 0 ? span.from : span.from - size;
    return {from, from + size};
}

// The span as a mirrored one when sign is negative.
Span signedBy(Span span, int64_t sign)
{
    return sign < 0 ? Span{span.to, span.from} : span;
}

} // namespace

Rect scaledFrame(const Rect& start, FrameHandle handle, Point pointer, bool aboutCentre, bool keepRatio)
{
    Rect plain = normalized(start);
    Span x{plain.left, plain.right}, y{plain.top, plain.bottom};
    int64_t w0 = plain.width(), h0 = plain.height();
    int64_t dx = handle.x ? draggedLength(x, handle.x, pointer.x, aboutCentre) : w0;
    int64_t dy = handle.y ? draggedLength(y, handle.y, pointer.y, aboutCentre) : h0;
    if (keepRatio && w0 > 0 && h0 > 0) {
        // Magnitudes, so that an axis dragged past its anchor mirrors without flipping the other.
        bool widthFollows = handle.x == 0 || (handle.y != 0 && std::abs(w0 * dy) < std::abs(h0 * dx));
        if (widthFollows)
            dx = signOf(dx) * (std::abs(w0 * dy) / h0);
        else
            dy = signOf(dy) * (std::abs(h0 * dx) / w0);
    }
    auto limited = [](int64_t length) {
        return signOf(length) * std::clamp<int64_t>(std::abs(length), 1, DIBImage::maxSide);
    };
    dx = limited(dx);
    dy = limited(dy);
    // A frame an earlier drag mirrored stays mirrored unless this one mirrors it back.
    Point was = facing(start);
    Span nx = signedBy(placed(x, handle.x, dx, aboutCentre), dx * was.x);
    Span ny = signedBy(placed(y, handle.y, dy, aboutCentre), dy * was.y);
    return {nx.from, ny.from, nx.to, ny.to};
}
