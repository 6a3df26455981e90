#include "panels/ToggleButtonsPlug.h"
#include "framework/GraphicsContext.h"

#include "core/Aspects.h"
#include "core/ValueInterfaces.h"
#include "framework/ContextMenu.h"
#include "pixels/MaskImage.h"
#include "resources/Menus.h"

#include <algorithm>

namespace {

GridGeometry bankGeometry(const MaskImage& bitmap, Point layout, int extraHeight)
{
    int count = std::max(1, layout.x * layout.y);
    return {layout.x, layout.y, {bitmap.width() / count, bitmap.height() / 2 + extraHeight}, {}};
}

} // namespace

ToggleButtonsPlug::ToggleButtonsPlug(QWidget* container, Model& model,
                                     const InterfaceAspect<SelectionInterface>& aspect, int bitmapId, Point layout,
                                     int extraHeight)
    : ToggleButtonsPlug(container, model, aspect, MaskImage::maskFromResource(bitmapId), layout, extraHeight)
{
}

ToggleButtonsPlug::ToggleButtonsPlug(QWidget* container, Model& model,
                                     const InterfaceAspect<SelectionInterface>& aspect,
                                     std::shared_ptr<MaskImage> bitmap, Point layout, int extraHeight)
    : CellGrid(container, bankGeometry(*bitmap, layout, extraHeight)), m_aspect(aspect),
      m_bitmap(std::move(bitmap)), m_button{geometry().cell.x, m_bitmap->height() / 2}
{
    setModel(&model);
}

ToggleButtonsPlug::~ToggleButtonsPlug() = default;

void ToggleButtonsPlug::setMenu(const MenuItem& menu, CommandSink post)
{
    m_menu = &menu;
    m_post = std::move(post);
}

SelectionInterface* ToggleButtonsPlug::selectionValue() const
{
    return interfaceFor(model(), &m_aspect);
}

int ToggleButtonsPlug::selection() const
{
    SelectionInterface* value = selectionValue();
    return value ? value->selection() : -1;
}

void* ToggleButtonsPlug::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ToggleButtonsPlug::access)
        return offer<ToggleButtonsPlug>(this);
    return CellGrid::valueFor(aspect);
}

void ToggleButtonsPlug::update()
{
    invalidateAll();
    m_shown = selection();
}

void ToggleButtonsPlug::update(const Aspect* aspect)
{
    if (aspect != &m_aspect)
        return;
    int now = selection();
    if (now == m_shown)
        return;
    invalidateCell(m_shown);
    invalidateCell(now);
    m_shown = now;
}

void ToggleButtonsPlug::paintCell(GraphicsContext& gc, int n, const Rect& cell)
{
    int32_t top = n == selection() ? m_button.y : 0;
    gc.drawAt(*m_bitmap, Rect::fromSize({n * m_button.x, top}, m_button), cell.topLeft(), RasterOp::sourceCopy);
}

void ToggleButtonsPlug::pressed(int n, const Visual::MouseEvent& press)
{
    if (SelectionInterface* value = selectionValue())
        value->select(n, press.shift);
    const MenuItem* item = m_menu && size_t(n) < m_menu->items.size() ? &m_menu->items[size_t(n)] : nullptr;
    if (item && item->isPopup()) {
        Rect button = geometry().cellRect(n);
        ContextMenu::popUp(*item, toScreen({button.right, button.top}), [this](uint32_t id) {
            if (m_post)
                m_post(id);
        });
    } else if (item && press.kind == Visual::MouseEvent::leftDouble && !item->isSeparator() && m_post) {
        m_post(item->id);
    }
}
