#include "views/tools/HandTool.h"

#include "views/tools/ToolEnvironment.h"

#include <algorithm>

namespace {

class HandTracker : public Visual::Tracker {
public:
    explicit HandTracker(ToolEnvironment& view) : m_view(view) {}
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override { m_grabbed = m_view.viewToDot(m_state.at); }
    bool continues() const override { return m_state.leftButton; }
    void step() override
    {
        // The origin that puts the grabbed dot under the pointer, kept so that at least one dot of
        // the picture stays in view.
        Point under = m_view.viewToDot(m_state.at);
        Point origin = m_view.origin();
        Point target{origin.x + m_grabbed.x - under.x, origin.y + m_grabbed.y - under.y};
        Rect bounds = m_view.imageBounds();
        Point shown = m_view.viewDots();
        target.x = std::clamp(target.x, bounds.left - shown.x + 1, bounds.right - 1);
        target.y = std::clamp(target.y, bounds.top - shown.y + 1, bounds.bottom - 1);
        m_view.scrollTo(target);
    }
    void end() override {}

private:
    ToolEnvironment& m_view;
    Visual::MouseEvent m_state{};
    Point m_grabbed;
};

} // namespace

void HandTool::press(const Visual::MouseEvent& event)
{
    if (environment().imageBounds().contains(environment().viewToDot(event.at)))
        environment().track(std::make_unique<HandTracker>(environment()), event);
}
