#include "views/tools/AdjustableFrame.h"

#include "framework/Brush.h"
#include "framework/GraphicsContext.h"
#include "pixels/Region.h"
#include "views/tools/GridCorner.h"
#include "views/tools/MirroredRect.h"
#include "views/tools/ToolEnvironment.h"
#include "views/tools/TurnedRect.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <span>

namespace {

// Corners first, so that they win on a frame too small to keep the squares apart.
constexpr std::array<FrameHandle, 8> allHandles{{
    {-1, -1},
    {1, -1},
    {1, 1},
    {-1, 1},
    {0, -1},
    {1, 0},
    {0, 1},
    {-1, 0},
}};

std::span<const FrameHandle> handlesOf(AdjustableFrame::Handles handles)
{
    return std::span<const FrameHandle>(allHandles).first(handles == AdjustableFrame::Handles::corners ? 4 : 8);
}

// The point `steps` pixels along the line from a towards b, counted on its longer axis.
Point along(Point a, Point b, int32_t steps)
{
    int32_t length = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    auto at = [&](int32_t from, int32_t to) { return from + int32_t(std::lround(double(to - from) * steps / length)); };
    return {at(a.x, b.x), at(a.y, b.y)};
}

} // namespace

class FrameTracker : public Visual::Tracker {
public:
    // Moves the frame for a pointer state; answers whether it changed.
    using Follow = std::function<bool(const Visual::MouseEvent&)>;

    FrameTracker(AdjustableFrame& frame, Follow follow, AdjustableFrame::Moved moved)
        : m_frame(frame), m_follow(std::move(follow)), m_moved(std::move(moved))
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override { m_frame.m_dragging = true; }
    bool continues() const override { return m_state.leftButton; }
    void step() override
    {
        if (m_follow(m_state) && m_moved)
            m_moved();
    }
    void end() override
    {
        // The release may come where no move was seen.
        step();
        m_frame.m_dragging = false;
    }

private:
    AdjustableFrame& m_frame;
    Follow m_follow;
    AdjustableFrame::Moved m_moved;
    Visual::MouseEvent m_state{};
};

Rect AdjustableFrame::handleSquare(const Rect& shown, FrameHandle handle, double angle)
{
    Point centre = turnedHandlePoint(shown, handle, angle);
    int32_t reach = handleSize / 2;
    return {centre.x - reach, centre.y - reach, centre.x + reach + 1, centre.y + reach + 1};
}

std::optional<FrameHandle> AdjustableFrame::handleAt(const Rect& shown, Point pixel, Handles handles, double angle)
{
    for (FrameHandle handle : handlesOf(handles))
        if (handleSquare(shown, handle, angle).contains(pixel))
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
    return handleAt(shown(), pixel, m_handles, m_turn);
}

Rect AdjustableFrame::shown() const
{
    return m_view.dotsToView(normalized(*m_rect));
}

Rect AdjustableFrame::shownArea() const
{
    Rect box = shown();
    if (m_turn != 0) {
        std::array<Point, 4> corners = turnedCorners(box, m_turn);
        box = {corners[0].x, corners[0].y, corners[0].x + 1, corners[0].y + 1};
        for (Point p : corners)
            box = box.united({p.x, p.y, p.x + 1, p.y + 1});
    }
    int32_t reach = handleSize / 2;
    return {box.left - reach, box.top - reach, box.right + reach, box.bottom + reach};
}

void AdjustableFrame::invalidateShown()
{
    if (m_rect)
        m_view.invalidate(shownArea());
}

void AdjustableFrame::set(std::optional<Rect> dots)
{
    invalidateShown();
    m_rect = dots;
    invalidateShown();
}

void AdjustableFrame::setTurn(double angle)
{
    invalidateShown();
    m_turn = angle;
    invalidateShown();
}

void AdjustableFrame::track(std::function<bool(const Visual::MouseEvent&)> follow, const Visual::MouseEvent& press,
                            Moved moved)
{
    if (m_rect)
        m_view.track(std::make_unique<FrameTracker>(*this, std::move(follow), std::move(moved)), press);
}

void AdjustableFrame::drag(FrameHandle handle, const Visual::MouseEvent& press, Rule rule, Moved moved)
{
    if (!m_rect)
        return;
    Rect start = *m_rect;
    auto follow = [this, handle, start, rule = std::move(rule)](const Visual::MouseEvent& state) {
        Point corner = m_view.dotToView({});
        Point at = nearestGridCorner({state.at.x - corner.x, state.at.y - corner.y}, m_view.zoom(), {1, 1});
        Rect next = rule(start, handle, at, state);
        if (next == *m_rect)
            return false;
        set(next);
        return true;
    };
    track(std::move(follow), press, std::move(moved));
}

void AdjustableFrame::dragTurn(FrameHandle corner, const Visual::MouseEvent& press, TurnRule rule, Moved moved)
{
    auto follow = [this, corner, rule = std::move(rule)](const Visual::MouseEvent& state) {
        double angle = rule(corner, state.at);
        if (angle == m_turn)
            return false;
        setTurn(angle);
        return true;
    };
    track(std::move(follow), press, std::move(moved));
}

void AdjustableFrame::paint(GraphicsContext& gc) const
{
    if (!m_rect)
        return;
    Rect box = shown();
    if (m_turn != 0) {
        paintTurned(gc, box);
        return;
    }
    // One region, so that the handles and the frame under them are inverted once.
    Region marks;
    marks.setRect(box);
    Region inside;
    inside.setRect({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1});
    marks.subtract(inside);
    for (FrameHandle handle : handlesOf(m_handles))
        marks.unionRect(handleSquare(box, handle));
    gc.setInvertMode();
    gc.fillRegion(marks, Brush::solid(rgb(0, 0, 0)));
    gc.restoreDefaults();
}

void AdjustableFrame::paintTurned(GraphicsContext& gc, const Rect& box) const
{
    Region squares;
    for (FrameHandle handle : handlesOf(m_handles))
        squares.unionRect(handleSquare(box, handle, m_turn));
    gc.setInvertMode();
    gc.fillRegion(squares, Brush::solid(rgb(0, 0, 0)));
    // The edges stop short of the corner squares, so that no pixel is inverted twice.
    int32_t reach = handleSize / 2;
    gc.select(GraphicsPen{rgb(0, 0, 0), 1});
    std::array<Point, 4> corners = turnedCorners(box, m_turn);
    for (size_t i = 0; i < corners.size(); ++i) {
        Point a = corners[i], b = corners[(i + 1) % corners.size()];
        if (std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) <= 2 * reach + 1)
            continue;
        gc.moveTo(along(a, b, reach + 1)).lineTo(along(b, a, reach));
    }
    gc.restoreDefaults();
}
