#include "views/tools/PencilTool.h"

#include "document/PencilStroke.h"
#include "views/InformationDisplay.h"
#include "views/tools/PenToolDialog.h"
#include "views/tools/ToolEnvironment.h"

#include <cstdlib>

// Follows the pointer from the press to the release; the first move to another dot fixes the axis
// that Shift locks the stroke to.
class PencilTracker : public Visual::Tracker {
public:
    PencilTracker(PencilTool& tool, ToolEnvironment& view, std::unique_ptr<PencilStroke> stroke, Point press)
        : m_tool(tool), m_view(view), m_stroke(std::move(stroke)), m_press(press)
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override {}
    bool continues() const override { return m_state.leftButton; }
    void step() override
    {
        Point dot = m_view.viewToDot(m_state.at);
        if (!m_vertical) {
            if (dot == m_press)
                return;
            m_vertical = std::abs(dot.y - m_press.y) > std::abs(dot.x - m_press.x);
        }
        if (m_state.shift)
            *m_vertical ? dot.x = m_press.x : dot.y = m_press.y;
        if (dot == m_stroke->end())
            return;
        m_stroke->moveTo(dot);
        if (InformationDisplay* information = m_view.information())
            information->showPosition(dot);
    }
    void end() override { m_tool.m_lastEnd = m_stroke->end(); }

private:
    PencilTool& m_tool;
    ToolEnvironment& m_view;
    std::unique_ptr<PencilStroke> m_stroke;
    Point m_press;
    Visual::MouseEvent m_state{};
    std::optional<bool> m_vertical;
};

std::string PencilTool::pointer(const ToolKeys&) const
{
    return environment().capsLock() ? "CROSS_POINT_CURS" : "PENCIL_CURS";
}

void PencilTool::press(const Visual::MouseEvent& event)
{
    ToolEnvironment& view = environment();
    Point dot = view.viewToDot(event.at);
    BitmapDocument* picture = view.document();
    if (!picture || !view.imageBounds().contains(dot))
        return;
    auto stroke = std::make_unique<PencilStroke>(*picture, m_penIndex);
    stroke->press(dot, event.shift ? m_lastEnd : std::nullopt);
    view.track(std::make_unique<PencilTracker>(*this, view, std::move(stroke), dot), event);
}

bool PencilTool::openOptions()
{
    if (std::optional<int> index = runPenToolDialog(m_penIndex))
        m_penIndex = *index;
    return true;
}
