#include "panels/PaletteGrid.h"

#include "core/Aspects.h"
#include "framework/GraphicsContext.h"
#include "palette/ColorDragger.h"
#include "palette/ColorSelectionModel.h"
#include "palette/PaletteModel.h"
#include "panels/BlockDragTracker.h"
#include "panels/CellSweepTracker.h"
#include "panels/PaletteFlasher.h"

#include <algorithm>
#include <memory>

using Visual::MouseEvent;

PaletteGrid::PaletteGrid(QWidget* container, ColorSelectionModel& selection)
    : CellGrid(container, ColorSelectionModel::lineLength, ColorSelectionModel::lineLength), m_selection(selection),
      m_paletteFollower([this](const Aspect* aspect) {
          if (!aspect || aspect == &aspects::PaletteModel::access)
              invalidateAll();
      })
{
    setModel(&selection);
    m_paletteFollower.setModel(selection.palette());
}

PaletteModel* PaletteGrid::palette() const
{
    return m_selection.palette();
}

void PaletteGrid::update()
{
    invalidateAll();
}

void PaletteGrid::update(const Aspect* aspect)
{
    if (aspect == &aspects::ColorSelectionModel::colorSelection)
        invalidateAll();
}

void PaletteGrid::paintCell(GraphicsContext& gc, int n, const Rect& cell)
{
    PaletteModel* colors = palette();
    gc.fillRect({cell.left + 1, cell.top + 1, cell.right - 1, cell.bottom - 1},
                colors ? colors->colorAt(n) : rgb(0, 0, 0));
    if (m_selection.includes(n)) {
        gc.frameRect(cell, rgb(0, 0, 0));
        return;
    }
    // White above and left, grey below and right: between two cells lie a white line and a grey
    // one, so that every entry stands apart from its neighbours, white and grey ones included.
    gc.frameRect(cell, rgb(255, 255, 255));
    constexpr ColorRef shade = rgb(128, 128, 128);
    gc.fillRect({cell.right - 1, cell.top, cell.right, cell.bottom}, shade);
    gc.fillRect({cell.left, cell.bottom - 1, cell.right, cell.bottom}, shade);
}

void PaletteGrid::pressed(int n, const MouseEvent& press)
{
    if (press.shift) {
        m_selection.add(n);
        unlessBlinking(press, [this, n](const MouseEvent& now) {
            track(std::make_unique<CellSweepTracker>(*this, n, [this](int m) { m_selection.add(m); }), now);
        });
        return;
    }
    if (!m_selection.includes(n)) {
        if (press.control)
            m_selection.add(n);
        else
            m_selection.selectOnly(n);
        holdCheck(press, {});
        return;
    }
    holdCheck(press, [this, n, control = press.control] {
        if (control)
            m_selection.remove(n);
        else
            m_selection.selectOnly(n);
    });
}

void PaletteGrid::unlessBlinking(const MouseEvent& press, std::function<void(const MouseEvent& now)> then)
{
    PaletteFlasher::hold(*this, press, palette(), PaletteFlasher::selectedEntries(m_selection),
                         PaletteFlasher::Hold::stillLeft,
                         [then = std::move(then)](bool blinked, const MouseEvent& now) {
                             if (!blinked)
                                 then(now);
                         });
}

void PaletteGrid::holdCheck(const MouseEvent& press, Action otherwise)
{
    unlessBlinking(press, [this, press, otherwise = std::move(otherwise)](const MouseEvent& now) {
        if (!offerDrag(press, now, otherwise) && otherwise)
            otherwise();
    });
}

bool PaletteGrid::offerDrag(const MouseEvent& press, const MouseEvent& now, const Action& otherwise)
{
    ColorDragger* dragger = interfaceFor(&m_selection, &aspects::ColorSelectionModel::dragger);
    if (!dragger)
        return false;
    auto drop = [dragger, control = press.control](int d) { dragger->drop(d, control); };
    track(
        std::make_unique<BlockDragTracker>(*this, selectedBlock(), press.at, dragger->dragThreshold(), drop, otherwise),
        now);
    return true;
}

Rect PaletteGrid::selectedBlock() const
{
    Rect block;
    for (int i = 0; i < PaletteModel::size; ++i)
        if (m_selection.includes(i))
            block = block.united(
                Rect::fromSize({i % ColorSelectionModel::lineLength, i / ColorSelectionModel::lineLength}, {1, 1}));
    return block;
}
