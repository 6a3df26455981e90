#include "app/DocumentIndicator.h"

#include "core/Aspects.h"

DocumentIndicator::DocumentIndicator(QWidget* container) : Component(container)
{
    refuseFocus();
}

BitmapDocument* DocumentIndicator::document() const
{
    return interfaceFor(model(), &aspects::BitmapDocument::access);
}

void* DocumentIndicator::valueFor(const Aspect* aspect)
{
    if (aspect == &aspects::Visual::Component::waitingController)
        return offer<Visual::MouseController>(this);
    return Component::valueFor(aspect);
}

void DocumentIndicator::mouseEvent(const Visual::MouseEvent& event)
{
    if (event.kind == Visual::MouseEvent::leftDown || event.kind == Visual::MouseEvent::leftDouble)
        clicked(event.at);
}
