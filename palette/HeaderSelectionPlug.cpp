#include "palette/HeaderSelectionPlug.h"

#include "palette/ColorSelectionModel.h"

void HeaderSelectionPlug::selectOnly(int n)
{
    if (m_line == Line::row)
        m_selection.selectOnlyRow(n);
    else
        m_selection.selectOnlyColumn(n);
}

void HeaderSelectionPlug::add(int n, bool ctrl)
{
    if (m_line == Line::row)
        m_selection.addRow(n, ctrl);
    else
        m_selection.addColumn(n, ctrl);
}
