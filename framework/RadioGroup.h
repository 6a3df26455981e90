#pragma once

#include "core/InterfaceAspect.h"
#include "framework/ControlAdaptor.h"

#include <vector>

class IntInterface;
class Model;

// A group of radio buttons over an integer (aspect IntValue::access, or any aspect that names an
// IntInterface): the value n checks the n-th button.
class RadioGroup : public ControlAdaptor {
public:
    RadioGroup(std::vector<DialogControl*> buttons, Model& model, const InterfaceAspect<IntInterface>* aspect);

    void update() override;
    void update(const Aspect* aspect) override;
    void commit() override;

private:
    std::vector<DialogControl*> m_buttons;
    const InterfaceAspect<IntInterface>* m_aspect;
};
