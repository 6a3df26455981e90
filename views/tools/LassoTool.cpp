#include "views/tools/LassoTool.h"

#include "document/BitmapDocument.h"
#include "document/SelectionCommands.h"
#include "pixels/Region.h"
#include "views/InformationDisplay.h"
#include "views/tools/GridCorner.h"
#include "views/tools/ToolEnvironment.h"

namespace {

class LassoTracker : public Visual::Tracker {
public:
    LassoTracker(ToolEnvironment& view, LassoFeedback& feedback, BitmapDocument& document)
        : m_view(view), m_feedback(feedback), m_document(document)
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override { follow(); }
    bool continues() const override { return m_state.leftButton; }
    void step() override { follow(); }
    void end() override
    {
        // The release may come where no move was seen.
        follow();
        m_feedback.show(nullptr);
        const std::vector<Point>& points = m_path.points();
        if (points.size() < 2)
            return;
        Region region;
        region.setPolygon(points.data(), int(points.size()));
        selectionCommands::selectRegion(m_document, std::move(region));
    }

private:
    void follow()
    {
        Point corner = m_view.dotToView({});
        Point pointer{m_state.at.x - corner.x, m_state.at.y - corner.y};
        size_t before = m_path.points().size();
        Point last = before ? m_path.points().back() : Point{};
        Point unit = m_view.unitSize();
        m_path.extend(nearestGridCorner(pointer, m_view.zoom(), unit), pointer, m_view.zoom(), unit);
        if (m_path.points().size() == before && m_path.points().back() == last)
            return;
        m_feedback.show(&m_path.points());
        if (InformationDisplay* information = m_view.information())
            information->showPosition(m_path.points().back());
    }

    ToolEnvironment& m_view;
    LassoFeedback& m_feedback;
    BitmapDocument& m_document;
    LassoPath m_path;
    Visual::MouseEvent m_state{};
};

} // namespace

std::string LassoTool::pointer(const ToolKeys& keys) const
{
    if (m_drag.covers(keys.dot))
        return "";
    return environment().capsLock() ? "CROSS_POINT_CURS" : "LASSO_CURS";
}

void LassoTool::press(const Visual::MouseEvent& event)
{
    ToolEnvironment& view = environment();
    BitmapDocument* document = m_drag.pressToSelect(event);
    if (!document)
        return;
    view.track(std::make_unique<LassoTracker>(view, m_path, *document), event);
}

void LassoTool::paintOver(GraphicsContext& gc)
{
    m_path.paint(gc);
    m_drag.paint(gc);
}
