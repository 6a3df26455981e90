#include "document/FrameGeometry.h"

#include <algorithm>

namespace {

// A frame side cut to the picture's, and at least one dot even on an empty picture.
int32_t cutSide(int32_t side, int32_t pictureSide)
{
    return std::max(1, std::min(side, pictureSide));
}

} // namespace

FrameGrid frameGrid(Point frameSize, Point imageSize)
{
    return {std::max(1, imageSize.x / cutSide(frameSize.x, imageSize.x)),
            std::max(1, imageSize.y / cutSide(frameSize.y, imageSize.y))};
}

Rect frameRect(int32_t frame, Point frameSize, Point imageSize)
{
    FrameGrid grid = frameGrid(frameSize, imageSize);
    // In 64 bits, where the frames of any two sides fit.
    int64_t count = int64_t(grid.framesAcross) * grid.framesDown;
    int64_t index = frame % count;
    if (index < 0)
        index += count;
    Point side{cutSide(frameSize.x, imageSize.x), cutSide(frameSize.y, imageSize.y)};
    auto column = int32_t(index % grid.framesAcross);
    auto row = int32_t(index / grid.framesAcross);
    return Rect::fromSize({column * side.x, row * side.y}, side);
}
