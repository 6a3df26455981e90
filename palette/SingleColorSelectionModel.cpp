#include "palette/SingleColorSelectionModel.h"

SingleColorSelectionModel::SingleColorSelectionModel(PaletteModel* palette, int index)
    : ColorSelectionModel(palette), m_index(isEntry(index) ? index : -1)
{
}

void SingleColorSelectionModel::selectOnly(int i)
{
    if (isEntry(i))
        setIndex(i);
}

void SingleColorSelectionModel::add(int i)
{
    selectOnly(i);
}

void SingleColorSelectionModel::remove(int i)
{
    if (i == m_index)
        setIndex(-1);
}

void SingleColorSelectionModel::clear()
{
    setIndex(-1);
}

void SingleColorSelectionModel::setIndex(int i)
{
    if (i == m_index)
        return;
    m_index = i;
    changed();
}
