#include "views/ViewScroller.h"

#include "views/ImageView.h"

#include <algorithm>

namespace {

int32_t along(Point p, bool vertical)
{
    return vertical ? p.y : p.x;
}

} // namespace

int32_t ViewScroller::rangeSize() const
{
    Rect bounds = m_view.imageBounds();
    return m_vertical ? bounds.height() : bounds.width();
}

int32_t ViewScroller::pageSize() const
{
    return along(m_view.viewDots(), m_vertical);
}

int32_t ViewScroller::position() const
{
    return along(m_view.origin(), m_vertical);
}

void ViewScroller::step(int32_t n)
{
    setPosition(position() + n * std::max(1, pageSize() / 8));
}

void ViewScroller::page(int32_t n)
{
    setPosition(position() + n * std::max(1, pageSize() - 1));
}

void ViewScroller::setPosition(int32_t position)
{
    // A picture smaller than the view stays where the zoom put it.
    if (rangeSize() <= pageSize())
        return;
    int32_t clamped = std::clamp(position, 0, rangeSize() - pageSize());
    Point origin = m_view.origin();
    m_view.scrollTo(m_vertical ? Point{origin.x, clamped} : Point{clamped, origin.y});
}
