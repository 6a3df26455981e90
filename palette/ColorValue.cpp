#include "palette/ColorValue.h"

#include "core/Aspects.h"

void ColorValue::setValue(ColorRef c)
{
    if (c == m_value)
        return;
    m_value = c;
    changed(&aspects::ColorValue::access);
}

void* ColorValue::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ColorValue::access)
        return offer<ColorInterface>(this);
    return Model::valueFor(aspect);
}
