#include "views/EditTrackers.h"

#include "views/EditView.h"

#include <algorithm>

void HandTracker::begin()
{
    m_grabbed = m_view.viewToDot(m_state.at);
}

void HandTracker::step()
{
    // The origin that puts the grabbed dot under the pointer, kept so that at least one dot of the
    // picture stays in view.
    Point under = m_view.viewToDot(m_state.at);
    Point origin = m_view.origin();
    Point target{origin.x + m_grabbed.x - under.x, origin.y + m_grabbed.y - under.y};
    Rect bounds = m_view.imageBounds();
    Point shown = m_view.viewDots();
    target.x = std::clamp(target.x, bounds.left - shown.x + 1, bounds.right - 1);
    target.y = std::clamp(target.y, bounds.top - shown.y + 1, bounds.bottom - 1);
    m_view.scrollTo(target);
}

void HandTracker::end() {}

void PickTracker::begin() {}

void PickTracker::step()
{
    Point dot = m_view.viewToDot(m_state.at);
    if (dot == m_last || !m_view.imageBounds().contains(dot))
        return;
    m_last = dot;
    m_pick(dot);
}
