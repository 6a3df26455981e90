#include "views/tools/RubberBand.h"

#include "framework/GraphicsContext.h"
#include "views/InformationDisplay.h"
#include "views/tools/ToolEnvironment.h"

#include <cstdlib>

bool leftStartBox(Point press, Point pointer)
{
    return std::abs(pointer.x - press.x) > dragThreshold || std::abs(pointer.y - press.y) > dragThreshold;
}

namespace {

struct Span {
    int32_t from, to;
};

// One axis of the band in units: s and c are the press's and the pointer's unit numbers, n the
// number of units the side keeps when it is cut to a square (or the half side when centred).
Span axis(int32_t s, int32_t c, std::optional<int32_t> n, bool centred)
{
    int32_t half = n ? *n : std::abs(c - s);
    if (centred)
        return {s - half, s + half + 1};
    if (!n)
        return {std::min(s, c), std::max(s, c) + 1};
    return c >= s ? Span{s, s + *n} : Span{s + 1 - *n, s + 1};
}

} // namespace

Rect bandRect(Point press, Point current, Point unit, bool square, bool centred)
{
    Point s{floorDiv(press.x, unit.x), floorDiv(press.y, unit.y)};
    Point c{floorDiv(current.x, unit.x), floorDiv(current.y, unit.y)};
    std::optional<int32_t> n;
    if (square) {
        // Sides counted in units: a centred square compares the half sides.
        int32_t extra = centred ? 0 : 1;
        n = std::min(std::abs(c.x - s.x), std::abs(c.y - s.y)) + extra;
    }
    Span x = axis(s.x, c.x, n, centred), y = axis(s.y, c.y, n, centred);
    return {x.from * unit.x, y.from * unit.y, x.to * unit.x, y.to * unit.y};
}

void BandFeedback::show(std::optional<Rect> dots)
{
    if (m_dots)
        m_view.invalidate(m_view.dotsToView(*m_dots));
    m_dots = dots;
    if (m_dots)
        m_view.invalidate(m_view.dotsToView(*m_dots));
}

void BandFeedback::paint(GraphicsContext& gc) const
{
    if (!m_dots)
        return;
    gc.setInvertMode();
    gc.frameRect(m_view.dotsToView(*m_dots), rgb(0, 0, 0));
    gc.restoreDefaults();
}

RubberBandTracker::RubberBandTracker(ToolEnvironment& view, BandFeedback& feedback, Done done)
    : m_view(view), m_feedback(feedback), m_done(std::move(done))
{
}

void RubberBandTracker::begin()
{
    m_pressPixel = m_state.at;
    m_pressDot = m_view.viewToDot(m_state.at);
}

void RubberBandTracker::step()
{
    if (!m_band && !leftStartBox(m_pressPixel, m_state.at))
        return;
    Rect band = bandRect(m_pressDot, m_view.viewToDot(m_state.at), m_view.unitSize(), m_state.shift, m_state.control);
    if (band == m_band)
        return;
    m_band = band;
    m_feedback.show(band);
    if (InformationDisplay* information = m_view.information())
        information->showSelection(band);
}

void RubberBandTracker::end()
{
    // The release may come where no move was seen.
    step();
    m_feedback.show(std::nullopt);
    m_done(m_band);
}
