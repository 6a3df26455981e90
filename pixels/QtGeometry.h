#pragma once

#include "core/Geometry.h"

#include <QPoint>
#include <QRect>

// Conversions between the program's rectangles (right and bottom exclusive) and Qt's.
inline QRect toQRect(const Rect& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

inline Rect toRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline QPoint toQPoint(Point p)
{
    return QPoint(p.x, p.y);
}
