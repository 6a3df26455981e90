#include "dialogs/ToneCells.h"

#include "core/Aspects.h"
#include "document/Pen.h"
#include "framework/GraphicsContext.h"
#include "resources/Bitmaps.h"

#include <algorithm>

namespace {

// The tones are the bitmaps from the first tone id up to the first id that has none.
std::vector<ToneBytes> loadTones()
{
    std::vector<ToneBytes> tones;
    for (int id = bitmaps::firstTone; findBitmap(id); ++id)
        tones.push_back(toneFromResource(id));
    return tones;
}

// The pattern fills a cell inside its frame and a white ring.
constexpr int32_t patternInset = 2;

constexpr ColorRef black = rgb(0, 0, 0);
constexpr ColorRef white = rgb(255, 255, 255);

} // namespace

ToneCells::ToneCells(QWidget* container, int selected)
    : Component(container), m_tones(loadTones()), m_selected(std::clamp(selected, 0, std::max(0, count() - 1)))
{
    // The dialog's keys stay with its buttons.
    refuseFocus();
}

void* ToneCells::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Visual::Component::waitingController)
        return offer<Visual::MouseController>(this);
    return Component::valueFor(aspect);
}

int ToneCells::columns() const
{
    return std::max(1, size().x / cellSize);
}

Point ToneCells::gridOrigin() const
{
    Point area = size();
    int rows = (count() + columns() - 1) / columns();
    return {std::max(0, (area.x - std::min(count(), columns()) * cellSize) / 2),
            std::max(0, (area.y - rows * cellSize) / 2)};
}

Rect ToneCells::cellRect(int index) const
{
    Point origin = gridOrigin();
    return Rect::fromSize({origin.x + index % columns() * cellSize, origin.y + index / columns() * cellSize},
                          {cellSize, cellSize});
}

void ToneCells::mouseEvent(const Visual::MouseEvent& event)
{
    if (event.kind != Visual::MouseEvent::leftDown && event.kind != Visual::MouseEvent::leftDouble)
        return;
    Point origin = gridOrigin();
    Point at{event.at.x - origin.x, event.at.y - origin.y};
    if (at.x < 0 || at.y < 0 || at.x >= columns() * cellSize)
        return;
    int index = at.y / cellSize * columns() + at.x / cellSize;
    if (index >= count() || index == m_selected)
        return;
    invalidate(cellRect(m_selected));
    m_selected = index;
    invalidate(cellRect(m_selected));
}

void ToneCells::paint(GraphicsContext& gc, const Rect& clip)
{
    gc.fillRect(clip, white);
    for (int i = 0; i < count(); ++i) {
        Rect cell = cellRect(i);
        if (cell.intersected(clip).isEmpty())
            continue;
        if (i == m_selected)
            gc.frameRect(cell, black);
        // A 0 bit lets ink through, anchored at the pattern area's corner.
        const ToneBytes& tone = m_tones[size_t(i)];
        Rect area{cell.left + patternInset, cell.top + patternInset, cell.right - patternInset,
                  cell.bottom - patternInset};
        for (int32_t y = area.top; y < area.bottom; ++y)
            for (int32_t x = area.left; x < area.right; ++x)
                if (!(tone[size_t((y - area.top) % 8)] & (0x80 >> ((x - area.left) % 8))))
                    gc.fillRect({x, y, x + 1, y + 1}, black);
    }
}
