#include "core/IntValue.h"

#include "core/Aspects.h"

void IntValue::setValue(int32_t v)
{
    if (v == m_value)
        return;
    m_value = v;
    changed();
}

void* IntValue::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::IntValue::access)
        return offer<IntInterface>(this);
    return Model::valueFor(aspect);
}
