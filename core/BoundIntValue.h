#pragma once

#include "core/Model.h"
#include "core/NumericField.h"
#include "core/ValueInterfaces.h"

// An integer field of someone else's parameter record, edited through one numeric edit field. Writing
// does not notify. It lives exactly as long as somebody follows it, so create it with new and hand it
// to the field's adaptor.
class BoundIntValue : public Model, public IntInterface {
public:
    BoundIntValue(int32_t* target, NumericField field) : m_target(target), m_field(field) {}

    int32_t value() const override { return *m_target; }
    void setValue(int32_t v) override { *m_target = v; }
    const NumericField& field() const { return m_field; }

    void* valueFor(const Aspect* aspect) override;
    void lastDependentRemoved() override { delete this; }

private:
    int32_t* m_target;
    NumericField m_field;
};
