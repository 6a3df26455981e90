#include "framework/EditField.h"

#include "core/Aspects.h"
#include "core/BoundIntValue.h"
#include "core/Model.h"
#include "core/ValueInterfaces.h"
#include "framework/DialogControl.h"

#include <algorithm>
#include <cstdio>

EditField::EditField(DialogControl& control, Model& model, const InterfaceAspect<IntInterface>* aspect,
                     NumericField field)
    : ControlAdaptor(control), m_aspect(aspect), m_field(field)
{
    setModel(&model);
}

EditField::EditField(DialogControl& control, BoundIntValue& value)
    : EditField(control, value, &aspects::IntValue::access, value.field())
{
}

IntInterface* EditField::value() const
{
    return interfaceFor(model(), m_aspect);
}

std::string EditField::format(int32_t v) const
{
    if (m_field.radix != 16)
        return std::to_string(v);
    char text[16];
    std::snprintf(text, sizeof text, v < 0 ? "-%X" : "%X", unsigned(v < 0 ? -int64_t(v) : v));
    return text;
}

void EditField::update()
{
    if (IntInterface* v = value())
        control().setText(format(v->value()));
}

void EditField::update(const Aspect* aspect)
{
    if (aspect == m_aspect)
        update();
}

bool EditField::validate()
{
    return m_field.parse(control().text()).has_value();
}

void EditField::commit()
{
    std::optional<int32_t> typed = m_field.parse(control().text());
    IntInterface* v = value();
    if (typed && v)
        v->setValue(*typed);
}

void EditField::step(int delta)
{
    std::optional<int32_t> typed = m_field.parse(control().text());
    // Text that is no number yet steps from the value the field was showing.
    IntInterface* v = value();
    int64_t from = typed ? *typed : (v ? v->value() : m_field.lower);
    control().setText(format(int32_t(std::clamp<int64_t>(from + delta, m_field.lower, m_field.upper))));
}

void EditField::attachUpDown(DialogControl& upDown)
{
    upDown.onStep([this](int delta) { step(delta); });
}
