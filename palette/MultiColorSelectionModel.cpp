#include "palette/MultiColorSelectionModel.h"

std::vector<int> MultiColorSelectionModel::entries() const
{
    std::vector<int> list;
    for (uint32_t k = 0; k < m_entries.count(); ++k)
        list.push_back(m_entries[k]);
    return list;
}

void MultiColorSelectionModel::selectEntries(std::span<const int> entries)
{
    removeAll();
    for (int i : entries)
        if (isEntry(i) && !includes(i))
            m_entries.append(i);
    changed();
}

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
    addLine(r, rowLine(r), false, true);
}

void MultiColorSelectionModel::addRow(int r, bool ctrl)
{
    addLine(r, rowLine(r), ctrl, false);
}

void MultiColorSelectionModel::selectOnlyColumn(int c)
{
    addLine(c, columnLine(c), false, true);
}

void MultiColorSelectionModel::addColumn(int c, bool ctrl)
{
    addLine(c, columnLine(c), ctrl, false);
}

void MultiColorSelectionModel::addLine(int n, Line line, bool ctrl, bool replace)
{
    if (!isLine(n))
        return;
    if (replace)
        removeAll();
    bool whole = true;
    for (int k = 0, i = line.first; k < lineLength; ++k, i += line.step)
        whole = whole && includes(i);
    bool toggleOff = ctrl && whole;
    for (int k = 0, i = line.first; k < lineLength; ++k, i += line.step) {
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
