#include "panels/PaletteGridHeader.h"

#include "framework/GraphicsContext.h"
#include "palette/HeaderSelectionPlug.h"
#include "panels/CellSweepTracker.h"

#include <memory>
#include <string_view>

PaletteGridHeader::PaletteGridHeader(QWidget* container, Model& model,
                                     const InterfaceAspect<HeaderSelectionPlug>& aspect, int columns, int rows,
                                     bool active)
    : CellGrid(container, columns, rows), m_aspect(aspect), m_active(active)
{
    setModel(&model);
}

HeaderSelectionPlug* PaletteGridHeader::plug() const
{
    return interfaceFor(model(), &m_aspect);
}

void PaletteGridHeader::paintCell(GraphicsContext& gc, int n, const Rect& cell)
{
    static constexpr std::string_view digits = "0123456789ABCDEF";
    gc.drawText(cell, digits.substr(size_t(n % 16), 1), rgb(0, 0, 0), GraphicsContext::TextPlacement::bottomCentre);
}

void PaletteGridHeader::pressed(int n, const Visual::MouseEvent& press)
{
    HeaderSelectionPlug* lines = m_active ? plug() : nullptr;
    if (!lines)
        return;
    if (!press.shift && !press.control) {
        lines->selectOnly(n);
        return;
    }
    lines->add(n, press.control);
    if (press.shift)
        track(std::make_unique<CellSweepTracker>(*this, n,
                                                 [this, control = press.control](int m) {
                                                     if (HeaderSelectionPlug* now = plug())
                                                         now->add(m, control);
                                                 }),
              press);
}
