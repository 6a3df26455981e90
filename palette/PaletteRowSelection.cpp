#include "palette/PaletteRowSelection.h"

void PaletteRowSelection::selectOnly(int i)
{
    if (isEntry(i))
        setFlags(uint16_t(1u << (i / lineLength)));
}

void PaletteRowSelection::add(int i)
{
    if (isEntry(i))
        setFlags(uint16_t(m_flags | 1u << (i / lineLength)));
}

void PaletteRowSelection::remove(int i)
{
    if (isEntry(i))
        setFlags(uint16_t(m_flags & ~(1u << (i / lineLength))));
}

void PaletteRowSelection::selectOnlyRow(int r)
{
    if (isLine(r))
        setFlags(uint16_t(1u << r));
}

void PaletteRowSelection::addRow(int r, bool)
{
    if (isLine(r))
        setFlags(uint16_t(m_flags ^ 1u << r));
}

void PaletteRowSelection::setFlags(uint16_t flags)
{
    m_flags = flags;
    changed();
}
