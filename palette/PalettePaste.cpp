#include "palette/PalettePaste.h"

#include "core/Aspects.h"
#include "palette/ToneShift.h"

#include <algorithm>

PalettePaste::PalettePaste(PaletteModel& palette, std::vector<ColorRef> colors, std::vector<uint8_t> offsets)
    : ColorSelectionModel(&palette), m_palette(palette), m_colors(std::move(colors)), m_offsets(std::move(offsets)),
      m_snapshot(palette.snapshot().value_or(PaletteModel::Snapshot{}))
{
    size_t count = std::min(m_colors.size(), m_offsets.size());
    m_colors.resize(count);
    m_offsets.resize(count);
    place();
    m_palette.changed();
}

bool PalettePaste::includes(int i) const
{
    for (uint8_t offset : m_offsets)
        if (m_base + offset == i)
            return true;
    return false;
}

void* PalettePaste::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ColorSelectionModel::dragger)
        return offer<ColorDragger>(this);
    return ColorSelectionModel::valueFor(aspect);
}

void PalettePaste::drop(int d, bool)
{
    for (size_t i = 0; i < m_colors.size(); ++i) {
        int entry = m_base + m_offsets[i];
        m_palette.setColorAt(entry, snapshotColor(m_snapshot, m_palette.entryOf(entry)));
    }
    m_base += d;
    place();
    m_palette.changed();
    changed();
}

void PalettePaste::place()
{
    for (size_t i = 0; i < m_colors.size(); ++i)
        m_palette.setColorAt(m_base + m_offsets[i], m_colors[i]);
}
