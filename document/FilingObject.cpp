#include "document/FilingObject.h"

#include "core/Aspects.h"

void* FilingObject::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::FilingObject::access)
        return offer<FilingObject>(this);
    return nullptr;
}
