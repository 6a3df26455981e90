#include "views/EditView.h"

#include "core/Aspects.h"
#include "core/VirtualKey.h"
#include "document/BitmapDocument.h"
#include "framework/MenuState.h"
#include "views/EditTrackers.h"
#include "views/ToolBox.h"
#include "views/ZoomSteps.h"

using Visual::KeyEvent;
using Visual::MouseEvent;

EditView::EditView(QWidget* container, ToolBox& tools) : BitmapView(container), m_tools(tools) {}

EditView::~EditView() = default;

const CommandTable<EditView>& EditView::table()
{
    static const CommandTable<EditView> commands{
        {800, &EditView::zoomKey}, {801, &EditView::zoomKey}, {802, &EditView::zoomKey},
        {803, &EditView::zoomKey}, {804, &EditView::zoomKey}, {607, &EditView::toggleMesh},
    };
    return commands;
}

void* EditView::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::EditView::access)
        return this;
    if (aspect == &aspects::Visual::Component::waitingController)
        return offer<Visual::MouseController>(this);
    if (aspect == &aspects::Visual::Component::focusedController)
        return offer<Visual::KeyController>(this);
    if (aspect == &aspects::Window::menuEx)
        return offer<CommandInterface>(this);
    return BitmapView::valueFor(aspect);
}

BitmapDocument* EditView::document() const
{
    return interfaceFor<BitmapDocument>(model(), &aspects::BitmapDocument::access);
}

bool EditView::command(uint32_t id, Window* from)
{
    return table().dispatch(*this, id, from);
}

void EditView::menuOpening(MenuState& popup)
{
    popup.enable(607, mesh() != nullptr);
    popup.check(607, isMeshVisible());
}

bool EditView::zoomKey(uint32_t id, Window*)
{
    zoomAround(ZoomSteps::mainSteps().at(int(id - 800)));
    return true;
}

bool EditView::toggleMesh(uint32_t, Window*)
{
    if (mesh())
        setMeshVisible(!isMeshVisible());
    return true;
}

void EditView::zoomAround(int32_t z)
{
    std::optional<Point> pointer = pointerInside();
    Rect bounds = imageBounds();
    if (pointer && !bounds.isEmpty()) {
        Point dot = viewToDot(*pointer);
        setZoom(z, {std::clamp(dot.x, bounds.left, bounds.right - 1), std::clamp(dot.y, bounds.top, bounds.bottom - 1)});
    } else {
        setZoomKeepingCentre(z);
    }
}

void EditView::zoomAt(Point dot, bool out)
{
    if (!imageBounds().contains(dot))
        return;
    const ZoomSteps& steps = ZoomSteps::mainSteps();
    int32_t next = out ? steps.nextLower(zoom()) : steps.nextHigher(zoom());
    if (next != zoom())
        setZoom(next, dot);
}

void EditView::pickColor(Point dot, bool background)
{
    BitmapDocument* picture = document();
    if (!picture || !imageBounds().contains(dot))
        return;
    ColorRef color = picture->pixelAt(dot);
    if (background)
        picture->setBackgroundColor(color);
    else
        picture->setDrawingColor(color);
}

void EditView::mouseEvent(const MouseEvent& event)
{
    switch (event.kind) {
    case MouseEvent::leftDown:
    case MouseEvent::leftDouble:
        press(event);
        break;
    case MouseEvent::rightDown:
    case MouseEvent::rightDouble:
        if (imageBounds().contains(viewToDot(event.at)))
            track(std::make_unique<EyedropperTracker>(*this, event.shift, true), event);
        break;
    default:
        break;
    }
    updatePointer(event.at, event.shift, event.control, event.rightButton);
}

void EditView::press(const MouseEvent& event)
{
    Point dot = viewToDot(event.at);
    bool inside = imageBounds().contains(dot);
    int tool = m_tools.tool();
    if (m_spaceDown) {
        if (event.shift || event.control)
            zoomAt(dot, event.shift);
        else if (inside)
            track(std::make_unique<HandTracker>(*this), event);
        return;
    }
    if (m_tabDown && tool != ToolBox::draw) {
        if (inside)
            track(std::make_unique<EyedropperTracker>(*this, event.shift, false), event);
        return;
    }
    switch (tool) {
    case ToolBox::zoom: zoomAt(dot, event.shift); break;
    case ToolBox::hand:
        if (inside)
            track(std::make_unique<HandTracker>(*this), event);
        break;
    case ToolBox::eyedropper:
        if (inside)
            track(std::make_unique<EyedropperTracker>(*this, event.shift, false), event);
        break;
    default: break;
    }
}

void EditView::keyEvent(const KeyEvent& event)
{
    bool down = event.kind == KeyEvent::down || event.kind == KeyEvent::repeat;
    if (event.key == keys::space && event.kind != KeyEvent::character)
        m_spaceDown = down;
    else if (event.key == keys::tab && event.kind != KeyEvent::character)
        m_tabDown = down;
    else if (down && m_spaceDown && (event.key == keys::up || event.key == keys::down)) {
        const ZoomSteps& steps = ZoomSteps::mainSteps();
        setZoomKeepingCentre(event.key == keys::up ? steps.nextHigher(zoom()) : steps.nextLower(zoom()));
    }
    if (std::optional<Point> pointer = pointerInside())
        updatePointer(*pointer, event.shift, event.control, false);
}

void EditView::updatePointer(Point p, bool shift, bool control, bool rightButton)
{
    if (!imageBounds().contains(viewToDot(p)))
        setPointer("");
    else if (rightButton)
        setPointer(toolPointer(ToolBox::eyedropper, shift, control));
    else if (m_spaceDown)
        setPointer(shift || control ? toolPointer(ToolBox::zoom, shift, control) : "HAND_CURS");
    else if (m_tabDown && m_tools.tool() != ToolBox::draw)
        setPointer(toolPointer(ToolBox::eyedropper, shift, control));
    else
        setPointer(toolPointer(m_tools.tool(), shift, control));
}

std::string EditView::toolPointer(int tool, bool shift, bool) const
{
    switch (tool) {
    case ToolBox::rect:
    case ToolBox::ellipse:
    case ToolBox::line: return "CROSS_HAIR_CURS";
    case ToolBox::lasso: return "LASSO_CURS";
    case ToolBox::crop: return "CROP_CURS";
    case ToolBox::zoom: {
        const ZoomSteps& steps = ZoomSteps::mainSteps();
        int32_t next = shift ? steps.nextLower(zoom()) : steps.nextHigher(zoom());
        return next == zoom() ? "ZOOM_LIMIT_CURS" : shift ? "ZOOM_OUT_CURS" : "ZOOM_IN_CURS";
    }
    case ToolBox::hand: return "HAND_CURS";
    case ToolBox::eyedropper: return "EYEDROPPER_CURS";
    case ToolBox::pencil: return "PENCIL_CURS";
    case ToolBox::bucket: return "BUCKET_CURS";
    case ToolBox::text: return "TEXT";
    default: return "";
    }
}
