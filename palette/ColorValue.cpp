#include "palette/ColorValue.h"

#include "core/Aspects.h"
#include "framework/ColorChooser.h"

void ColorValue::setValue(ColorRef c)
{
    if (c == m_value)
        return;
    m_value = c;
    changed(&aspects::ColorValue::access);
}

void ColorValue::choose()
{
    if (std::optional<ColorRef> chosen = chooseColor(m_value))
        setValue(*chosen);
}

void* ColorValue::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::ColorValue::access)
        return offer<ColorInterface>(this);
    return Model::valueFor(aspect);
}
