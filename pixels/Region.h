#pragma once

#include "core/Geometry.h"

#include <memory>
#include <vector>

class MaskImage;
class QRegion;

// A set of dots held as a union of rectangles: the shape of every selection.
class Region {
public:
    Region();
    Region(const Region& other);
    Region& operator=(const Region& other);
    ~Region();

    void setEmpty();
    void setRect(const Rect& r);
    // The dots inside the outline of the ellipse drawn one dot outside r on every side.
    void setEllipse(const Rect& r);
    // The polygon through the points, inside by the winding rule.
    void setPolygon(const Point* points, int count);
    // The union over the mask's runs of 1 bits of the runs scaled by scale; a negative scale mirrors.
    void setFromMask(const MaskImage& mask, Point scale);
    void copy(const Region& other) { *this = other; }

    Rect bounds() const;
    bool isEmpty() const;
    bool contains(Point p) const;
    bool intersectsRect(const Rect& r) const;
    // Whether both hold the same dots.
    bool operator==(const Region& other) const;
    // The rectangles the region is the union of, band by band from the top.
    std::vector<Rect> rects() const;

    void offset(int32_t dx, int32_t dy);
    void intersectRect(const Rect& r);
    void unionRect(const Rect& r);
    void xorRect(const Rect& r);
    void unionRegion(const Region& other);
    void subtract(const Region& other);
    // The region mirrored within its bounds across the axes asked for, so that it stays aligned with
    // an image of its bounds flipped the same way.
    Region mirrored(bool horizontally, bool vertically) const;
    // The region turned a quarter, clockwise or not, its bounds' top-left corner kept: aligned with
    // an image of its bounds given the same exact quarter turn.
    Region quarterTurned(bool clockwise) const;

    // A mask of the bounding size whose 1 bits are the region's dots; its (0, 0) is bounds()'s corner.
    std::shared_ptr<MaskImage> toMask() const;

    // The band width dots wide along the region's inside edge: its dots with a neighbour within
    // width dots (across or down) outside it.
    Region frameBand(int width) const;

    const QRegion& qRegion() const { return *m_region; }

private:
    std::unique_ptr<QRegion> m_region;
};
