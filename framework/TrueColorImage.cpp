#include "framework/TrueColorImage.h"

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
    for (int i = 0; i < count; ++i) {
        *buffer++ = blueOf(value);
        *buffer++ = greenOf(value);
        *buffer++ = redOf(value);
    }
}

QImage TrueColorImage::sourceImage(const Rect& source) const
{
    return QImage(row(source.top) + 3 * source.left, source.width(), source.height(), stride(),
                  QImage::Format_BGR888);
}

QImage TrueColorImage::beginDrawing()
{
    return QImage(bits(), width(), height(), stride(), QImage::Format_BGR888);
}
