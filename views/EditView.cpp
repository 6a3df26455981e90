#include "views/EditView.h"

#include "base/BusyPointer.h"
#include "core/Aspects.h"
#include "document/BitmapDocument.h"
#include "document/BitmapSelectionPlug.h"
#include "document/ImagePlug.h"
#include "document/SelectionRecord.h"
#include "framework/Application.h"
#include "framework/KeyState.h"
#include "framework/MenuState.h"
#include "resources/CommandIds.h"
#include "resources/VirtualKey.h"
#include "views/InformationDisplay.h"
#include "views/MeshCells.h"
#include "views/NudgeStep.h"
#include "views/ToolBox.h"
#include "views/ViewScroller.h"
#include "views/ZoomSteps.h"
#include "views/tools/DrawTool.h"
#include "views/tools/EyedropperTool.h"
#include "views/tools/HandTool.h"
#include "views/tools/RotationMode.h"
#include "views/tools/ScalingMode.h"
#include "views/tools/ToolEnvironment.h"
#include "views/tools/ToolSet.h"
#include "views/tools/ZoomTool.h"

using Visual::KeyEvent;
using Visual::MouseEvent;

// What the tools of this view see of it.
class EditView::Environment : public ToolEnvironment {
public:
    explicit Environment(EditView& view) : m_view(view) {}

    BitmapDocument* document() const override { return m_view.document(); }
    Point unitSize() const override { return m_view.pasteUnit(); }
    int32_t zoom() const override { return m_view.zoom(); }
    void setZoom(int32_t zoom, Point centreDot) override { m_view.setZoom(zoom, centreDot); }
    Point viewToDot(Point pixel) const override { return m_view.viewToDot(pixel); }
    Point dotToView(Point dot) const override { return m_view.dotToView(dot); }
    Rect dotsToView(const Rect& dots) const override { return m_view.dotsToView(dots); }
    Rect imageBounds() const override { return m_view.imageBounds(); }
    Point origin() const override { return m_view.origin(); }
    Point viewDots() const override { return m_view.viewDots(); }
    Point viewSize() const override { return m_view.size(); }
    Point visibleCentre() const override { return m_view.visibleCentre(); }
    void scrollTo(Point origin) override { m_view.scrollTo(origin); }
    MeshPlug* mesh() const override { return m_view.mesh(); }
    Point stepMeshCell(Point at, int direction) override { return m_view.stepMeshCellFrom(at, direction); }
    void invalidate(const Rect& pixels) override { m_view.invalidate(pixels); }
    void track(std::unique_ptr<Visual::Tracker> tracker, const MouseEvent& press) override
    {
        m_view.track(std::move(tracker), press);
    }
    InformationDisplay* information() const override { return m_view.m_information; }
    ColorPicker& colorPicker() override { return m_view; }
    bool capsLock() const override { return capsLockOn(); }
    void beep() override { Application::beep(); }

private:
    EditView& m_view;
};

EditView::EditView(QWidget* container, ToolBox& tools)
    : BitmapView(container), m_tools(tools), m_environment(std::make_unique<Environment>(*this)),
      m_toolSet(std::make_unique<ToolSet>(*m_environment))
{
    m_toolFollower.setModel(&tools);
    toolChanged();
}

EditView::~EditView()
{
    m_toolFollower.setModel(nullptr);
    // The panel must not go on reporting to a view that is gone.
    if (m_information)
        m_information->rebind(nullptr);
}

void EditView::ToolFollower::update(const Aspect* aspect)
{
    if (aspect == &aspects::Tilvaner::tool)
        m_view.toolChanged();
}

void EditView::toolChanged()
{
    if (m_transform)
        m_transform->end();
    if (m_current)
        m_current->deactivate();
    m_current = &m_toolSet->at(m_tools.tool());
    m_current->activate();
    configureInformation();
}

void EditView::setInformation(InformationDisplay* information)
{
    m_information = information;
    configureInformation();
    updateInformation(pointerInside());
}

void EditView::configureInformation()
{
    if (!m_information)
        return;
    InformationDisplay::Subs subs = m_current->informationSubs();
    if (TransformMode* mode = transform())
        subs |= mode->informationSubs();
    for (InformationDisplay::Sub sub : {InformationDisplay::footprint, InformationDisplay::color,
                                        InformationDisplay::rotation, InformationDisplay::scale}) {
        if (subs & InformationDisplay::bit(sub))
            m_information->showSub(sub);
        else
            m_information->hideSub(sub);
    }
    if (selection())
        m_information->showSub(InformationDisplay::selection);
    else
        m_information->hideSub(InformationDisplay::selection);
}

Tool& EditView::activeTool(const ToolKeys& keys) const
{
    if (m_spaceDown)
        return keys.shift || keys.control ? static_cast<Tool&>(m_toolSet->zoom()) : m_toolSet->hand();
    if (m_pickerTarget || (m_tabDown && m_current != &m_toolSet->draw()))
        return m_toolSet->eyedropper();
    if (TransformMode* mode = transform())
        return *mode;
    return *m_current;
}

TransformMode* EditView::transform() const
{
    return m_transform && m_transform->isRunning() ? m_transform.get() : nullptr;
}

bool EditView::canTransform() const
{
    BitmapDocument* picture = document();
    return picture && picture->selection() && (!picture->isInteractive() || transform());
}

const CommandTable<EditView>& EditView::table()
{
    static const CommandTable<EditView> handlers{
        {commands::firstMainZoom, &EditView::zoomKey},          {commands::firstMainZoom + 1, &EditView::zoomKey},
        {commands::firstMainZoom + 2, &EditView::zoomKey},      {commands::firstMainZoom + 3, &EditView::zoomKey},
        {commands::lastMainZoom, &EditView::zoomKey},           {commands::toggleMesh, &EditView::toggleMesh},
        {commands::previousMeshCell, &EditView::stepMeshCell},  {commands::nextMeshCell, &EditView::stepMeshCell},
        {commands::firstDrawSize, &EditView::drawSize},         {commands::firstDrawSize + 1, &EditView::drawSize},
        {commands::firstDrawSize + 2, &EditView::drawSize},     {commands::firstDrawSize + 3, &EditView::drawSize},
        {commands::firstDrawSize + 4, &EditView::drawSize},     {commands::lastDrawSize, &EditView::drawSize},
        {commands::rotateWithMouse, &EditView::mouseTransform}, {commands::scaleWithMouse, &EditView::mouseTransform},
    };
    return handlers;
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
    if (aspect == &aspects::PasteView::access)
        return offer<PasteView>(this);
    return BitmapView::valueFor(aspect);
}

BitmapDocument* EditView::document() const
{
    return interfaceFor<BitmapDocument>(model(), &aspects::BitmapDocument::access);
}

Point EditView::pasteUnit() const
{
    BitmapDocument* picture = document();
    return m_tools.unit() == ToolBox::block && picture ? picture->blockSetting() : Point{1, 1};
}

bool EditView::command(uint32_t id, Window* from)
{
    // The current tool's own command again reaches the window only when the tool was already
    // current: it asks for the tool's options.
    if (id == commands::firstTool + uint32_t(m_tools.tool()))
        return m_current->openOptions();
    return m_current->command(id) || table().dispatch(*this, id, from);
}

void EditView::menuOpening(MenuState& popup)
{
    popup.enable(commands::toggleMesh, mesh() != nullptr);
    popup.check(commands::toggleMesh, isMeshVisible());
    popup.enable(commands::rotateWithMouse, canTransform());
    popup.enable(commands::scaleWithMouse, canTransform());
    m_current->menuOpening(popup);
}

bool EditView::zoomKey(uint32_t id, Window*)
{
    zoomAround(ZoomSteps::mainSteps().at(int(id - commands::firstMainZoom)));
    return true;
}

bool EditView::toggleMesh(uint32_t, Window*)
{
    if (mesh())
        setMeshVisible(!isMeshVisible());
    return true;
}

bool EditView::drawSize(uint32_t id, Window*)
{
    // A new size also brings the Draw tool, whose square it sets.
    m_tools.setTool(ToolBox::draw);
    m_toolSet->draw().setSize(1 << (id - commands::firstDrawSize));
    return true;
}

bool EditView::mouseTransform(uint32_t id, Window*)
{
    // The mode a drag is running in stays until the button comes up.
    if (!canTransform() || (m_transform && m_transform->frame().isDragging()))
        return true;
    if (id == commands::rotateWithMouse)
        m_transform = std::make_unique<RotationMode>(*m_environment);
    else
        m_transform = std::make_unique<ScalingMode>(*m_environment);
    m_transform->start();
    configureInformation();
    updateInformation(pointerInside());
    if (std::optional<Point> pointer = pointerInside())
        updatePointer(*pointer, false, false, false);
    return true;
}

bool EditView::stepMeshCell(uint32_t id, Window*)
{
    std::optional<Point> pointer = pointerInside();
    stepMeshCellFrom(pointer ? viewToDot(*pointer) : visibleCentre(), id == commands::previousMeshCell ? -1 : 1);
    return true;
}

Point EditView::stepMeshCellFrom(Point at, int direction)
{
    MeshPlug* settings = mesh();
    if (!settings)
        return {};
    Point offset = meshCellOffset(imageBounds(), settings->meshSize(), at, direction);
    scrollTo({origin().x + offset.x, origin().y + offset.y});
    return offset;
}

void EditView::zoomAround(int32_t z)
{
    zoomAt(z, pointerInside());
}

void EditView::zoomAt(int32_t z, std::optional<Point> pixel)
{
    Rect bounds = imageBounds();
    if (pixel && !bounds.isEmpty()) {
        Point dot = viewToDot(*pixel);
        setZoom(z,
                {std::clamp(dot.x, bounds.left, bounds.right - 1), std::clamp(dot.y, bounds.top, bounds.bottom - 1)});
    } else {
        setZoomKeepingCentre(z);
    }
}

void EditView::setTarget(ColorPickerTarget* target)
{
    m_pickerTarget = target;
    // The pointer over the picture tells the mode at once, without waiting for the mouse to move.
    if (std::optional<Point> pointer = pointerInside())
        updatePointer(*pointer, false, false, false);
}

void EditView::mouseEvent(const MouseEvent& event)
{
    switch (event.kind) {
    case MouseEvent::leftDown:
    case MouseEvent::leftDouble: activeTool({event.shift, event.control, viewToDot(event.at)}).press(event); break;
    case MouseEvent::rightDown:
    case MouseEvent::rightDouble: m_toolSet->eyedropper().pick(event, true); break;
    case MouseEvent::wheel: turnWheel(event); break;
    default: break;
    }
    updatePointer(event.at, event.shift, event.control, event.rightButton);
    updateInformation(event.at);
}

void EditView::turnWheel(const MouseEvent& event)
{
    constexpr int32_t notch = 120;
    Point turn = event.shift && !event.control ? Point{event.turn.y, event.turn.x} : event.turn;
    Point total{m_wheelRest.x + turn.x, m_wheelRest.y + turn.y};
    Point notches{total.x / notch, total.y / notch};
    m_wheelRest = {total.x % notch, total.y % notch};
    if (event.control) {
        const ZoomSteps& steps = ZoomSteps::mainSteps();
        int32_t z = zoom();
        for (int32_t n = notches.y; n > 0; --n)
            z = steps.nextHigher(z);
        for (int32_t n = notches.y; n < 0; ++n)
            z = steps.nextLower(z);
        if (z != zoom())
            zoomAt(z, event.at);
        return;
    }
    // Turning away from the user shows what lies above (or left of) the view.
    ViewScroller(*this, false).step(-notches.x);
    ViewScroller(*this, true).step(-notches.y);
}

void EditView::updateInformation(std::optional<Point> pixel)
{
    if (!m_information)
        return;
    std::optional<Point> inside;
    if (pixel) {
        Point dot = viewToDot(*pixel);
        m_information->showPosition(dot);
        if (imageBounds().contains(dot))
            inside = dot;
    }
    if (std::shared_ptr<SelectionRecord> record = selection())
        m_information->showSelection(record->region.bounds());
    m_current->reportInformation(*m_information, inside);
    if (TransformMode* mode = transform())
        mode->reportInformation(*m_information, inside);
}

void EditView::keyEvent(const KeyEvent& event)
{
    bool down = event.kind == KeyEvent::down || event.kind == KeyEvent::repeat;
    if (event.kind != KeyEvent::character) {
        if (event.key == keys::space)
            m_spaceDown = down;
        else if (event.key == keys::tab)
            m_tabDown = down;
    }
    if (!m_spaceDown && (m_current->key(event) || nudgeKey(event)))
        return;
    if (down && m_spaceDown && (event.key == keys::up || event.key == keys::down)) {
        const ZoomSteps& steps = ZoomSteps::mainSteps();
        setZoomKeepingCentre(event.key == keys::up ? steps.nextHigher(zoom()) : steps.nextLower(zoom()));
    }
    if (std::optional<Point> pointer = pointerInside())
        updatePointer(*pointer, event.shift, event.control, false);
}

bool EditView::nudgeKey(const KeyEvent& event)
{
    if (event.kind == KeyEvent::up)
        return m_nudgeKeys.keyUp(event);
    if (event.kind == KeyEvent::character)
        return false;
    return selection() && m_nudgeKeys.keyDown(event);
}

void EditView::nudge(Point direction, const KeyEvent& trigger)
{
    BitmapSelectionPlug* plug = selectionPlug();
    if (!plug || !plug->selection())
        return;
    // The selection stays where the transform's frame is drawn.
    if (transform()) {
        m_environment->beep();
        return;
    }
    MeshPlug* settings = mesh();
    Point step =
        nudgeStep(m_environment->unitSize(), settings ? std::optional<Point>(settings->meshSize()) : std::nullopt,
                  trigger.shift, trigger.control);
    int32_t times = std::max(1, trigger.repeatCount);
    BusyScope busy;
    plug->moveBy({direction.x * step.x * times, direction.y * step.y * times}, false);
}

void EditView::update()
{
    ImageView::update();
    selectionChanged();
}

void EditView::update(const Aspect* aspect)
{
    BitmapView::update(aspect);
    if (aspect == &aspects::BitmapSelectionPlug::access)
        selectionChanged();
    else if (aspect == &aspects::InformationPlug::access)
        updateInformation(pointerInside());
}

void EditView::selectionChanged()
{
    std::shared_ptr<SelectionRecord> record = selection();
    m_outline.setRegion(record ? &record->region : nullptr);
    if (!record && transform())
        m_transform->end();
    configureInformation();
    updateInformation(pointerInside());
}

void EditView::originChanged()
{
    BitmapView::originChanged();
    m_outline.followZoom();
}

void EditView::updatePointer(Point p, bool shift, bool control, bool rightButton)
{
    ToolKeys keys{shift, control, viewToDot(p)};
    if (!imageBounds().contains(viewToDot(p)))
        setPointer("");
    else if (rightButton)
        setPointer(m_toolSet->eyedropper().pointer(keys));
    else
        setPointer(activeTool(keys).pointer(keys));
}

void EditView::paint(GraphicsContext& gc, const Rect& clip)
{
    BitmapView::paint(gc, clip);
    m_current->paintOver(gc);
    if (TransformMode* mode = transform())
        mode->paintOver(gc);
    // Last, so that nothing drawn after it can leave a trace of the inverted frame.
    m_outline.paint(gc, clip);
}
