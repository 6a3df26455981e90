#include "framework/TextField.h"

#include "core/Aspects.h"
#include "core/Model.h"
#include "core/ValueInterfaces.h"
#include "framework/DialogControl.h"

TextField::TextField(DialogControl& control, Model& model, int maxLength) : ControlAdaptor(control)
{
    control.setMaxLength(maxLength);
    setModel(&model);
}

void TextField::update()
{
    if (auto* text = interfaceFor<StringInterface>(model(), &aspects::StringValue::access))
        control().setText(text->value());
}

void TextField::update(const Aspect* aspect)
{
    if (aspect == &aspects::StringValue::access)
        update();
}

void TextField::commit()
{
    if (auto* text = interfaceFor<StringInterface>(model(), &aspects::StringValue::access))
        text->setValue(control().text());
}
