#pragma once

#include "core/InterfaceAspect.h"
#include "core/NumericField.h"
#include "framework/ControlAdaptor.h"

#include <string>

class BoundIntValue;
class IntInterface;
class Model;

// A numeric edit field over an integer: an IntValue (aspect IntValue::access), one coordinate of a
// PointModel (PointModel::xvalue or yvalue) or a BoundIntValue. It shows the number in its radix and
// accepts only text that parses within its bounds.
class EditField : public ControlAdaptor {
public:
    EditField(DialogControl& control, Model& model, const InterfaceAspect<IntInterface>* aspect, NumericField field);
    // Takes the bounds and radix the value was bound with.
    EditField(DialogControl& control, BoundIntValue& value);

    void update() override;
    void update(const Aspect* aspect) override;
    bool validate() override;
    void commit() override;

    // Moves the number in the field by delta, kept within the bounds; what an up-down's arrow does.
    void step(int delta);
    // Lets the up-down control upDown step this field.
    void attachUpDown(DialogControl& upDown);

    const NumericField& field() const { return m_field; }
    std::string format(int32_t v) const;

private:
    IntInterface* value() const;

    const InterfaceAspect<IntInterface>* m_aspect;
    NumericField m_field;
};
