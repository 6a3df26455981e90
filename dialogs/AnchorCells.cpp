#include "dialogs/AnchorCells.h"

#include "framework/GraphicsContext.h"

#include <algorithm>

namespace {

constexpr ColorRef black = rgb(0, 0, 0);
constexpr ColorRef white = rgb(255, 255, 255);
constexpr ColorRef face = rgb(212, 208, 200);
constexpr ColorRef shadow = rgb(128, 128, 128);

} // namespace

AnchorCells::AnchorCells(QWidget* container, int selected) : CellGrid(container, 3, 3), m_selected(selected) {}

void AnchorCells::pressed(int n, const Visual::MouseEvent&)
{
    if (n == m_selected)
        return;
    invalidateCell(m_selected);
    m_selected = n;
    invalidateCell(m_selected);
}

void AnchorCells::paintCell(GraphicsContext& gc, int n, const Rect& cell)
{
    // A raised button is lit from the top-left; a pressed one has its light and shadow swapped.
    bool chosen = n == m_selected;
    gc.fillRect(cell, face);
    gc.frameRect(cell, black);
    Rect inner{cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1};
    ColorRef lit = chosen ? shadow : white, unlit = chosen ? white : shadow;
    gc.fillRect({inner.left, inner.top, inner.right, inner.top + 1}, lit);
    gc.fillRect({inner.left, inner.top, inner.left + 1, inner.bottom}, lit);
    gc.fillRect({inner.left, inner.bottom - 1, inner.right, inner.bottom}, unlit);
    gc.fillRect({inner.right - 1, inner.top, inner.right, inner.bottom}, unlit);
    if (!chosen)
        return;
    int32_t side = std::max(2, std::min(cell.width(), cell.height()) / 3);
    Point centre{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    gc.fillRect(Rect::fromSize({centre.x - side / 2, centre.y - side / 2}, {side, side}), black);
}
