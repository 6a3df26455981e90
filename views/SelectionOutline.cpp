#include "views/SelectionOutline.h"

#include "framework/CursorFlash.h"
#include "framework/GraphicsContext.h"
#include "pixels/MaskImage.h"
#include "views/ImageView.h"

void SelectionOutline::setRegion(const Region* region)
{
    bool none = !region || region->isEmpty();
    // A new record of the same dots (a lift, another paste mode) keeps the frame as it is.
    if (none ? !m_dots : m_dots && *m_dots == *region && m_zoom == m_view.zoom())
        return;
    if (!none && m_dots && m_zoom == m_view.zoom() && moveBand(*region))
        return;
    invalidateBand();
    if (none)
        m_dots.reset();
    else
        m_dots = *region;
    rebuild();
}

bool SelectionOutline::moveBand(const Region& region)
{
    Point from = m_dots->bounds().topLeft(), to = region.bounds().topLeft();
    Region moved = *m_dots;
    moved.offset(to.x - from.x, to.y - from.y);
    if (!(moved == region))
        return false;
    invalidateBand();
    m_dots = std::move(moved);
    m_band.offset((to.x - from.x) * m_zoom, (to.y - from.y) * m_zoom);
    invalidateBand();
    return true;
}

void SelectionOutline::followZoom()
{
    if (m_dots && m_zoom != m_view.zoom()) {
        invalidateBand();
        rebuild();
    }
}

void SelectionOutline::rebuild()
{
    m_zoom = m_view.zoom();
    m_shown = true;
    if (!m_dots) {
        m_band.setEmpty();
        m_timer.stop();
        return;
    }
    ++m_rebuilds;
    Rect box = m_dots->bounds();
    Region zoomed;
    zoomed.setFromMask(*m_dots->toMask(), {m_zoom, m_zoom});
    zoomed.offset(box.left * m_zoom, box.top * m_zoom);
    m_band = zoomed.frameBand(1);
    // A desktop whose cursor does not blink gets a steady frame.
    if (int32_t phase = blinkPhaseMs(); phase > 0)
        m_timer.start(phase);
    else
        m_timer.stop();
    invalidateBand();
}

Point SelectionOutline::shift() const
{
    Point origin = m_view.origin();
    return {-origin.x * m_zoom, -origin.y * m_zoom};
}

void SelectionOutline::invalidateBand() const
{
    if (m_band.isEmpty())
        return;
    Point by = shift();
    Region shown = m_band;
    shown.intersectRect(Rect::fromSize({-by.x, -by.y}, m_view.size()));
    for (const Rect& piece : shown.rects())
        m_view.invalidate(piece.translated(by.x, by.y));
}

void SelectionOutline::paint(GraphicsContext& gc, const Rect& clip) const
{
    if (!m_shown || m_band.isEmpty() || m_zoom != m_view.zoom())
        return;
    Point by = shift();
    Region shown = m_band;
    shown.intersectRect(clip.translated(-by.x, -by.y));
    if (shown.isEmpty())
        return;
    shown.offset(by.x, by.y);
    gc.setInvertMode();
    gc.fillRegion(shown, Brush::solid(GraphicsContext::invertInk));
    gc.restoreDefaults();
}

bool SelectionOutline::tick(Timer&)
{
    m_shown = !m_shown;
    invalidateBand();
    return false;
}
