#pragma once

#include <algorithm>
#include <cstdint>

// Dot and window coordinates. A rectangle includes its left and top edges and excludes its right and
// bottom edges; a rectangle whose right is below its left (or bottom below top) is a mirrored one.
// a / b rounded toward minus infinity (C++ division rounds toward zero); b > 0.
constexpr int32_t floorDiv(int32_t a, int32_t b)
{
    return a / b - (a % b < 0 ? 1 : 0);
}

struct Point {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    static Rect fromSize(Point origin, Point size)
    {
        return {origin.x, origin.y, origin.x + size.x, origin.y + size.y};
    }

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    Point topLeft() const { return {left, top}; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    Rect intersected(const Rect& o) const
    {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.isEmpty() ? Rect{} : r;
    }

    // The smallest rectangle holding both; an empty one adds nothing.
    Rect united(const Rect& o) const
    {
        if (isEmpty())
            return o;
        if (o.isEmpty())
            return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }

    Rect translated(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

    friend bool operator==(const Rect&, const Rect&) = default;
};
