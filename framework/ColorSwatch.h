#pragma once

#include "framework/ControlAdaptor.h"

class Model;

// A colour swatch over a model's ColorInterface (aspect ColorValue::access). Pressing it asks the
// colour chooser for another colour, which the swatch shows until the dialog is confirmed.
class ColorSwatch : public ControlAdaptor {
public:
    ColorSwatch(DialogControl& control, Model& model);
    ~ColorSwatch() override;

    void update() override;
    void update(const Aspect* aspect) override;
    void commit() override;
};
