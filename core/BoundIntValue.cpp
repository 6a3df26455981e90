#include "core/BoundIntValue.h"

#include "core/Aspects.h"

void* BoundIntValue::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::IntValue::access)
        return offer<IntInterface>(this);
    return Model::valueFor(aspect);
}
