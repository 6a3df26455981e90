#include "views/tools/LassoPath.h"

#include "framework/GraphicsContext.h"
#include "views/tools/ToolEnvironment.h"

#include <cstdlib>

namespace {

int32_t sign(int32_t v)
{
    return (v > 0) - (v < 0);
}

} // namespace

void LassoPath::add(Point n)
{
    size_t count = m_points.size();
    if (count >= 2) {
        Point last = m_points[count - 1], before = m_points[count - 2];
        if (n == before) {
            m_points.pop_back();
            return;
        }
        if (int64_t(n.y - last.y) * (last.x - before.x) == int64_t(last.y - before.y) * (n.x - last.x))
            m_points.pop_back();
    }
    m_points.push_back(n);
}

void LassoPath::extend(Point target, Point pointer, int32_t zoom, Point unit)
{
    if (m_points.empty()) {
        m_points.push_back(target);
        return;
    }
    if (unit == Point{1, 1}) {
        if (target != m_points.back())
            add(target);
        return;
    }
    while (m_points.back() != target) {
        Point last = m_points.back();
        Point delta{target.x - last.x, target.y - last.y};
        Point raw{pointer.x - last.x * zoom, pointer.y - last.y * zoom};
        bool across = delta.y == 0 || (delta.x != 0 && int64_t(std::abs(raw.y)) * std::abs(delta.x) <
                                                           int64_t(std::abs(delta.y)) * std::abs(raw.x));
        add(across ? Point{last.x + sign(delta.x) * unit.x, last.y} : Point{last.x, last.y + sign(delta.y) * unit.y});
    }
}

Rect LassoFeedback::area() const
{
    Rect box;
    for (Point p : m_points) {
        Point at = m_view.dotToView(p);
        box = box.united({at.x, at.y, at.x + 1, at.y + 1});
    }
    return box;
}

void LassoFeedback::show(const std::vector<Point>* points)
{
    m_view.invalidate(area());
    m_points = points ? *points : std::vector<Point>{};
    m_view.invalidate(area());
}

void LassoFeedback::paint(GraphicsContext& gc) const
{
    if (m_points.size() < 2)
        return;
    gc.setInvertMode();
    gc.select(GraphicsPen{rgb(0, 0, 0), 1});
    gc.moveTo(m_view.dotToView(m_points.front()));
    for (size_t i = 1; i < m_points.size(); ++i)
        gc.lineTo(m_view.dotToView(m_points[i]));
    gc.restoreDefaults();
}
