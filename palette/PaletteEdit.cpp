#include "palette/PaletteEdit.h"

#include "core/Aspects.h"
#include "palette/ChannelAdjust.h"
#include "palette/ColorMoves.h"
#include "palette/Gradation.h"

#include <algorithm>
#include <iterator>

PaletteEdit::PaletteEdit(PaletteModel& palette, PaletteModel::Snapshot opening)
    : MultiColorSelectionModel(&palette), m_palette(palette), m_opening(std::move(opening))
{
}

int PaletteEdit::single() const
{
    return count() == 1 ? at(0) : -1;
}

ColorRef PaletteEdit::currentColor() const
{
    return single() >= 0 ? m_palette.colorAt(single()) : rgb(255, 255, 255);
}

void PaletteEdit::setCurrentColor(ColorRef c)
{
    if (single() < 0)
        return;
    m_palette.setColorAt(single(), c);
    m_palette.changed();
    notifySingle();
}

int PaletteEdit::channel(int j) const
{
    return single() >= 0 ? channelValue(m_palette, single(), j) : -1;
}

void PaletteEdit::adjust(int mask, int delta, bool page)
{
    std::vector<int> selected = entries();
    if (selected.empty())
        return;
    if (page)
        adjustChannelsByPage(m_palette, selected, mask, delta);
    else
        adjustChannels(m_palette, selected, mask, delta);
    notifySingle();
}

int PaletteEdit::precisionIndex() const
{
    const int* found = std::find(std::begin(precisions), std::end(precisions), m_palette.precision());
    return found == std::end(precisions) ? -1 : int(found - std::begin(precisions));
}

void PaletteEdit::setPrecisionIndex(int k)
{
    if (k < 0 || k >= precisionCount)
        return;
    m_palette.setPrecision(precisions[k]);
    Model::changed(&aspects::PaletteEdit::Aspect::colors);
    notifySingle();
}

void PaletteEdit::gradation()
{
    ::gradation(m_palette, entries());
    notifySingle();
}

void PaletteEdit::restoreOpening()
{
    m_palette.restore(m_opening);
    Model::changed(&aspects::PaletteEdit::Aspect::colors);
    notifySingle();
}

void PaletteEdit::colorsChanged()
{
    notifySingle();
}

void PaletteEdit::changed()
{
    MultiColorSelectionModel::changed();
    notifySingle();
}

void* PaletteEdit::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ColorSelectionModel::dragger)
        return offer<ColorDragger>(this);
    return MultiColorSelectionModel::valueFor(aspect);
}

void PaletteEdit::drop(int d, bool ctrl)
{
    std::vector<int> selected = entries();
    if (!landsInside(selected, d))
        return;
    std::vector<int> moved = ctrl ? copyColors(m_palette, selected, d) : moveColors(m_palette, selected, d);
    selectEntries(moved);
}

void PaletteEdit::notifySingle()
{
    for (const Aspect* aspect : {&aspects::PaletteEdit::Aspect::currentColor, &aspects::PaletteEdit::Aspect::red,
                                 &aspects::PaletteEdit::Aspect::green, &aspects::PaletteEdit::Aspect::blue})
        Model::changed(aspect);
}
