#include "pixels/TrueColorImage.h"

#include <algorithm>
#include <cstring>

#include <QImage>

std::shared_ptr<DIBImage> TrueColorImage::newOfSameKind() const
{
    return std::make_shared<TrueColorImage>();
}

ColorRef TrueColorImage::pixelAt(Point p) const
{
    const uint8_t* pixel = row(p.y) + 3 * p.x;
    return rgb(pixel[2], pixel[1], pixel[0]);
}

void TrueColorImage::fillRun(uint8_t* buffer, ColorRef value, int count) const
{
    if (count <= 0)
        return;
    buffer[0] = blueOf(value);
    buffer[1] = greenOf(value);
    buffer[2] = redOf(value);
    // Each copy doubles what is filled, so a long run costs a few block copies, not a loop per dot.
    size_t total = 3 * size_t(count);
    for (size_t done = 3; done < total; done *= 2)
        std::memcpy(buffer + done, buffer, std::min(done, total - done));
}

QImage TrueColorImage::sourceImage(const Rect& source) const
{
    return QImage(row(source.top) + 3 * source.left, source.width(), source.height(), stride(), QImage::Format_BGR888);
}

QImage TrueColorImage::beginDrawing()
{
    return QImage(bits(), width(), height(), stride(), QImage::Format_BGR888);
}
