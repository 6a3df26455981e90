#include "views/DocumentViews.h"

#include "core/Aspects.h"
#include "document/SelectionRecord.h"
#include "framework/GraphicsContext.h"
#include "framework/MenuState.h"
#include "resources/CommandIds.h"
#include "views/BitmapSubView.h"
#include "views/EditView.h"
#include "views/ZoomSteps.h"

#include <algorithm>

namespace {

constexpr ColorRef paneColor = 0x00D8D8D8;
constexpr ColorRef splitterColor = 0x00A0A0A0;

// Drags one splitter: the column's width or the sub-view's height follows the pointer.
class SplitterTracker : public Visual::Tracker {
public:
    SplitterTracker(DocumentViews& views, int splitter) : m_views(views), m_splitter(splitter) {}
    void sample(const Visual::MouseEvent& state) override { m_state = state; }
    void begin() override {}
    bool continues() const override { return m_state.leftButton; }
    void step() override
    {
        Point size = m_views.subSize();
        if (m_splitter == 1)
            size.x = m_state.at.x;
        else
            size.y = m_state.at.y;
        m_views.setSubSize(size);
    }
    void end() override {}

private:
    DocumentViews& m_views;
    int m_splitter;
    Visual::MouseEvent m_state{};
};

} // namespace

DocumentViews::DocumentViews(QWidget* container, Model& document, ToolBox& tools, int32_t zoom)
    : Visual::Component(container), m_editView(new EditView(handle(), tools)), m_horizontal(*m_editView, false),
      m_vertical(*m_editView, true), m_horizontalBar(handle(), ScrollBarBinding::Axis::horizontal, m_horizontal),
      m_verticalBar(handle(), ScrollBarBinding::Axis::vertical, m_vertical)
{
    m_editView->setModel(&document);
    m_editView->setZoom(zoom, {0, 0});
    setModel(m_editView);
    // The keys belong to the edit view, wherever in the window the focus is given.
    passFocusTo(*m_editView);
}

DocumentViews::~DocumentViews()
{
    setModel(nullptr);
}

const CommandTable<DocumentViews>& DocumentViews::table()
{
    static const CommandTable<DocumentViews> handlers{
        {commands::firstMainZoom, &DocumentViews::mainZoom},
        {commands::firstMainZoom + 1, &DocumentViews::mainZoom},
        {commands::firstMainZoom + 2, &DocumentViews::mainZoom},
        {commands::firstMainZoom + 3, &DocumentViews::mainZoom},
        {commands::lastMainZoom, &DocumentViews::mainZoom},
        {commands::firstSubZoom, &DocumentViews::subZoom},
        {commands::firstSubZoom + 1, &DocumentViews::subZoom},
        {commands::lastSubZoom, &DocumentViews::subZoom},
        {commands::subViewNone, &DocumentViews::subMagnification},
        {commands::subViewNone + 1, &DocumentViews::subMagnification},
        {commands::subViewNone + 2, &DocumentViews::subMagnification},
        {commands::subViewNone + 3, &DocumentViews::subMagnification},
        {commands::subViewNone + 4, &DocumentViews::subMagnification},
        {commands::subViewNone + 5, &DocumentViews::subMagnification},
        {commands::subViewNone + 6, &DocumentViews::subMagnification},
        {commands::subViewNone + 7, &DocumentViews::subMagnification},
        {commands::lastSubViewMagnification, &DocumentViews::subMagnification},
        {commands::showSelectionOnly, &DocumentViews::showSelectionOnly},
    };
    return handlers;
}

void* DocumentViews::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Window::menuEx)
        return offer<CommandInterface>(this);
    if (aspect == &aspects::EditView::access)
        return m_editView;
    if (aspect == &aspects::PasteView::access || aspect == &aspects::EditView::colorPicker)
        return m_editView->valueFor(aspect);
    if (aspect == &aspects::Visual::Component::waitingController)
        return offer<Visual::MouseController>(this);
    return Visual::Component::valueFor(aspect);
}

bool DocumentViews::command(uint32_t id, Window* from)
{
    return table().dispatch(*this, id, from) || m_editView->command(id, from);
}

void DocumentViews::menuOpening(MenuState& popup)
{
    m_editView->menuOpening(popup);
    popup.enable(commands::showSelectionOnly, !selectionShown().isEmpty());
    if (popup.firstId() == commands::subViewNone) {
        popup.enableAll(true);
        uint32_t shown = commands::subViewNone + uint32_t(m_subView ? m_subView->magnification() : 0);
        for (uint32_t id = commands::subViewNone; id <= commands::lastSubViewMagnification; ++id)
            popup.check(id, id == shown);
    }
}

bool DocumentViews::mainZoom(uint32_t id, Window* from)
{
    // A main zoom key gives the whole window back to the main view.
    removeSubView();
    return m_editView->command(id, from);
}

bool DocumentViews::subZoom(uint32_t id, Window*)
{
    showSubView(ZoomSteps::subSteps().at(int(id - commands::firstSubZoom)));
    return true;
}

bool DocumentViews::subMagnification(uint32_t id, Window*)
{
    if (id == commands::subViewNone)
        removeSubView();
    else
        showSubView(int32_t(id - commands::subViewNone));
    return true;
}

Rect DocumentViews::selectionShown() const
{
    std::shared_ptr<SelectionRecord> record = m_editView->selection();
    return record ? record->region.bounds().intersected(m_editView->imageBounds()) : Rect{};
}

bool DocumentViews::showSelectionOnly(uint32_t, Window*)
{
    Rect shown = selectionShown();
    if (shown.isEmpty())
        return true;
    int32_t z = m_editView->zoom();
    Point view{shown.width() * z, shown.height() * z};
    int32_t column = 0;
    Point sub;
    if (m_subView) {
        int32_t m = m_subView->magnification();
        sub = {shown.width() * m + 3, shown.height() * m + 3};
        m_subSize = sub;
        column = sub.x + splitterThickness;
    }
    fitWindowTo({column + view.x + barThickness, view.y + barThickness});
    if (m_subView)
        setSubSize(sub);
    if (m_editView->size() == view)
        m_editView->scrollTo(shown.topLeft());
    return true;
}

void DocumentViews::shrinkToPicture()
{
    int64_t z = m_editView->zoom();
    Rect bounds = m_editView->imageBounds();
    Point now = size();
    // The picture with its one-dot frame on each side, beside the scroll bars; a small picture's
    // window keeps room for its caption and buttons.
    constexpr Point smallest{200, 150};
    auto needed = [z](int32_t picture, int32_t least, int32_t has) {
        return int32_t(std::min<int64_t>(std::max<int64_t>(picture * z + 2 + barThickness, least), has));
    };
    fitWindowTo({needed(bounds.width(), smallest.x, now.x), needed(bounds.height(), smallest.y, now.y)});
}

void DocumentViews::showSubView(int32_t magnification)
{
    if (!m_subView) {
        m_subView = new BitmapSubView(handle());
        m_subView->refuseFocus();
        m_subView->setModel(m_editView->model());
        m_subView->setMeshVisible(m_editView->isMeshVisible());
        m_subSize = {size().x / 3, size().y};
        layout();
        m_subView->show();
    }
    m_subView->setZoom(magnification, m_editView->visibleCentre());
}

void DocumentViews::removeSubView()
{
    if (!m_subView)
        return;
    std::exchange(m_subView, nullptr)->destroy();
    layout();
}

void DocumentViews::setSubSize(Point wanted)
{
    Point total = size();
    int32_t widest = std::max(minimumPane, total.x - barThickness - minimumPane);
    m_subSize = {std::clamp(wanted.x, minimumPane, widest),
                 std::clamp(wanted.y, minimumPane, std::max(minimumPane, total.y))};
    layout();
}

void DocumentViews::update(const Aspect* aspect)
{
    if (aspect != &aspects::BitmapView::changeCenter)
        return;
    m_horizontalBar.refresh();
    m_verticalBar.refresh();
    if (m_subView)
        m_subView->recentre(m_editView->visibleCentre());
}

void DocumentViews::resized(Point)
{
    if (m_subView)
        setSubSize(m_subSize);
    else
        layout();
}

void DocumentViews::layout()
{
    Point total = size();
    int32_t left = m_subView ? m_subSize.x + splitterThickness : 0;
    Point view{std::max(1, total.x - left - barThickness), std::max(1, total.y - barThickness)};
    Point centre = m_editView->visibleCentre();
    m_editView->place(Rect::fromSize({left, 0}, view));
    m_horizontalBar.place({left, view.y, left + view.x, total.y});
    m_verticalBar.place({left + view.x, 0, total.x, view.y});
    if (m_subView)
        m_subView->place({0, 0, m_subSize.x, std::min(m_subSize.y, total.y)});
    // A picture smaller than the view sits in its middle; a larger one keeps the dot in the middle,
    // but never so that grey shows before its first dot or after its last, so that a new window,
    // however it is sized on the way to the screen, opens on the top-left corner.
    int32_t z = m_editView->zoom();
    Rect bounds = m_editView->imageBounds();
    auto settle = [z](int32_t picture, int32_t pixels, int32_t middle) {
        int32_t half = pixels / (2 * z);
        return picture * z < pixels ? picture / 2 : std::clamp(middle, half, picture - pixels / z + half);
    };
    m_editView->setZoom(z, {settle(bounds.width(), view.x, centre.x), settle(bounds.height(), view.y, centre.y)});
    invalidateAll();
}

void DocumentViews::paint(GraphicsContext& gc, const Rect& clip)
{
    gc.fillRect(clip, paneColor);
    if (!m_subView)
        return;
    gc.fillRect({m_subSize.x, 0, m_subSize.x + splitterThickness, size().y}, splitterColor);
    gc.fillRect({0, m_subSize.y, m_subSize.x, m_subSize.y + splitterThickness}, splitterColor);
}

int DocumentViews::splitterAt(Point p) const
{
    if (!m_subView)
        return 0;
    if (p.x >= m_subSize.x - 3 && p.x < m_subSize.x + splitterThickness + 3)
        return 1;
    if (p.x < m_subSize.x && p.y >= m_subSize.y - 3 && p.y < m_subSize.y + splitterThickness + 3)
        return 2;
    return 0;
}

void DocumentViews::mouseEvent(const Visual::MouseEvent& event)
{
    int splitter = splitterAt(event.at);
    setPointer(splitter == 1 ? "SLIDE_HRZ_CURS" : splitter == 2 ? "SLIDE_VER_CURS" : "");
    if (event.kind == Visual::MouseEvent::leftDown && splitter)
        track(std::make_unique<SplitterTracker>(*this, splitter), event);
}
