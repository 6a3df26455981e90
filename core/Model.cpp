#include "core/Model.h"

#include "core/Dependent.h"

uint32_t Model::addDependent(Dependent* d)
{
    if (!d)
        return m_dependents.count();
    uint32_t index = m_dependents.indexOf(d);
    if (index < m_dependents.count())
        return index;
    m_dependents.append(d);
    return m_dependents.count();
}

void Model::removeDependent(Dependent* d)
{
    if (!d)
        return;
    uint32_t index = m_dependents.indexOf(d);
    if (index < m_dependents.count())
        m_dependents.removeAt(index);
    if (m_dependents.count() == 0)
        lastDependentRemoved();
}

Model::~Model()
{
    for (uint32_t i = 0; i < m_dependents.count(); ++i)
        m_dependents[i]->modelReleased();
}

void* Model::valueFor(const Aspect*)
{
    return nullptr;
}

// The count is read again before every step and the list is not copied: dependents added during a pass
// are called in it, and a nested changed() runs at once.
void Model::changed()
{
    for (uint32_t i = 0; i < m_dependents.count(); ++i)
        m_dependents[i]->update();
}

void Model::changed(const Aspect* aspect)
{
    for (uint32_t i = 0; i < m_dependents.count(); ++i)
        m_dependents[i]->update(aspect);
}
