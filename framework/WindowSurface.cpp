#include "framework/WindowSurface.h"

#include <QImage>

WindowSurface::WindowSurface(Point size) : m_image(std::make_unique<QImage>())
{
    resize(size);
}

WindowSurface::~WindowSurface() = default;

void WindowSurface::resize(Point size)
{
    *m_image = QImage(std::max(size.x, 1), std::max(size.y, 1), QImage::Format_RGB32);
    m_image->fill(Qt::white);
}

Point WindowSurface::extent() const
{
    return {m_image->width(), m_image->height()};
}

ColorRef WindowSurface::pixelAt(Point p) const
{
    QRgb c = m_image->pixel(p.x, p.y);
    return rgb(uint8_t(qRed(c)), uint8_t(qGreen(c)), uint8_t(qBlue(c)));
}
