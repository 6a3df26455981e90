#include "views/tools/PenCells.h"

#include "core/Aspects.h"
#include "framework/GraphicsContext.h"
#include "pixels/MaskImage.h"
#include "resources/Bitmaps.h"

#include <algorithm>

namespace {

// The pen shapes are the bitmaps from the first pen id up to the first id that has none.
std::vector<std::shared_ptr<MaskImage>> loadPenShapes()
{
    std::vector<std::shared_ptr<MaskImage>> pens;
    for (int id = bitmaps::firstPenShape; findBitmap(id); ++id)
        pens.push_back(MaskImage::maskFromResource(id));
    return pens;
}

constexpr int32_t cellMargin = 6;

} // namespace

PenCells::PenCells(QWidget* container, int selected)
    : Component(container), m_pens(loadPenShapes()), m_selected(selected)
{
    for (const auto& pen : m_pens)
        m_cell = {std::max(m_cell.x, pen->width()), std::max(m_cell.y, pen->height())};
    m_cell = {m_cell.x + cellMargin, m_cell.y + cellMargin};
    // The dialog's keys stay with its buttons.
    refuseFocus();
}

void* PenCells::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Visual::Component::waitingController)
        return offer<Visual::MouseController>(this);
    return Component::valueFor(aspect);
}

Rect PenCells::cellRect(int index) const
{
    Point area = size();
    Point origin{std::max(0, (area.x - count() * m_cell.x) / 2), std::max(0, (area.y - m_cell.y) / 2)};
    return Rect::fromSize({origin.x + index * m_cell.x, origin.y}, m_cell);
}

void PenCells::mouseEvent(const Visual::MouseEvent& event)
{
    if (event.kind != Visual::MouseEvent::leftDown)
        return;
    for (int i = 0; i < count(); ++i) {
        if (i != m_selected && cellRect(i).contains(event.at)) {
            invalidate(cellRect(m_selected));
            m_selected = i;
            invalidate(cellRect(m_selected));
            return;
        }
    }
}

void PenCells::paint(GraphicsContext& gc, const Rect& clip)
{
    gc.fillRect(clip, rgb(255, 255, 255));
    for (int i = 0; i < count(); ++i) {
        Rect cell = cellRect(i);
        if (cell.intersected(clip).isEmpty())
            continue;
        // The other cells' white frame is the white they are filled with.
        if (i == m_selected)
            gc.frameRect(cell, rgb(0, 0, 0));
        const MaskImage& pen = *m_pens[size_t(i)];
        gc.drawAt(pen, pen.bounds(),
                  {cell.left + (m_cell.x - pen.width()) / 2, cell.top + (m_cell.y - pen.height()) / 2},
                  RasterOp::sourceCopy);
    }
}
