#include "views/tools/LineTool.h"

#include "document/StraightLine.h"
#include "framework/GraphicsContext.h"
#include "views/InformationDisplay.h"
#include "views/tools/LineToolDialog.h"
#include "views/tools/ToolEnvironment.h"

#include <cstdlib>

namespace {

// The nearest multiple of unit, halves away from zero.
int32_t nearestMultiple(int32_t v, int32_t unit)
{
    int32_t magnitude = (std::abs(v) * 2 + unit) / (2 * unit) * unit;
    return v < 0 ? -magnitude : magnitude;
}

// The plus marks at the line's ends reach this far from the dot's centre.
constexpr int32_t markReach = 5;

} // namespace

class LineTracker : public Visual::Tracker {
public:
    LineTracker(LineTool& tool, ToolEnvironment& view, Point start) : m_tool(tool), m_view(view), m_start(start) {}
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override {}
    bool continues() const override { return m_state.leftButton; }
    void step() override
    {
        m_end = LineTool::endFor(m_start, m_view.viewToDot(m_state.at), m_view.unitSize(), m_state.shift);
        m_tool.showFeedback(std::pair{m_start, m_end});
        if (InformationDisplay* information = m_view.information())
            information->showPosition(m_end);
    }
    void end() override
    {
        m_tool.showFeedback(std::nullopt);
        if (BitmapDocument* picture = m_view.document())
            drawStraightLine(*picture, m_start, m_end, m_tool.width());
    }

private:
    LineTool& m_tool;
    ToolEnvironment& m_view;
    Point m_start;
    Point m_end = m_start;
    Visual::MouseEvent m_state{};
};

Point LineTool::startFor(Point dot, Point unit)
{
    return {nearestMultiple(dot.x, unit.x), nearestMultiple(dot.y, unit.y)};
}

Point LineTool::endFor(Point start, Point dot, Point unit, bool shift)
{
    Point delta{nearestMultiple(dot.x - start.x, unit.x), nearestMultiple(dot.y - start.y, unit.y)};
    if (shift) {
        int32_t c = std::max(std::abs(delta.x), std::abs(delta.y));
        // Each axis goes all the way or not at all: horizontal, vertical or diagonal.
        auto snap = [c](int32_t v) { return 2 * std::abs(v) < c ? 0 : v < 0 ? -c : c; };
        delta = {snap(delta.x), snap(delta.y)};
    }
    return {start.x + delta.x, start.y + delta.y};
}

void LineTool::press(const Visual::MouseEvent& event)
{
    ToolEnvironment& view = environment();
    Point dot = view.viewToDot(event.at);
    if (!view.document() || !view.imageBounds().contains(dot))
        return;
    view.track(std::make_unique<LineTracker>(*this, view, startFor(dot, view.unitSize())), event);
}

Rect LineTool::feedbackArea() const
{
    ToolEnvironment& view = environment();
    auto [start, end] = *m_feedback;
    Point a = view.dotToView(start), b = view.dotToView(end);
    int32_t half = view.zoom() / 2;
    return {std::min(a.x, b.x) + half - markReach, std::min(a.y, b.y) + half - markReach,
            std::max(a.x, b.x) + half + markReach + 1, std::max(a.y, b.y) + half + markReach + 1};
}

void LineTool::showFeedback(std::optional<std::pair<Point, Point>> line)
{
    if (m_feedback)
        environment().invalidate(feedbackArea());
    m_feedback = line;
    if (m_feedback)
        environment().invalidate(feedbackArea());
}

void LineTool::paintOver(GraphicsContext& gc)
{
    if (!m_feedback)
        return;
    ToolEnvironment& view = environment();
    int32_t half = view.zoom() / 2;
    auto centre = [&](Point dot) {
        Point p = view.dotToView(dot);
        return Point{p.x + half, p.y + half};
    };
    Point a = centre(m_feedback->first), b = centre(m_feedback->second);
    gc.setInvertMode();
    gc.select(GraphicsPen{rgb(0, 0, 0), 1});
    gc.moveTo(a).lineTo(b);
    for (Point p : {a, b}) {
        gc.moveTo({p.x - markReach, p.y}).lineTo({p.x + markReach + 1, p.y});
        gc.moveTo({p.x, p.y - markReach}).lineTo({p.x, p.y + markReach + 1});
    }
    gc.restoreDefaults();
}

bool LineTool::openOptions()
{
    if (std::optional<int> width = runLineToolDialog(m_width))
        m_width = *width;
    return true;
}
