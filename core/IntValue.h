#pragma once

#include "core/Model.h"
#include "core/ValueInterfaces.h"

// One integer that dialogs and panels edit. A change reaches the dependents as a whole refresh.
class IntValue : public Model, public IntInterface {
public:
    explicit IntValue(int32_t v) : m_value(v) {}

    int32_t value() const override { return m_value; }
    void setValue(int32_t v) override;
    void* valueFor(const Aspect* aspect) override;

private:
    int32_t m_value;
};
