#pragma once

#include "core/Aspect.h"
#include "core/GrowableArray.h"
#include "core/InterfaceAspect.h"

#include <cstdint>

class Dependent;

// An observable object. It announces changes to its dependents by aspect and hands out the interfaces
// that aspects name through valueFor, which takes the place of run-time type queries.
class Model {
public:
    Model() = default;
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Adds d unless it is null or already present. Answers d's index when present, else the new count.
    virtual uint32_t addDependent(Dependent* d);
    // Removes d if present; whenever the list is then empty, lastDependentRemoved runs.
    virtual void removeDependent(Dependent* d);
    // Tells every dependent that the model is going away; the dependents themselves live on.
    virtual ~Model();
    virtual void lastDependentRemoved() {}

    // The interface that aspect names, or null. Implementations compare aspect with the aspects they
    // answer, in a fixed order, and otherwise ask their base class or the model they wrap.
    virtual void* valueFor(const Aspect* aspect);

    void changed();
    void changed(const Aspect* aspect);

    uint32_t dependentCount() const { return m_dependents.count(); }

private:
    GrowableArray<Dependent*> m_dependents;
};

// The typed form of valueFor. The aspect carries the type of the interface it names, so asking for
// another type does not compile.
template <class Interface>
Interface* interfaceFor(Model* model, const InterfaceAspect<Interface>* aspect)
{
    return model ? static_cast<Interface*>(model->valueFor(aspect)) : nullptr;
}

// What valueFor answers for an interface that the object itself implements; the explicit type keeps
// the pointer right when the object has several interface bases.
template <class Interface>
void* offer(Interface* self)
{
    return self;
}
