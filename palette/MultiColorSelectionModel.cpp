#include "palette/MultiColorSelectionModel.h"

void MultiColorSelectionModel::add(int i)
{
    if (!isEntry(i) || includes(i))
        return;
    m_entries.append(i);
    changed();
}

void MultiColorSelectionModel::remove(int i)
{
    removeEntry(i);
    changed();
}

void MultiColorSelectionModel::selectOnly(int i)
{
    if (!isEntry(i))
        return;
    removeAll();
    m_entries.append(i);
    changed();
}

void MultiColorSelectionModel::selectAll()
{
    removeAll();
    for (int i = 0; i < lineLength * lineLength; ++i)
        m_entries.append(i);
    changed();
}

void MultiColorSelectionModel::clear()
{
    removeAll();
    changed();
}

void MultiColorSelectionModel::selectOnlyRow(int r)
{
    if (!isLine(r))
        return;
    removeAll();
    addRow(r, false);
}

void MultiColorSelectionModel::addRow(int r, bool ctrl)
{
    if (isLine(r))
        addLine(r * lineLength + lineLength - 1, -1, ctrl);
}

void MultiColorSelectionModel::selectOnlyColumn(int c)
{
    if (!isLine(c))
        return;
    removeAll();
    addColumn(c, false);
}

void MultiColorSelectionModel::addColumn(int c, bool ctrl)
{
    if (isLine(c))
        addLine((lineLength - 1) * lineLength + c, -lineLength, ctrl);
}

void MultiColorSelectionModel::addLine(int first, int step, bool ctrl)
{
    bool whole = true;
    for (int k = 0, i = first; k < lineLength; ++k, i += step)
        whole = whole && includes(i);
    bool toggleOff = ctrl && whole;
    for (int k = 0, i = first; k < lineLength; ++k, i += step) {
        removeEntry(i);
        if (!toggleOff)
            m_entries.append(i);
    }
    changed();
}

// GrowableArray removes by swapping the last entry in; the selection must keep its order.
void MultiColorSelectionModel::removeEntry(int i)
{
    uint32_t k = m_entries.indexOf(i);
    if (k == m_entries.count())
        return;
    for (; k + 1 < m_entries.count(); ++k)
        m_entries[k] = m_entries[k + 1];
    m_entries.removeAt(m_entries.count() - 1);
}

void MultiColorSelectionModel::removeAll()
{
    while (m_entries.count() > 0)
        m_entries.removeAt(m_entries.count() - 1);
}
