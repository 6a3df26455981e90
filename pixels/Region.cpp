#include "pixels/Region.h"

#include "pixels/MaskImage.h"
#include "pixels/QtGeometry.h"

#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <vector>

Region::Region() : m_region(std::make_unique<QRegion>()) {}

Region::Region(const Region& other) : m_region(std::make_unique<QRegion>(*other.m_region)) {}

Region& Region::operator=(const Region& other)
{
    *m_region = *other.m_region;
    return *this;
}

Region::~Region() = default;

void Region::setEmpty()
{
    *m_region = QRegion();
}

void Region::setRect(const Rect& r)
{
    *m_region = r.isEmpty() ? QRegion() : QRegion(toQRect(r));
}

void Region::setEllipse(const Rect& r)
{
    if (r.isEmpty()) {
        setEmpty();
        return;
    }
    // The outline runs through the ring of dots just outside r; a dot is inside when its centre lies
    // within the ellipse through the middle of that ring.
    int32_t w = r.width(), h = r.height();
    double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0, a = (w + 1) / 2.0, b = (h + 1) / 2.0;
    std::shared_ptr<MaskImage> mask = MaskImage::newMask({w, h});
    mask->clear(false);
    for (int32_t y = 0; y < h; ++y) {
        double dy = (y - cy) / b;
        double half = a * std::sqrt(std::max(0.0, 1 - dy * dy));
        int32_t x0 = std::max(0, int32_t(std::floor(cx - half)) + 1);
        int32_t x1 = std::min(w, int32_t(std::ceil(cx + half)));
        mask->setRun(y, x0, x1);
    }
    setFromMask(*mask, {1, 1});
    offset(r.left, r.top);
}

void Region::setPolygon(const Point* points, int count)
{
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << toQPoint(points[i]);
    *m_region = QRegion(polygon, Qt::WindingFill);
}

void Region::setFromMask(const MaskImage& mask, Point scale)
{
    std::vector<QRect> rects;
    MaskImage::Runs runs, bandRuns;
    int32_t bandTop = 0;
    auto closeBand = [&](int32_t bandBottom) {
        if (bandRuns.empty())
            return;
        int32_t top = bandTop * scale.y, bottom = bandBottom * scale.y;
        if (top > bottom)
            std::swap(top, bottom);
        for (auto [x0, x1] : bandRuns) {
            int32_t left = x0 * scale.x, right = x1 * scale.x;
            if (left > right)
                std::swap(left, right);
            rects.emplace_back(left, top, right - left, bottom - top);
        }
    };
    for (int32_t y = 0; y < mask.height(); ++y) {
        mask.rowRuns(y, runs);
        if (runs == bandRuns)
            continue;
        closeBand(y);
        bandRuns.swap(runs);
        bandTop = y;
    }
    closeBand(mask.height());
    if (scale.x == 0 || scale.y == 0)
        rects.clear();
    // QRegion takes bands sorted by y and then x; mirroring reverses either order.
    if (scale.x < 0 || scale.y < 0)
        std::sort(rects.begin(), rects.end(),
                  [](const QRect& p, const QRect& q) { return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x(); });
    m_region->setRects(rects.data(), int(rects.size()));
}

Rect Region::bounds() const
{
    return m_region->isEmpty() ? Rect{} : toRect(m_region->boundingRect());
}

bool Region::isEmpty() const
{
    return m_region->isEmpty();
}

bool Region::contains(Point p) const
{
    return m_region->contains(toQPoint(p));
}

bool Region::intersectsRect(const Rect& r) const
{
    return !r.isEmpty() && m_region->intersects(toQRect(r));
}

bool Region::operator==(const Region& other) const
{
    return *m_region == *other.m_region;
}

std::vector<Rect> Region::rects() const
{
    std::vector<Rect> pieces;
    pieces.reserve(size_t(m_region->rectCount()));
    for (const QRect& r : *m_region)
        pieces.push_back(toRect(r));
    return pieces;
}

void Region::offset(int32_t dx, int32_t dy)
{
    m_region->translate(dx, dy);
}

void Region::intersectRect(const Rect& r)
{
    *m_region = r.isEmpty() ? QRegion() : m_region->intersected(toQRect(r));
}

void Region::unionRect(const Rect& r)
{
    if (!r.isEmpty())
        *m_region = m_region->united(toQRect(r));
}

void Region::xorRect(const Rect& r)
{
    if (!r.isEmpty())
        *m_region = m_region->xored(QRegion(toQRect(r)));
}

void Region::unionRegion(const Region& other)
{
    *m_region = m_region->united(*other.m_region);
}

void Region::subtract(const Region& other)
{
    *m_region = m_region->subtracted(*other.m_region);
}

std::shared_ptr<MaskImage> Region::toMask() const
{
    Rect box = bounds();
    std::shared_ptr<MaskImage> mask = MaskImage::newMask({std::max(box.width(), 1), std::max(box.height(), 1)});
    mask->clear(false);
    for (const QRect& r : *m_region) {
        Rect dots = toRect(r).translated(-box.left, -box.top);
        for (int32_t y = dots.top; y < dots.bottom; ++y)
            mask->setRun(y, dots.left, dots.right);
    }
    return mask;
}

Region Region::mirrored(bool horizontally, bool vertically) const
{
    Region result;
    if (isEmpty())
        return result;
    Rect box = bounds();
    result.setFromMask(*toMask(), {horizontally ? -1 : 1, vertically ? -1 : 1});
    Rect turned = result.bounds();
    result.offset(box.left - turned.left, box.top - turned.top);
    return result;
}

Region Region::quarterTurned(bool clockwise) const
{
    Region result;
    if (isEmpty())
        return result;
    Rect box = bounds();
    std::shared_ptr<MaskImage> mask = MaskImage::newMask({box.height(), box.width()});
    mask->clear(false);
    for (const QRect& r : *m_region) {
        Rect dots = toRect(r).translated(-box.left, -box.top);
        // Clockwise, source row y becomes column (height - 1 - y); otherwise column x becomes row
        // (width - 1 - x).
        Rect turned = clockwise ? Rect{box.height() - dots.bottom, dots.left, box.height() - dots.top, dots.right}
                                : Rect{dots.top, box.width() - dots.right, dots.bottom, box.width() - dots.left};
        for (int32_t y = turned.top; y < turned.bottom; ++y)
            mask->setRun(y, turned.left, turned.right);
    }
    result.setFromMask(*mask, {1, 1});
    result.offset(box.left, box.top);
    return result;
}

Region Region::frameBand(int width) const
{
    QRegion inner = *m_region;
    inner &= m_region->translated(width, 0);
    inner &= m_region->translated(-width, 0);
    inner &= m_region->translated(0, width);
    inner &= m_region->translated(0, -width);
    Region band;
    *band.m_region = m_region->subtracted(inner);
    return band;
}
