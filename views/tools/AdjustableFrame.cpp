#include "views/tools/AdjustableFrame.h"

#include "framework/Brush.h"
#include "framework/GraphicsContext.h"
#include "pixels/Region.h"
#include "views/InformationDisplay.h"
#include "views/tools/GridCorner.h"
#include "views/tools/ToolEnvironment.h"

#include <array>

namespace {

// Corners first, so that they win on a frame too small to keep the squares apart.
constexpr std::array<FrameHandle, 8> handles{{
    {-1, -1},
    {1, -1},
    {1, 1},
    {-1, 1},
    {0, -1},
    {1, 0},
    {0, 1},
    {-1, 0},
}};

// The pixel a handle is centred on along one axis of the frame's window span [from, to).
int32_t handleCentre(int32_t from, int32_t to, int32_t side)
{
    return side < 0 ? from : side > 0 ? to - 1 : from + (to - from) / 2;
}

} // namespace

class FrameTracker : public Visual::Tracker {
public:
    FrameTracker(AdjustableFrame& frame, FrameHandle handle, AdjustableFrame::Rule rule)
        : m_frame(frame), m_handle(handle), m_rule(std::move(rule)), m_start(*frame.rect())
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override { m_frame.m_dragging = true; }
    bool continues() const override { return m_state.leftButton; }
    void step() override
    {
        ToolEnvironment& view = m_frame.m_view;
        Point corner = view.dotToView({});
        Point at = nearestGridCorner({m_state.at.x - corner.x, m_state.at.y - corner.y}, view.zoom(), {1, 1});
        Rect next = m_rule(m_start, m_handle, at, m_state);
        if (next == *m_frame.rect())
            return;
        m_frame.set(next);
        if (InformationDisplay* information = view.information())
            information->showSelection(next);
    }
    void end() override
    {
        // The release may come where no move was seen.
        step();
        m_frame.m_dragging = false;
    }

private:
    AdjustableFrame& m_frame;
    FrameHandle m_handle;
    AdjustableFrame::Rule m_rule;
    Rect m_start;
    Visual::MouseEvent m_state{};
};

Rect AdjustableFrame::handleSquare(const Rect& shown, FrameHandle handle)
{
    Point centre{handleCentre(shown.left, shown.right, handle.x), handleCentre(shown.top, shown.bottom, handle.y)};
    int32_t reach = handleSize / 2;
    return {centre.x - reach, centre.y - reach, centre.x + reach + 1, centre.y + reach + 1};
}

std::optional<FrameHandle> AdjustableFrame::handleAt(const Rect& shown, Point pixel)
{
    for (FrameHandle handle : handles)
        if (handleSquare(shown, handle).contains(pixel))
            return handle;
    return std::nullopt;
}

Rect AdjustableFrame::adjusted(const Rect& frame, FrameHandle handle, Point corner, Point minimum)
{
    Rect r = frame;
    if (handle.x < 0)
        r.left = std::min(corner.x, r.right - minimum.x);
    else if (handle.x > 0)
        r.right = std::max(corner.x, r.left + minimum.x);
    if (handle.y < 0)
        r.top = std::min(corner.y, r.bottom - minimum.y);
    else if (handle.y > 0)
        r.bottom = std::max(corner.y, r.top + minimum.y);
    return r;
}

std::optional<FrameHandle> AdjustableFrame::handleAt(Point pixel) const
{
    if (!m_rect)
        return std::nullopt;
    return handleAt(m_view.dotsToView(*m_rect), pixel);
}

Rect AdjustableFrame::shownArea() const
{
    Rect shown = m_view.dotsToView(*m_rect);
    int32_t reach = handleSize / 2;
    return {shown.left - reach, shown.top - reach, shown.right + reach, shown.bottom + reach};
}

void AdjustableFrame::set(std::optional<Rect> dots)
{
    if (m_rect)
        m_view.invalidate(shownArea());
    m_rect = dots;
    if (m_rect)
        m_view.invalidate(shownArea());
}

void AdjustableFrame::drag(FrameHandle handle, const Visual::MouseEvent& press, Rule rule)
{
    if (m_rect)
        m_view.track(std::make_unique<FrameTracker>(*this, handle, std::move(rule)), press);
}

void AdjustableFrame::paint(GraphicsContext& gc) const
{
    if (!m_rect)
        return;
    // One region, so that the handles and the frame under them are inverted once.
    Rect shown = m_view.dotsToView(*m_rect);
    Region marks;
    marks.setRect(shown);
    Region inside;
    inside.setRect({shown.left + 1, shown.top + 1, shown.right - 1, shown.bottom - 1});
    marks.subtract(inside);
    for (FrameHandle handle : handles)
        marks.unionRect(handleSquare(shown, handle));
    gc.setInvertMode();
    gc.fillRegion(marks, Brush::solid(rgb(0, 0, 0)));
    gc.restoreDefaults();
}
