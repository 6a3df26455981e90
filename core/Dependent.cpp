#include "core/Dependent.h"

#include "core/Model.h"

void Dependent::modelReleased()
{
    if (!m_model)
        return;
    m_model = nullptr;
    afterModelReleased();
}

Dependent::~Dependent()
{
    setModel(nullptr);
}

void Dependent::setModel(Model* m)
{
    if (m == m_model)
        return;
    if (m_model)
        m_model->removeDependent(this);
    m_model = m;
    if (m_model)
        m_model->addDependent(this);
    update();
}
