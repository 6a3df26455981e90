#include "views/EditView.h"

#include "core/Aspects.h"
#include "core/VirtualKey.h"
#include "document/BitmapDocument.h"
#include "document/ImagePlug.h"
#include "document/UndoRecord.h"
#include "framework/GraphicsContext.h"
#include "framework/MenuState.h"
#include "views/EditTrackers.h"
#include "views/InformationFeedback.h"
#include "views/ToolBox.h"
#include "views/ZoomSteps.h"

using Visual::KeyEvent;
using Visual::MouseEvent;

EditView::EditView(QWidget* container, ToolBox& tools)
    : BitmapView(container), m_tools(tools),
      m_directions([this](Point direction, const KeyEvent& trigger) { moveFootprint(direction, trigger); })
{
    m_toolFollower.setModel(&tools);
    toolChanged();
}

EditView::~EditView()
{
    m_toolFollower.setModel(nullptr);
}

void EditView::ToolFollower::update(const Aspect* aspect)
{
    if (aspect == &aspects::Tilvaner::tool)
        m_view.toolChanged();
}

void EditView::toolChanged()
{
    m_editStarted = false;
    if (m_footprint)
        invalidate(dotsToView(m_footprint->rect()));
    m_footprint.reset();
    if (m_tools.tool() == ToolBox::draw) {
        m_footprint.emplace();
        m_footprint->moveTo(visibleCentre(), imageBounds());
        invalidate(dotsToView(m_footprint->rect()));
    }
}

bool EditView::drawSize(uint32_t id, Window*)
{
    // A new size also brings the Draw tool, whose square it sets.
    int32_t size = 1 << (id - 810);
    m_tools.setTool(ToolBox::draw);
    if (!m_footprint)
        toolChanged();
    invalidate(dotsToView(m_footprint->rect()));
    m_footprint->setSize(size, imageBounds());
    invalidate(dotsToView(m_footprint->rect()));
    return true;
}

void EditView::placeFootprint(Point position)
{
    invalidate(dotsToView(m_footprint->rect()));
    m_footprint->moveTo(position, imageBounds());
    Rect square = dotsToView(m_footprint->rect());
    invalidate(square);
    // A square that left the view brings the view along, centred on it.
    if (!Rect::fromSize({}, size()).contains({square.left, square.top}) ||
        !Rect::fromSize({}, size()).contains({square.right - 1, square.bottom - 1})) {
        Rect r = m_footprint->rect();
        setZoom(zoom(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
}

void EditView::moveFootprint(Point direction, const KeyEvent& trigger)
{
    if (!m_footprint)
        return;
    int32_t s = m_footprint->size();
    Point step{s, s};
    if (trigger.control) {
        if (MeshPlug* settings = mesh())
            step = settings->meshSize();
    } else if (trigger.shift) {
        step = {8 * s, 8 * s};
    }
    if (trigger.control && mesh()) {
        // A mesh cell at a time, the view following as the cell stepping does.
        if (direction.x != 0)
            stepMeshCell(direction.x < 0 ? 830 : 831, nullptr);
        else if (direction.y != 0)
            placeFootprint({m_footprint->position().x, m_footprint->position().y + direction.y * step.y});
    } else {
        Point from = m_footprint->position();
        placeFootprint({from.x + direction.x * step.x, from.y + direction.y * step.y});
    }
    if (m_tabDown || m_zDown)
        stampFootprint();
}

void EditView::stampFootprint()
{
    BitmapDocument* picture = document();
    if (!picture || !m_footprint)
        return;
    // The first stamp since the tool was chosen starts this document's undo step.
    if (!m_editStarted) {
        UndoRecord::instance().beginUndo(picture);
        m_editStarted = true;
    }
    m_footprint->stamp(*picture);
}

bool EditView::footprintKey(const KeyEvent& event)
{
    if (!m_footprint || !document())
        return false;
    bool down = event.kind == KeyEvent::down || event.kind == KeyEvent::repeat;
    if (event.kind == KeyEvent::up)
        return m_directions.keyUp(event);
    if (!down)
        return false;
    if (m_directions.keyDown(event))
        return true;
    if (event.key == keys::tab) {
        m_footprint->pickUp(*document(), event.shift);
        return true;
    }
    if (event.key == 'Z') {
        stampFootprint();
        return true;
    }
    return false;
}

void EditView::paint(GraphicsContext& gc, const Rect& clip)
{
    BitmapView::paint(gc, clip);
    if (!m_footprint)
        return;
    gc.setInvertMode();
    gc.frameRect(dotsToView(m_footprint->rect()), rgb(0, 0, 0));
    gc.restoreDefaults();
}

const CommandTable<EditView>& EditView::table()
{
    static const CommandTable<EditView> commands{
        {800, &EditView::zoomKey}, {801, &EditView::zoomKey}, {802, &EditView::zoomKey},
        {803, &EditView::zoomKey}, {804, &EditView::zoomKey}, {607, &EditView::toggleMesh},
        {830, &EditView::stepMeshCell}, {831, &EditView::stepMeshCell},
        {810, &EditView::drawSize}, {811, &EditView::drawSize}, {812, &EditView::drawSize},
        {813, &EditView::drawSize}, {814, &EditView::drawSize}, {815, &EditView::drawSize},
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
    if (aspect == &aspects::EditView::colorPicker)
        return offer<ColorPicker>(this);
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

bool EditView::stepMeshCell(uint32_t id, Window*)
{
    MeshPlug* settings = mesh();
    Rect bounds = imageBounds();
    if (!settings || bounds.isEmpty())
        return true;
    Point pitch = settings->meshSize();
    if (pitch.x <= 0 || pitch.y <= 0)
        return true;
    // The last cell starts at the largest multiple of the pitch that leaves a whole cell in the
    // picture, and never before the picture's start, however small the picture is.
    auto last = [](int32_t size, int32_t step) { return std::max(0, (size - step) / step * step); };
    Point lastCell{last(bounds.width(), pitch.x), last(bounds.height(), pitch.y)};
    std::optional<Point> pointer = pointerInside();
    Point at = pointer ? viewToDot(*pointer) : visibleCentre();
    if (m_footprint) {
        Rect square = m_footprint->rect();
        at = {(square.left + square.right) / 2, (square.top + square.bottom) / 2};
    }
    auto cellOf = [](int32_t v, int32_t step, int32_t limit) {
        int32_t start = v >= 0 ? v / step * step : 0;
        return std::clamp(start, 0, limit);
    };
    Point cell{cellOf(at.x, pitch.x, lastCell.x), cellOf(at.y, pitch.y, lastCell.y)};
    int32_t direction = id == 830 ? -1 : 1;
    Point next{cell.x + direction * pitch.x, cell.y};
    if (next.x > lastCell.x) {
        next.x = 0;
        next.y = cell.y + pitch.y > lastCell.y ? 0 : cell.y + pitch.y;
    } else if (next.x < 0) {
        next.x = lastCell.x;
        next.y = cell.y - pitch.y < 0 ? lastCell.y : cell.y - pitch.y;
    }
    Point offset{next.x - cell.x, next.y - cell.y};
    scrollTo({origin().x + offset.x, origin().y + offset.y});
    if (m_footprint) {
        Point from = m_footprint->position();
        placeFootprint({from.x + offset.x, from.y + offset.y});
    }
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

void EditView::setTarget(ColorPickerTarget* target)
{
    m_pickerTarget = target;
}

void EditView::startPicking(const MouseEvent& event, bool background, bool rightButton)
{
    if (!imageBounds().contains(viewToDot(event.at)))
        return;
    std::function<void(Point)> pick = [this, background](Point dot) { pickColor(dot, background); };
    if (m_pickerTarget && !rightButton)
        pick = [this, second = event.shift](Point dot) {
            if (BitmapDocument* picture = document())
                m_pickerTarget->picked(m_pickerTarget->convert(picture->pixelAt(dot)), second);
        };
    track(std::make_unique<PickTracker>(*this, std::move(pick), rightButton), event);
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
        startPicking(event, event.shift, true);
        break;
    default:
        break;
    }
    updatePointer(event.at, event.shift, event.control, event.rightButton);
    updateInformation(event.at);
}

void EditView::updateInformation(Point p)
{
    if (!m_information)
        return;
    Point dot = viewToDot(p);
    bool inside = imageBounds().contains(dot);
    m_information->showPosition(inside ? std::optional<Point>(dot) : std::nullopt);
    BitmapDocument* picture = document();
    if (m_tools.tool() == ToolBox::eyedropper && picture && inside)
        m_information->showColor(picture->pixelAt(dot));
    if (m_footprint)
        m_information->showFootprint(m_footprint->rect());
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
    if (m_pickerTarget || (m_tabDown && tool != ToolBox::draw)) {
        startPicking(event, event.shift, false);
        return;
    }
    switch (tool) {
    case ToolBox::zoom: zoomAt(dot, event.shift); break;
    case ToolBox::hand:
        if (inside)
            track(std::make_unique<HandTracker>(*this), event);
        break;
    case ToolBox::eyedropper: startPicking(event, event.shift, false); break;
    case ToolBox::draw:
        if (inside && m_footprint)
            placeFootprint(dot);
        break;
    default: break;
    }
}

void EditView::keyEvent(const KeyEvent& event)
{
    bool down = event.kind == KeyEvent::down || event.kind == KeyEvent::repeat;
    if (event.kind != KeyEvent::character) {
        if (event.key == keys::space)
            m_spaceDown = down;
        else if (event.key == keys::tab)
            m_tabDown = down;
        else if (event.key == 'Z')
            m_zDown = down;
    }
    if (!m_spaceDown && m_tools.tool() == ToolBox::draw && footprintKey(event))
        return;
    if (down && m_spaceDown && (event.key == keys::up || event.key == keys::down)) {
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
        setPointer(toolPointer(ToolBox::eyedropper, shift));
    else if (m_spaceDown)
        setPointer(shift || control ? toolPointer(ToolBox::zoom, shift) : "HAND_CURS");
    else if (m_pickerTarget || (m_tabDown && m_tools.tool() != ToolBox::draw))
        setPointer(toolPointer(ToolBox::eyedropper, shift));
    else
        setPointer(toolPointer(m_tools.tool(), shift));
}

std::string EditView::toolPointer(int tool, bool shift) const
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
    case ToolBox::bucket: {
        // Shift fills up to the border colours, which an indexed picture has.
        BitmapDocument* picture = document();
        return shift && picture && !picture->isFullColor() ? "BUCKET_OPT_CURS" : "BUCKET_CURS";
    }
    case ToolBox::text: return "TEXT";
    default: return "";
    }
}
