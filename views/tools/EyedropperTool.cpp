#include "views/tools/EyedropperTool.h"

#include "document/BitmapDocument.h"
#include "views/ColorPicker.h"
#include "views/tools/ToolEnvironment.h"

#include <functional>

namespace {

// Picks at every new dot inside the picture while the button that started it is held. The
// information panel's colour sub-panel shows the colour meanwhile and goes again afterwards if it
// was hidden before.
class PickTracker : public Visual::Tracker {
public:
    PickTracker(ToolEnvironment& view, std::function<void(Point dot)> pick, bool rightButton)
        : m_view(view), m_pick(std::move(pick)), m_rightButton(rightButton)
    {
    }
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override
    {
        if (InformationDisplay* information = m_view.information(); information && !information->isSubShown(colorSub)) {
            m_hideAfter = true;
            information->showSub(colorSub);
        }
    }
    bool continues() const override { return m_rightButton ? m_state.rightButton : m_state.leftButton; }
    void step() override
    {
        Point dot = m_view.viewToDot(m_state.at);
        if (dot == m_last || !m_view.imageBounds().contains(dot))
            return;
        m_last = dot;
        m_pick(dot);
        BitmapDocument* picture = m_view.document();
        if (InformationDisplay* information = m_view.information(); information && picture)
            information->showColor(picture->pixelAt(dot));
    }
    void end() override
    {
        if (InformationDisplay* information = m_view.information(); information && m_hideAfter)
            information->hideSub(colorSub);
    }

private:
    static constexpr InformationDisplay::Sub colorSub = InformationDisplay::color;

    ToolEnvironment& m_view;
    std::function<void(Point dot)> m_pick;
    bool m_rightButton;
    bool m_hideAfter = false;
    Visual::MouseEvent m_state{};
    Point m_last{-1, -1};
};

} // namespace

std::string EyedropperTool::pointer(const ToolKeys&) const
{
    return environment().capsLock() ? "EYEDROPPER_CROSS_CURS" : "EYEDROPPER_CURS";
}

void EyedropperTool::reportInformation(InformationDisplay& information, std::optional<Point> dot)
{
    if (BitmapDocument* picture = environment().document(); picture && dot)
        information.showColor(picture->pixelAt(*dot));
}

void EyedropperTool::pick(const Visual::MouseEvent& event, bool rightButton)
{
    ToolEnvironment& view = environment();
    if (!view.imageBounds().contains(view.viewToDot(event.at)))
        return;
    std::function<void(Point)> pick = [&view, background = event.shift](Point dot) {
        BitmapDocument* picture = view.document();
        if (!picture)
            return;
        ColorRef color = picture->pixelAt(dot);
        background ? picture->setBackgroundColor(color) : picture->setDrawingColor(color);
    };
    // The target is asked for at every dot: the dialog may end while the button is still held.
    if (view.colorPicker().target() && !rightButton)
        pick = [&view, second = event.shift](Point dot) {
            ColorPickerTarget* target = view.colorPicker().target();
            if (BitmapDocument* picture = view.document(); picture && target)
                target->picked(target->convert(picture->pixelAt(dot)), second);
        };
    view.track(std::make_unique<PickTracker>(view, std::move(pick), rightButton), event);
}
