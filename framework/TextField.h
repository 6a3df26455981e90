#pragma once

#include "framework/ControlAdaptor.h"

class Model;

// An edit field over the text of a model's StringInterface (aspect StringValue::access).
class TextField : public ControlAdaptor {
public:
    // Typing stops at maxLength characters.
    TextField(DialogControl& control, Model& model, int maxLength);

    void update() override;
    void update(const Aspect* aspect) override;
    void commit() override;
};
