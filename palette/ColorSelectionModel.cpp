#include "palette/ColorSelectionModel.h"

#include "core/Aspects.h"
#include "palette/PaletteModel.h"

ColorSelectionModel::ColorSelectionModel(PaletteModel* palette)
    : m_palette(palette), m_rows(*this, HeaderSelectionPlug::Line::row),
      m_columns(*this, HeaderSelectionPlug::Line::column)
{
}

void ColorSelectionModel::changed()
{
    Model::changed(&aspects::ColorSelectionModel::colorSelection);
}

void* ColorSelectionModel::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::PaletteModel::access)
        return m_palette ? m_palette->valueFor(aspect) : nullptr;
    if (aspect == &aspects::ColorSelectionModel::paletteSelection)
        return offer<HeaderSelectionPlug>(&m_rows);
    if (aspect == &aspects::ColorSelectionModel::columnSelection)
        return offer<HeaderSelectionPlug>(&m_columns);
    return Model::valueFor(aspect);
}
