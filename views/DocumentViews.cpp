#include "views/DocumentViews.h"

#include "core/Aspects.h"
#include "views/EditView.h"

namespace {
constexpr int32_t barThickness = 16;
}

DocumentViews::DocumentViews(QWidget* container, Model& document, ToolBox& tools, int32_t zoom)
    : Visual::Component(container), m_editView(new EditView(handle(), tools)), m_horizontal(*m_editView, false),
      m_vertical(*m_editView, true), m_horizontalBar(handle(), ScrollBarBinding::Axis::horizontal, m_horizontal),
      m_verticalBar(handle(), ScrollBarBinding::Axis::vertical, m_vertical)
{
    m_editView->setModel(&document);
    m_editView->setZoom(zoom, {0, 0});
    setModel(m_editView);
}

DocumentViews::~DocumentViews()
{
    setModel(nullptr);
}

void* DocumentViews::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Window::menuEx)
        return offer<CommandInterface>(this);
    if (aspect == &aspects::EditView::access)
        return m_editView;
    return Visual::Component::valueFor(aspect);
}

bool DocumentViews::command(uint32_t id, Window* from)
{
    return m_editView->command(id, from);
}

void DocumentViews::menuOpening(MenuState& popup)
{
    m_editView->menuOpening(popup);
}

void DocumentViews::update(const Aspect* aspect)
{
    if (aspect == &aspects::BitmapView::changeCenter) {
        m_horizontalBar.refresh();
        m_verticalBar.refresh();
    }
}

void DocumentViews::resized(Point size)
{
    Point view{std::max(1, size.x - barThickness), std::max(1, size.y - barThickness)};
    bool first = m_editView->size() == Point{} || m_editView->size() == Point{1, 1};
    Point centre = m_editView->visibleCentre();
    m_editView->place(Rect::fromSize({}, view));
    m_horizontalBar.place({0, view.y, view.x, size.y});
    m_verticalBar.place({view.x, 0, size.x, view.y});
    // A new window starts with the picture's top-left corner in view, later sizes keep the middle.
    if (first) {
        // A picture smaller than the view sits in the middle of it, a larger one at its top-left.
        int32_t z = m_editView->zoom();
        Rect bounds = m_editView->imageBounds();
        auto start = [z](int32_t picture, int32_t pixels) {
            return picture * z < pixels ? picture / 2 : pixels / (2 * z);
        };
        m_editView->setZoom(z, {start(bounds.width(), view.x), start(bounds.height(), view.y)});
    } else
        m_editView->setZoom(m_editView->zoom(), centre);
    m_horizontalBar.refresh();
    m_verticalBar.refresh();
}
