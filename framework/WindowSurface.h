#pragma once

#include "base/Color.h"
#include "core/Geometry.h"

#include <memory>

class QImage;

// The pixels of a window's client area. Window contexts draw here and the window shows it; tests
// read the painted pixels back.
class WindowSurface {
public:
    explicit WindowSurface(Point size);
    ~WindowSurface();

    void resize(Point size);
    Point extent() const;
    ColorRef pixelAt(Point p) const;
    QImage& image() { return *m_image; }

private:
    std::unique_ptr<QImage> m_image;
};
