#pragma once

#include "core/Model.h"
#include "core/ValueInterfaces.h"

// One colour that a preference or a full-colour choice edits.
class ColorValue : public Model, public ColorInterface {
public:
    explicit ColorValue(ColorRef c) : m_value(c) {}

    ColorRef value() const override { return m_value; }
    // Stores c and notifies ColorValue::access when it differs.
    void setValue(ColorRef c) override;

    void* valueFor(const Aspect* aspect) override;

private:
    ColorRef m_value;
};
