#include "framework/RadioGroup.h"

#include "core/Model.h"
#include "core/ValueInterfaces.h"
#include "framework/DialogControl.h"

RadioGroup::RadioGroup(std::vector<DialogControl*> buttons, Model& model, const InterfaceAspect<IntInterface>* aspect)
    : ControlAdaptor(*buttons.front()), m_buttons(std::move(buttons)), m_aspect(aspect)
{
    setModel(&model);
}

void RadioGroup::update()
{
    IntInterface* value = interfaceFor(model(), m_aspect);
    if (!value)
        return;
    for (size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(int32_t(i) == value->value());
}

void RadioGroup::update(const Aspect* aspect)
{
    if (aspect == m_aspect)
        update();
}

void RadioGroup::commit()
{
    IntInterface* value = interfaceFor(model(), m_aspect);
    for (size_t i = 0; value && i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked())
            value->setValue(int32_t(i));
}
